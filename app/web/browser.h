#pragma once

#include <cstdint>

// The browser calls the page makes, implemented in library.js. Sizes and positions are CSS
// pixels, colours CSS colours, strings UTF-8; windows, widgets, pictures and boxes are known by
// the numbers the program gives them.
extern "C" {

void mg_form_create(int form, const char* name, const char* caption, double width, double height);
// The frame of a window: caption, background colour and picture (-1 for none), what the picture
// shows, whether it is shown, and whether to bring it to the front.
void mg_form_frame(int form, const char* caption, const char* colour, int picture,
                   const char* description, int visible, int raise);

// `kind` is "label", "image", "button", "option", "text" or "line"; `order` the stacking order
// (higher in front); `pressable` for an image the player can click.
void mg_widget_create(int widget, int form, const char* kind, const char* name, int index,
                      int order, int tabIndex, int pressable);
void mg_widget_place(int widget, double left, double top, double width, double height, int shown,
                     int enabled);
// A caption, or a text box's text.
void mg_widget_text(int widget, const char* text);
// What a screen reader says for an image or a text box; empty for an image with nothing to say.
void mg_widget_name(int widget, const char* name);
// `back` is empty for a transparent label.
void mg_widget_label(int widget, int alignment, const char* back, const char* fore, double points);
void mg_widget_option(int widget, int value, const char* back, const char* fore);
void mg_widget_line(int widget, double x1, double y1, double x2, double y2, const char* colour);
void mg_widget_picture(int widget, int picture);
// The text of a drawing of assets/ ("swim/pool"), for the program to free; empty for none.
char* mg_drawing_text(const char* name);
void mg_picture_define(int picture, const char* svg);

// The control that has the window's focus, or -1 for the window itself.
void mg_focus(int form, int widget);

void mg_box_open(int box, int form, const char* title, const char* text);
int mg_box_is_open(int box);
void mg_box_close(int box);

void mg_program_ended();
// Milliseconds on the page's monotonic clock, and since 1970.
double mg_now();
double mg_date_now();
// The oldest input not yet taken: its kind (0 for none), window, widget, key code and Shift
// state into `fields`, a press's point into `point`.
int mg_next_input(std::int32_t* fields, double* point);
char* mg_input_text();
}
