#pragma once

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QMessageBox>
#include <QStringList>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <algorithm>
#include <cstdint>
#include <functional>
#include <string>
#include <utility>

#include "app/collection.h"
#include "app/model/program.h"
#include "app/qt/qt_host.h"

namespace fm::testing {

// Waits until the window is on the (offscreen) screen and can take input.
inline void expose(QWidget& view) {
  view.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
  ASSERT_TRUE(QTest::qWaitForWindowActive(&view));
}

// A mouse click at a point of a window as the player makes it: through the platform window,
// so that a modal box blocks it.
inline void clickAt(QWidget& view, QPoint position) {
  QTest::mouseClick(view.window()->windowHandle(), Qt::LeftButton, Qt::NoModifier, position);
}
inline void clickOn(QWidget& native) {
  clickAt(*native.window(), native.mapTo(native.window(), native.rect().center()));
}
inline void key(QWidget& view, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
  QTest::keyClick(view.window()->windowHandle(), key, modifiers);
}

// How many pixels of the area are dark, like text and outlines.
inline int darkPixels(const QImage& image, QRect area) {
  int count = 0;
  for (int y = area.top(); y <= area.bottom(); ++y) {
    for (int x = area.left(); x <= area.right(); ++x) count += qGray(image.pixel(x, y)) < 96;
  }
  return count;
}

// Collects every warning Qt prints while it exists.
class QtWarnings {
 public:
  QtWarnings() {
    all().clear();
    previous_ = qInstallMessageHandler(&QtWarnings::record);
  }
  ~QtWarnings() { qInstallMessageHandler(previous_); }
  QtWarnings(const QtWarnings&) = delete;
  QtWarnings& operator=(const QtWarnings&) = delete;
  QtWarnings(QtWarnings&&) = delete;
  QtWarnings& operator=(QtWarnings&&) = delete;

  [[nodiscard]] static std::string seen() { return all().join('\n').toStdString(); }

 private:
  static QStringList& all() {
    static QStringList warnings;
    return warnings;
  }
  static void record(QtMsgType type, const QMessageLogContext&, const QString& message) {
    // The offscreen platform's notices of what it cannot do (raise a window, size a box to its
    // hints) say nothing about the program.
    if (type == QtDebugMsg || type == QtInfoMsg) return;
    if (!message.startsWith(QStringLiteral("This plugin does not support"))) all() << message;
  }
  QtMessageHandler previous_ = nullptr;
};

// Answers the message box that the test's action opens: `whileOpen` runs on each look at the
// open box and returns true once OK may be pressed. Gives up after a while so a broken host
// cannot hang the test.
class BoxAnswerer {
 public:
  explicit BoxAnswerer(std::function<bool(QMessageBox&)> whileOpen)
      : whileOpen_(std::move(whileOpen)) {
    poll_.setInterval(1);
    QObject::connect(&poll_, &QTimer::timeout, &poll_, [this] { look(); });
    poll_.start();
    deadline_.start();
  }
  int boxesSeen = 0;

 private:
  void look() {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr) return;
    if (!whileOpen_(*box) && deadline_.elapsed() < 5000) return;
    ++boxesSeen;
    clickOn(*box->button(QMessageBox::Ok));
  }
  std::function<bool(QMessageBox&)> whileOpen_;
  QTimer poll_;
  QElapsedTimer deadline_;
};

// A program of the test's own on the Qt host, with a clock the test moves by hand.
class QtHostTest : public ::testing::Test {
 protected:
  void TearDown() override {
    // A quit the host queued must not end the event loop of a later test.
    QCoreApplication::removePostedEvents(QCoreApplication::instance(), QEvent::MetaCall);
  }

  // What the program does after every event: put the recorded changes on the screen.
  void applyModelChanges() {
    host.refresh();
    for (const auto& window : program.windows()) window->clearChanges();
  }

  qt::FormView& view(std::string_view windowName) { return host.view(program.window(windowName)); }
  QWidget& native(std::string_view windowName, std::string_view widgetName, int index = -1) {
    Window& window = program.window(windowName);
    return *host.view(window).nativeWidget(window.widget(widgetName, index));
  }

  std::int64_t clock = 0;
  Program program;
  qt::QtHost host{program, [this] { return clock; }};
};

// The whole collection on the Qt host, started as the program starts.
class QtCollectionTest : public QtHostTest {
 protected:
  QtCollectionTest() {
    addCollection(program);
    program.start(firstWindow(program));
  }

  // Moves the test's clock on by `milliseconds`, delivering each tick at its due time.
  void advance(std::int64_t milliseconds) {
    const std::int64_t end = clock + milliseconds;
    while (const auto due = program.nextDue()) {
      if (*due > end) break;
      clock = std::max(clock, *due);
      host.deliverDueTicks();
    }
    // A box answered meanwhile may have moved the clock on already.
    clock = std::max(clock, end);
  }
};

}  // namespace fm::testing
