// The start-up and memory baseline: a minimal Qt Widgets program that opens one window of the
// menu's size.

#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  QWidget window;
  window.resize(349, 276);
  window.show();
  return QApplication::exec();
}
