#pragma once

namespace fm::qt {

// Settings Qt reads as its platform starts up: call before the QApplication is made.
void preparePlatform();

}  // namespace fm::qt
