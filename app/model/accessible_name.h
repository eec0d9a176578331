#pragma once

#include <string>

#include "app/model/widget.h"

namespace fm {

// What a screen reader says for a widget, the same in every host: a button's, option button's
// or label's caption, a text box's text, or what an image's picture shows ("ハト", "さいころ 5");
// nothing for lines and timers.
std::string accessibleName(const Widget& widget);

// An image the player can click: to screen readers and the keyboard it is a button, pressed
// with Space or Enter.
bool actsAsButton(const Widget& widget);

}  // namespace fm
