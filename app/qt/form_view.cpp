#include "app/qt/form_view.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QRegion>
#include <string_view>
#include <vector>

#include "app/model/accessible_name.h"
#include "app/model/program.h"
#include "app/qt/form_painter.h"
#include "app/qt/gothic_font.h"
#include "app/qt/key_codes.h"
#include "app/qt/screen_units.h"

namespace fm::qt {
namespace {

// An option button whose check mark only the model sets: a click goes to the program, which
// selects the option (and clears the others) itself. It can be clicked anywhere in its box, not
// only on its mark and caption.
class ModelOptionButton final : public QRadioButton {
 public:
  using QRadioButton::QRadioButton;

 protected:
  void nextCheckState() override {}
  [[nodiscard]] bool hitButton(const QPoint& position) const override {
    return rect().contains(position);
  }
};

// A screen reader's view of one painted label or image. It covers the painted area, draws
// nothing (the window paints everything beneath it) and lets every click through to the
// window, which decides which image was hit. Its accessible role says what it stands for; an
// image the player can click is a button, which Tab reaches and Space or Enter press.
class PaintedStandIn final : public QWidget {
  Q_OBJECT

 public:
  PaintedStandIn(QWidget* parent, QAccessible::Role role) : QWidget(parent), role_(role) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(role == QAccessible::Button ? Qt::TabFocus : Qt::NoFocus);
    setUpdatesEnabled(false);
  }

  [[nodiscard]] QAccessible::Role role() const { return role_; }

 private:
  QAccessible::Role role_;
};

// Gives the stand-ins their role, and the views the role of a window (a plain widget would be a
// mere client area).
QAccessibleInterface* accessibleOfView(const QString& className, QObject* object) {
  if (className == QLatin1String(PaintedStandIn::staticMetaObject.className())) {
    auto* standIn = static_cast<PaintedStandIn*>(object);
    return new QAccessibleWidget(standIn, standIn->role());
  }
  if (className == QLatin1String(FormView::staticMetaObject.className())) {
    return new QAccessibleWidget(static_cast<FormView*>(object), QAccessible::Window);
  }
  return nullptr;
}

// Whether a screen reader listens, as the platform (or a test) reports it. When one starts, every
// window's stand-ins are brought up to date: until then they are left where they were.
class ScreenReaderWatch final : public QAccessible::ActivationObserver {
 public:
  [[nodiscard]] bool listening() const { return listening_; }
  void accessibilityActiveChanged(bool active) override {
    listening_ = active;
    if (!active) return;
    for (QWidget* window : QApplication::topLevelWidgets()) {
      if (auto* view = qobject_cast<FormView*>(window)) view->syncStandIns();
    }
  }

 private:
  bool listening_ = QAccessible::isActive();
};

ScreenReaderWatch& screenReaderWatch() {
  static ScreenReaderWatch watch;
  static const bool installed = [] {
    QAccessible::installFactory(&accessibleOfView);
    QAccessible::installActivationObserver(&watch);
    return true;
  }();
  (void)installed;
  return watch;
}

constexpr Qt::WindowFlags kFrameFlags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                        Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;

bool movesFocus(const QKeyEvent& event) {
  const bool plain = !(event.modifiers() & (Qt::ControlModifier | Qt::AltModifier));
  return plain && (event.key() == Qt::Key_Tab || event.key() == Qt::Key_Backtab);
}

QString toQString(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString accessibleNameOf(const Widget& widget) {
  return toQString(accessibleName(widget));
}

void setAccessibleNameIfChanged(QWidget& widget, const QString& name) {
  // A new name is announced to the screen reader: only when it really is new.
  if (widget.accessibleName() != name) widget.setAccessibleName(name);
}

}  // namespace

FormView::FormView(Window& window, PictureCache& pictures)
    : QWidget(nullptr, kFrameFlags), window_(window), pictures_(pictures) {
  screenReaderWatch();
  setObjectName(toQString(window.name()));
  // Every exposed pixel is painted from the model: no need to clear it first.
  setAttribute(Qt::WA_OpaquePaintEvent);
  setFocusPolicy(Qt::NoFocus);
  setFont(gothicFont());
  setFixedSize(qRound(toPixels(window.clientWidth())), qRound(toPixels(window.clientHeight())));
  setWindowTitle(toQString(window.caption()));
  setAccessibleName(windowTitle());
  setAccessibleDescription(toQString(window.picture().description()));
  createChildWidgets();
}

QWidget* FormView::nativeWidget(const Widget& widget) const {
  const auto found = natives_.find(&widget);
  return found != natives_.end() ? found->second : nullptr;
}

QWidget* FormView::accessibleStandIn(const Widget& widget) const {
  const auto found = standIns_.find(&widget);
  return found != standIns_.end() ? found->second : nullptr;
}

void FormView::createChildWidgets() {
  for (const auto& owned : window_.widgets()) {
    Widget* model = owned.get();
    QWidget* native = nullptr;
    switch (model->kind()) {
      case WidgetKind::CommandButton: {
        auto* button = new QPushButton(this);
        button->setAutoDefault(false);
        connect(button, &QAbstractButton::clicked, this,
                [this, model] { window_.program().click(*model); });
        native = button;
        break;
      }
      case WidgetKind::OptionButton: {
        auto* option = new ModelOptionButton(this);
        option->setAutoExclusive(false);
        option->setAutoFillBackground(true);
        connect(option, &QAbstractButton::clicked, this,
                [this, model] { window_.program().click(*model); });
        native = option;
        break;
      }
      case WidgetKind::TextBox: {
        auto* edit = new QLineEdit(this);
        // What the player types becomes the box's Text.
        connect(edit, &QLineEdit::textEdited, this, [this, model](const QString& text) {
          window_.program().typeText(*model, text.toStdString());
        });
        native = edit;
        break;
      }
      case WidgetKind::Label:
      case WidgetKind::Image: {
        QAccessible::Role role = QAccessible::StaticText;
        if (model->kind() == WidgetKind::Image) {
          role = actsAsButton(*model) ? QAccessible::Button : QAccessible::Graphic;
        }
        auto* standIn = new PaintedStandIn(this, role);
        standIn->setObjectName(toQString(model->displayName()));
        standIns_.emplace(model, standIn);
        if (role == QAccessible::Button) {
          standIn->installEventFilter(this);
          pressables_.emplace(standIn, model);
        }
        applyStandIn(*model, *standIn);
        continue;
      }
      default:
        continue;
    }
    native->setObjectName(toQString(model->displayName()));
    native->installEventFilter(this);
    natives_.emplace(model, native);
    modelOf_.emplace(native, model);
    applyNative(*model, *native);
  }
  QWidget* previous = nullptr;
  for (const Widget* model : window_.tabOrder()) {
    QWidget* native = nativeWidget(*model);
    if (previous != nullptr) QWidget::setTabOrder(previous, native);
    previous = native;
  }
}

void FormView::syncStandIns() {
  for (const auto& [widget, standIn] : standIns_) applyStandIn(*widget, *standIn);
}

void FormView::applyChanges() {
  applying_ = true;
  const bool frameChanged = window_.frameChanged();
  if (frameChanged) applyFrame();
  // Moving a sprite's stand-in at every step costs a good part of a frame: the stand-ins follow
  // only while a screen reader listens, and catch up when one starts.
  const bool standInsFollow = screenReaderWatch().listening();
  QRegion dirty;
  for (Widget* widget : window_.changedWidgets()) {
    if (QWidget* native = nativeWidget(*widget)) {
      applyNative(*widget, *native);
    } else {
      dirty += movedArea(*widget);
      QWidget* standIn = standInsFollow ? accessibleStandIn(*widget) : nullptr;
      if (standIn != nullptr) applyStandIn(*widget, *standIn);
    }
  }
  // Painted now, in the same wake-up as the ticks that moved it, rather than on a later pass of
  // the event loop; a new background repaints everything anyway.
  if (!dirty.isEmpty()) {
    if (frameChanged || !isVisible()) {
      update(dirty);
    } else {
      repaint(dirty);
    }
  }
  // Shown only once its widgets are in place, so the first picture is already right.
  if (frameChanged && isVisible() != window_.visible()) setVisible(window_.visible());
  // Made visible again while already open: bring it to the front.
  if (window_.raiseRequested() && isVisible()) {
    raise();
    activateWindow();
  }
  syncFocus();
  applying_ = false;
}

void FormView::applyFrame() {
  const QString caption = toQString(window_.caption());
  if (windowTitle() != caption) setWindowTitle(caption);
  setAccessibleNameIfChanged(*this, caption);
  // The background picture is what the window shows as a whole (a game's last picture).
  const QString background = toQString(window_.picture().description());
  if (accessibleDescription() != background) setAccessibleDescription(background);
  // The background colour or picture may have changed.
  update();
}

void FormView::applyNative(const Widget& widget, QWidget& native) {
  native.setGeometry(nativeRect(widget));
  native.setEnabled(widget.enabled());
  const QString text = toQString(widget.caption());
  setAccessibleNameIfChanged(native, accessibleNameOf(widget));
  if (auto* edit = qobject_cast<QLineEdit*>(&native)) {
    // Setting the same text again would lose the player's cursor and selection.
    if (edit->text() != text) edit->setText(text);
  } else if (auto* button = qobject_cast<QAbstractButton*>(&native)) {
    if (button->text() != text) button->setText(text);
    if (widget.kind() == WidgetKind::OptionButton) {
      button->setChecked(widget.value());
      QPalette palette = button->palette();
      palette.setColor(QPalette::Window, toQColor(widget.backColor()));
      palette.setColor(QPalette::WindowText, toQColor(widget.foreColor()));
      button->setPalette(palette);
    }
  }
  native.setVisible(widget.visible());
}

void FormView::applyStandIn(const Widget& widget, QWidget& standIn) {
  const QString name = accessibleNameOf(widget);
  const QRect area = paintedExtent(widget).normalized().toAlignedRect();
  standIn.setGeometry(area);
  setAccessibleNameIfChanged(standIn, name);
  standIn.setVisible(announced(widget));
}

QRegion FormView::movedArea(const Widget& widget) {
  const QRect area = paintedArea(widget);
  QRect& before = paintedAreas_[&widget];
  QRegion dirty(area);
  dirty += before;
  before = area;
  return dirty;
}

bool FormView::pressPicture(Widget& picture, const QEvent& event) {
  // To the model, the window itself holds the focus: keys other than a press are its own.
  if (event.type() == QEvent::FocusIn && !applying_) window_.program().moveFocus(window_, nullptr);
  if (event.type() == QEvent::KeyRelease) return true;
  if (event.type() != QEvent::KeyPress) return false;
  const auto& key = static_cast<const QKeyEvent&>(event);
  if (movesFocus(key)) return false;
  const bool press =
      key.key() == Qt::Key_Space || key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter;
  if (press && !key.isAutoRepeat()) {
    window_.program().click(picture);
  } else if (!press) {
    // Any other key is the window's, as when no control holds the focus.
    sendKey(key);
  }
  return true;
}

void FormView::syncFocus() {
  if (!window_.visible() || !isVisible()) return;
  // A picture the player tabbed to keeps the focus while the window itself has it.
  if (window_.activeControl() == nullptr && pressables_.contains(focusWidget())) return;
  QWidget* wanted = this;
  if (const Widget* active = window_.activeControl()) {
    if (QWidget* native = nativeWidget(*active); native != nullptr && native->isVisible()) {
      wanted = native;
    }
  }
  if (focusWidget() != wanted) wanted->setFocus(Qt::OtherFocusReason);
}

void FormView::sendKey(const QKeyEvent& event) {
  const auto code = virtualKeyCode(event.key(), event.modifiers());
  if (code) window_.program().keyDown(window_, *code, shiftState(event.modifiers()));
}

void FormView::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  paintForm(painter, window_, pictures_, texts_, event->rect());
}

void FormView::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) {
    if (Widget* image = imageAt(window_, event->position())) {
      window_.program().click(*image);
      return;
    }
  }
  QWidget::mousePressEvent(event);
}

void FormView::keyPressEvent(QKeyEvent* event) {
  // Keys for the window itself, or ones a text box left alone.
  sendKey(*event);
}

void FormView::closeEvent(QCloseEvent* event) {
  window_.program().close(window_);
  // The model unloads the window; Qt itself never deletes it or ends the program.
  event->setAccepted(!window_.visible());
}

bool FormView::eventFilter(QObject* watched, QEvent* event) {
  if (const auto pressable = pressables_.find(watched); pressable != pressables_.end()) {
    return pressPicture(*pressable->second, *event);
  }
  const auto found = modelOf_.find(watched);
  if (found == modelOf_.end()) return QWidget::eventFilter(watched, event);
  const bool isTextBox = found->second->kind() == WidgetKind::TextBox;
  switch (event->type()) {
    case QEvent::KeyPress: {
      const auto& key = static_cast<const QKeyEvent&>(*event);
      // A text box keeps its keys (typing, selecting, copying); Tab moves the focus natively.
      if (isTextBox || movesFocus(key)) return false;
      // Everything else goes to the model, which decides whether a focused button is pressed.
      sendKey(key);
      return true;
    }
    case QEvent::KeyRelease: {
      const auto& key = static_cast<const QKeyEvent&>(*event);
      // A button must not press itself when Space is let go: the model had the press.
      return !isTextBox && !movesFocus(key);
    }
    case QEvent::FocusIn:
      if (!applying_) window_.program().moveFocus(window_, found->second);
      return false;
    default:
      return false;
  }
}

}  // namespace fm::qt

#include "form_view.moc"
