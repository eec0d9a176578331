// The browser calls the program makes (--js-library): each hands its arguments, strings read
// from the program's memory, to the page's side in page/ (the MG object).

/* global mergeInto, LibraryManager, UTF8ToString, HEAP32, HEAPF64, stringToNewUTF8, MG */
mergeInto(LibraryManager.library, {
  mg_form_create: function (id, name, caption, width, height) {
    MG.createForm(id, UTF8ToString(name), UTF8ToString(caption), width, height);
  },
  mg_form_frame: function (id, caption, colour, picture, description, visible, raise) {
    MG.frame(id, UTF8ToString(caption), UTF8ToString(colour), UTF8ToString(description),
      visible !== 0, raise !== 0);
    MG.background(id, picture);
  },
  mg_widget_create: function (id, form, kind, name, index, order, tabIndex, pressable) {
    MG.createWidget(id, form, UTF8ToString(kind), UTF8ToString(name), index, order, tabIndex,
      pressable !== 0);
  },
  mg_widget_place: function (id, left, top, width, height, shown, enabled) {
    MG.place(id, left, top, width, height, shown !== 0, enabled !== 0);
  },
  mg_widget_text: function (id, text) {
    MG.text(id, UTF8ToString(text));
  },
  mg_widget_name: function (id, name) {
    MG.name(id, UTF8ToString(name));
  },
  mg_widget_label: function (id, alignment, back, fore, points) {
    MG.labelStyle(id, alignment, UTF8ToString(back), UTF8ToString(fore), points);
  },
  mg_widget_option: function (id, value, back, fore) {
    MG.option(id, value !== 0, UTF8ToString(back), UTF8ToString(fore));
  },
  mg_widget_line: function (id, x1, y1, x2, y2, colour) {
    MG.line(id, x1, y1, x2, y2, UTF8ToString(colour));
  },
  mg_widget_picture: function (id, picture) {
    MG.picture(id, picture);
  },
  mg_drawing_text__deps: ['$stringToNewUTF8'],
  mg_drawing_text: function (name) {
    return stringToNewUTF8(MG.drawing(UTF8ToString(name)));
  },
  mg_picture_define: function (id, svg) {
    MG.definePicture(id, UTF8ToString(svg));
  },
  mg_focus: function (form, widget) {
    MG.focus(form, widget);
  },
  mg_box_open: function (id, form, title, text) {
    MG.openBox(id, form, UTF8ToString(title), UTF8ToString(text));
  },
  mg_box_is_open: function (id) {
    return MG.boxes.includes(id) ? 1 : 0;
  },
  mg_box_close: function (id) {
    MG.closeBox(id);
  },
  mg_program_ended: function () {
    MG.ended();
  },
  mg_now: function () {
    return performance.now();
  },
  mg_date_now: function () {
    return Date.now();
  },
  // The oldest input the player made, or 0 when there is none: its kind, then its window,
  // widget, key code and Shift state into `fields`, the point of a press into `point`.
  mg_next_input: function (fields, point) {
    if (!MG.takingInputs()) return 0;
    const input = MG.inputs.shift();
    if (!input) return 0;
    const at = fields >> 2;
    HEAP32[at] = MG.kinds[input.kind];
    HEAP32[at + 1] = input.form === undefined ? -1 : input.form;
    HEAP32[at + 2] = input.widget === undefined ? -1 : input.widget;
    HEAP32[at + 3] = input.code || 0;
    HEAP32[at + 4] = input.shift || 0;
    HEAPF64[point >> 3] = input.x || 0;
    HEAPF64[(point >> 3) + 1] = input.y || 0;
    MG.lastText = input.text || '';
    return 1;
  },
  // The text of the input taken last, for the program to free.
  mg_input_text__deps: ['$stringToNewUTF8'],
  mg_input_text: function () {
    return stringToNewUTF8(MG.lastText);
  },
});
