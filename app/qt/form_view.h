#pragma once

#include <QRegion>
#include <QWidget>
#include <unordered_map>

#include "app/model/widget.h"
#include "app/model/window.h"
#include "app/qt/form_painter.h"
#include "app/qt/picture_cache.h"

namespace fm::qt {

// The screen of one window: a fixed-size top-level widget whose own surface shows the painted
// widgets (labels, images, lines) and which holds a real Qt widget for each button, option
// button and text box. The window's model decides everything: the view forwards the player's
// clicks, keys, focus moves and close requests to the program and shows what the model records.
//
// For screen readers every widget has an accessible name: buttons, option buttons and text boxes
// their caption, and each painted label or image a stand-in child widget of its own, laid over
// the painted area, which draws nothing and lets clicks through, named after the label's caption
// or what the image's picture shows; the stand-ins follow the model while a screen reader
// listens. Lines and timers have none. The window is named after its
// caption and described by its background picture.
class FormView final : public QWidget {
  Q_OBJECT

 public:
  FormView(Window& window, PictureCache& pictures);

  [[nodiscard]] Window& window() const { return window_; }
  // The Qt widget standing for a button, option button or text box; nullptr for other kinds.
  [[nodiscard]] QWidget* nativeWidget(const Widget& widget) const;
  // The screen readers' stand-in for a label or an image; nullptr for other kinds.
  [[nodiscard]] QWidget* accessibleStandIn(const Widget& widget) const;

  // Puts the changes the model recorded since the last call on the screen.
  void applyChanges();
  // Puts every stand-in where its label or image is, named as it is now.
  void syncStandIns();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void createChildWidgets();
  void applyFrame();
  void applyNative(const Widget& widget, QWidget& native);
  void applyStandIn(const Widget& widget, QWidget& standIn);
  // Where a painted widget was and is now drawn.
  QRegion movedArea(const Widget& widget);
  void syncFocus();
  // A key on the stand-in of a picture the player can click: Space or Enter clicks it.
  bool pressPicture(Widget& picture, const QEvent& event);
  void sendKey(const QKeyEvent& event);

  Window& window_;
  PictureCache& pictures_;
  LabelTexts texts_;
  // Children of this view, owned by Qt.
  std::unordered_map<const Widget*, QWidget*> natives_;
  std::unordered_map<const QObject*, Widget*> modelOf_;
  std::unordered_map<const Widget*, QWidget*> standIns_;
  // The stand-ins of pictures the player can click, which take the keyboard focus.
  std::unordered_map<const QObject*, Widget*> pressables_;
  // Where each painted widget was last drawn, so a move repaints both places.
  std::unordered_map<const Widget*, QRect> paintedAreas_;
  // Set while model changes are being applied: focus moves Qt makes on its own meanwhile (a
  // focused button being hidden) are not the player's and must not reach the model.
  bool applying_ = false;
};

}  // namespace fm::qt
