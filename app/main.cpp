#include <QApplication>

#include "app/collection.h"
#include "app/model/program.h"
#include "app/qt/app_identity.h"
#include "app/qt/platform_setup.h"
#include "app/qt/qt_host.h"

int main(int argc, char* argv[]) {
  fm::qt::preparePlatform();
  QApplication application(argc, argv);
  // Only the name: a display name of its own would be appended to every window's caption.
  QApplication::setApplicationName(fm::qt::applicationTitle());
  // Lets the desktop match the windows with the installed desktop entry and its icon.
  QGuiApplication::setDesktopFileName(QStringLiteral("io.github.sorune.minigames"));

  fm::Program program;
  fm::addCollection(program);
  fm::qt::QtHost host(program);
  program.start(fm::firstWindow(program));
  return QApplication::exec();
}
