// A probe linked into the real program's own main (minigames-probed) and into the minimal
// baseline (minigames-bench-minimal), so that both are watched the same way. It stays silent
// unless BENCH_PROBE is set. Then it prints "painted NS" on standard output once the first
// window's first paint is done (NS: CLOCK_MONOTONIC in nanoseconds, which the parent compares
// with the moment it spawned the process); next it opens every game from the menu, if there
// is one, and once every window shown has been painted it prints "windows N" and its peak
// resident memory so far, "peak_kb KB", and quits.

#include <QAbstractButton>
#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <ctime>
#include <set>

namespace {

long long monotonicNs() {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  return static_cast<long long>(now.tv_sec) * 1'000'000'000LL + now.tv_nsec;
}

// The peak resident set of this process since its start (VmHWM), in KiB. The parent cannot
// take it from wait4(): a spawned child's figure starts from its parent's own.
long peakResidentKb() {
  std::FILE* status = std::fopen("/proc/self/status", "r");
  if (status == nullptr) return 0;
  long kb = 0;
  char line[256];
  while (std::fgets(line, sizeof line, status) != nullptr) {
    if (std::sscanf(line, "VmHWM: %ld kB", &kb) == 1) break;
  }
  std::fclose(status);
  return kb;
}

class Probe final : public QObject {
 public:
  Probe() {
    // Fires once the paint event, and the flush of the window that follows it, are done.
    next_.setSingleShot(true);
    connect(&next_, &QTimer::timeout, this, [this] { afterPaint(); });
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::Paint) return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (widget != nullptr && widget->isWindow() && painted_.insert(widget).second) {
      next_.start(0);
    }
    return false;
  }

 private:
  void afterPaint() {
    if (!reported_) {
      reported_ = true;
      std::printf("painted %lld\n", monotonicNs());
      std::fflush(stdout);
      openGames();
    }
    int shown = 0;
    for (QWidget* window : QApplication::topLevelWidgets()) {
      if (!window->isVisible()) continue;
      if (painted_.count(window) == 0) return;
      ++shown;
    }
    std::printf("windows %d\npeak_kb %ld\n", shown, peakResidentKb());
    std::fflush(stdout);
    QCoreApplication::exit(0);
  }

  static void openGames() {
    for (QWidget* window : QApplication::topLevelWidgets()) {
      if (window->objectName() != QLatin1String("Form4")) continue;
      for (const char* button : {"Command1", "Command2", "Command3", "Command4"}) {
        if (auto* found = window->findChild<QAbstractButton*>(QLatin1String(button))) {
          found->click();
        }
      }
    }
  }

  QTimer next_;
  std::set<QWidget*> painted_;
  bool reported_ = false;
};

void installProbe() {
  if (!qEnvironmentVariableIsSet("BENCH_PROBE")) return;
  auto* probe = new Probe;
  probe->setParent(QCoreApplication::instance());  // freed with the application
  QCoreApplication::instance()->installEventFilter(probe);
}

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(installProbe)
