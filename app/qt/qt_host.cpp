#include "app/qt/qt_host.h"

#include <QApplication>
#include <QMessageBox>
#include <QPixmapCache>
#include <QPointer>
#include <QScreen>
#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <limits>
#include <utility>

#include "app/qt/app_identity.h"

namespace fm::qt {
namespace {

// Sets a flag for as long as it lives, and puts back what it was, also when a handler throws.
class Flag {
 public:
  Flag(bool& flag, bool value) : flag_(flag), before_(std::exchange(flag, value)) {}
  Flag(const Flag&) = delete;
  Flag& operator=(const Flag&) = delete;
  Flag(Flag&&) = delete;
  Flag& operator=(Flag&&) = delete;
  ~Flag() { flag_ = before_; }

 private:
  bool& flag_;
  bool before_;
};

// Frames come as often as the fastest screen shows a new picture.
std::int64_t frameIntervalOfScreens() {
  double hertz = 0;
  for (const QScreen* screen : QGuiApplication::screens()) {
    hertz = std::max(hertz, screen->refreshRate());
  }
  return TickPacer::frameIntervalFor(hertz);
}

}  // namespace

QtHost::QtHost(Program& program, Clock clock)
    : program_(program), clock_(std::move(clock)), pacer_(program) {
  elapsed_.start();
  pacer_.setFrameInterval(frameIntervalOfScreens());
  // The model decides when the program is over (no window left visible, checked after the
  // outermost event); Qt must not quit in the instant between a game unloading itself and
  // the menu coming back.
  QApplication::setQuitOnLastWindowClosed(false);
  QCoreApplication::setQuitLockEnabled(false);
  // Qt's shared pixmap cache, which the style fills with button faces, starts a housekeeping
  // timer that wakes an idle menu 30 s later. The few native widgets here repaint seldom and
  // cheaply without it, and the pictures have their own cache.
  QPixmapCache::setCacheLimit(0);
  // Every window shows the application's icon: its drawing is read once, here.
  if (QGuiApplication::windowIcon().isNull()) QGuiApplication::setWindowIcon(applicationIcon());
  tickTimer_.setTimerType(Qt::PreciseTimer);
  QObject::connect(&tickTimer_, &QTimer::timeout, &tickTimer_, [this] { deliverDueTicks(); });
  program_.setHost(*this);
}

QtHost::~QtHost() {
  tickTimer_.stop();
}

std::int64_t QtHost::clockNow() const {
  return clock_ ? clock_() : elapsed_.elapsed();
}

FormView& QtHost::view(Window& window) {
  auto& view = views_[&window];
  if (!view) view = std::make_unique<FormView>(window, pictures_);
  return *view;
}

void QtHost::refresh() {
  // Runs after every event, a 1 ms tick included: windows with nothing new are skipped.
  for (const auto& window : program_.windows()) {
    if (window->hasChanges()) view(*window).applyChanges();
  }
}

void QtHost::timersChanged() {
  // A batch of ticks arms the platform timer once, when it is over: arming it again after
  // every tick of a 1 ms timer costs more than the tick itself.
  if (!delivering_) armTickTimer();
}

void QtHost::armTickTimer() {
  const auto wake = pacer_.nextFrame();
  if (!wake) {
    // No timer is running: no wake-ups at all.
    tickTimer_.stop();
    return;
  }
  // Armed from absolute times, so the cadence does not drift with handler run times. While
  // every frame has ticks to deliver, the timer simply goes on repeating at its interval:
  // setting it up anew each frame would cost more than the ticks themselves. It is kept only
  // while its next expiry is the wanted wake: an earlier one would bring a frame early, and
  // every frame after it, since each is paced from the last. Repeating at a frame interval
  // longer than a millisecond, it may be a millisecond off, as the clock reads whole
  // milliseconds: its frames still come a whole frame apart.
  const std::int64_t now = clockNow();
  const std::int64_t wait =
      std::clamp<std::int64_t>(*wake - now, 0, std::numeric_limits<int>::max());
  if (tickTimer_.isActive()) {
    const bool onFrameGrid = tickTimer_.interval() == pacer_.frameInterval();
    const std::int64_t slack = onFrameGrid && pacer_.frameInterval() > 1 ? 1 : 0;
    const bool onHostClock = std::abs(tickTimerExpiryAfter(now) - *wake) <= slack;
    // The platform's clock must agree: a test's clock jumps ahead where the platform's does not.
    const bool onPlatformClock = std::abs(tickTimer_.remainingTime() - wait) <= 1;
    if (onHostClock && onPlatformClock) return;
  }
  tickTimer_.start(static_cast<int>(wait));
  armedAt_ = now;
}

std::int64_t QtHost::tickTimerExpiryAfter(std::int64_t now) const {
  const std::int64_t interval = tickTimer_.interval();
  if (interval <= 0 || now < armedAt_ + interval) return armedAt_ + interval;
  return armedAt_ + ((now - armedAt_) / interval + 1) * interval;
}

std::optional<std::int64_t> QtHost::tickTimerDue() const {
  if (!tickTimer_.isActive()) return std::nullopt;
  return tickTimerExpiryAfter(clockNow());
}

void QtHost::deliverTicksUpTo(std::int64_t time, bool frame) {
  {
    const Flag delivering(delivering_, true);
    if (frame) {
      pacer_.frame(time);
    } else {
      pacer_.advanceTo(time);
    }
  }
  if (!delivering_) armTickTimer();
}

void QtHost::deliverDueTicks() {
  // One moment for the whole batch: a handler that runs long cannot make the batch endless.
  deliverTicksUpTo(clockNow(), true);
}

void QtHost::beforeInput() {
  deliverTicksUpTo(clockNow(), false);
}

void QtHost::messageBox(Window& owner, const std::string& text) {
  QPointer<QMessageBox> box = new QMessageBox(&view(owner));
  box->setWindowTitle(applicationTitle());
  box->setIcon(QMessageBox::NoIcon);
  box->setTextFormat(Qt::PlainText);
  box->setText(QString::fromStdString(text));
  box->setStandardButtons(QMessageBox::Ok);
  // Wide enough for the application's title in the box's title bar, however short the text.
  box->setStyleSheet(QStringLiteral("QLabel { min-width: 260px; }"));
  box->setWindowModality(Qt::ApplicationModal);
  // Other timers keep ticking while the box waits; the one whose handler raised it is held
  // back by the model. Inside the box's own loop every change of the timers arms the platform
  // timer at once, also when the box was raised by a tick of a batch.
  const Flag notDelivering(delivering_, false);
  armTickTimer();
  box->exec();
  // Anything may have happened meanwhile: the owner unloaded, other boxes come and gone.
  delete box.data();
}

void QtHost::closeBoxesOf(Window& owner) {
  const auto found = views_.find(&owner);
  if (found == views_.end()) return;
  for (QMessageBox* box : found->second->findChildren<QMessageBox*>(Qt::FindDirectChildrenOnly)) {
    box->done(0);
  }
}

void QtHost::programEnded() {
  tickTimer_.stop();
  // Qt owns and frees the queued call; the analyzer cannot see that.
  // NOLINTNEXTLINE(clang-analyzer-cplusplus.NewDeleteLeaks)
  QMetaObject::invokeMethod(QCoreApplication::instance(), &QCoreApplication::quit,
                            Qt::QueuedConnection);
}

std::uint32_t QtHost::clockSeed() const {
  if (clock_) return static_cast<std::uint32_t>(clock_());
  const auto sinceEpoch = std::chrono::system_clock::now().time_since_epoch();
  return static_cast<std::uint32_t>(
      std::chrono::duration_cast<std::chrono::milliseconds>(sinceEpoch).count());
}

}  // namespace fm::qt
