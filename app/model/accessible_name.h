#pragma once

#include <string>

#include "app/model/widget.h"

namespace fm {

// What a screen reader says for a widget, the same in every host: a button's, option button's
// or label's caption; for a text box, the caption of the label just above it (what the player
// reads as its name, while its text is its value); what an image's picture shows ("ハト",
// "さいころ 5"); nothing for lines and timers.
std::string accessibleName(const Widget& widget);

// Whether a screen reader meets the widget at all: a visible button, option button or text
// box; a visible label or image that lies on its window and has something to say. A picture
// slot that shows nothing, or a bank of pictures kept out of sight, is passed over.
bool announced(const Widget& widget);

// An image the player can click: to screen readers and the keyboard it is a button, pressed
// with Space or Enter.
bool actsAsButton(const Widget& widget);

}  // namespace fm
