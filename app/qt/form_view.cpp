#include "app/qt/form_view.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QRegion>
#include <algorithm>
#include <utility>
#include <vector>

#include "app/model/program.h"
#include "app/qt/app_identity.h"
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

constexpr Qt::WindowFlags kFrameFlags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                        Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;

bool movesFocus(const QKeyEvent& event) {
  const bool plain = !(event.modifiers() & (Qt::ControlModifier | Qt::AltModifier));
  return plain && (event.key() == Qt::Key_Tab || event.key() == Qt::Key_Backtab);
}

QString toQString(const std::string& text) {
  return QString::fromStdString(text);
}

}  // namespace

FormView::FormView(Window& window, PictureCache& pictures)
    : QWidget(nullptr, kFrameFlags), window_(window), pictures_(pictures) {
  setObjectName(
      QString::fromUtf8(window.name().data(), static_cast<qsizetype>(window.name().size())));
  // Every exposed pixel is painted from the model: no need to clear it first.
  setAttribute(Qt::WA_OpaquePaintEvent);
  setFocusPolicy(Qt::NoFocus);
  setFont(gothicFont());
  setWindowIcon(applicationIcon());
  setFixedSize(qRound(toPixels(window.clientWidth())), qRound(toPixels(window.clientHeight())));
  setWindowTitle(toQString(window.caption()));
  createNativeWidgets();
}

QWidget* FormView::nativeWidget(const Widget& widget) const {
  const auto found = natives_.find(&widget);
  return found != natives_.end() ? found->second : nullptr;
}

void FormView::createNativeWidgets() {
  std::vector<std::pair<int, QWidget*>> tabOrder;
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
        connect(edit, &QLineEdit::textEdited, this,
                [model](const QString& text) { model->setText(text.toStdString()); });
        native = edit;
        break;
      }
      default:
        continue;
    }
    native->setObjectName(toQString(model->displayName()));
    native->installEventFilter(this);
    natives_.emplace(model, native);
    modelOf_.emplace(native, model);
    tabOrder.emplace_back(model->tabIndex(), native);
    applyNative(*model, *native);
  }
  std::stable_sort(tabOrder.begin(), tabOrder.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });
  for (std::size_t i = 1; i < tabOrder.size(); ++i) {
    QWidget::setTabOrder(tabOrder[i - 1].second, tabOrder[i].second);
  }
}

void FormView::applyChanges() {
  applying_ = true;
  const bool frameChanged = window_.frameChanged();
  if (frameChanged) applyFrame();
  for (Widget* widget : window_.changedWidgets()) {
    if (QWidget* native = nativeWidget(*widget)) {
      applyNative(*widget, *native);
    } else {
      repaintPainted(*widget);
    }
  }
  // Shown only once its widgets are in place, so the first picture is already right.
  if (frameChanged && isVisible() != window_.visible()) setVisible(window_.visible());
  // A window closed while one of its boxes waits takes the box with it.
  if (frameChanged && !window_.loaded()) {
    for (QMessageBox* box : findChildren<QMessageBox*>(Qt::FindDirectChildrenOnly)) box->done(0);
  }
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
  // The background colour or picture may have changed.
  update();
}

void FormView::applyNative(const Widget& widget, QWidget& native) {
  native.setGeometry(nativeRect(widget));
  native.setEnabled(widget.enabled());
  const QString text = toQString(widget.caption());
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

void FormView::repaintPainted(const Widget& widget) {
  const QRect area = paintedArea(widget);
  QRect& before = paintedAreas_[&widget];
  QRegion dirty(area);
  dirty += before;
  before = area;
  if (!dirty.isEmpty()) update(dirty);
}

void FormView::syncFocus() {
  if (!window_.visible() || !isVisible()) return;
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
  paintForm(painter, window_, pictures_, event->rect());
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
      if (!applying_) window_.focus(*found->second);
      return false;
    default:
      return false;
  }
}

}  // namespace fm::qt
