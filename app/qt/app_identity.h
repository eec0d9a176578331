#pragma once

#include <QIcon>
#include <QString>

namespace fm::qt {

// The title of the collection: the menu's caption, the application name and the title of every
// message box.
QString applicationTitle();

// The one 32×32 icon shared by every window, drawn from the artwork at whatever size is asked for.
QIcon applicationIcon();

}  // namespace fm::qt
