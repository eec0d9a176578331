// The start-up and memory baseline: a minimal Qt Widgets program that opens one window of the
// menu's size. With --text, the window also shows one line of Japanese text in the gothic face
// the collection uses, so that what the font system costs before a first paint is measured too.

#include <QApplication>
#include <QFont>
#include <QLabel>
#include <QWidget>
#include <memory>

#include "app/model/program_title.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  QWidget window;
  window.resize(349, 276);
  std::unique_ptr<QLabel> text;
  if (argc > 1 && QLatin1String(argv[1]) == QLatin1String("--text")) {
    const auto title = QString::fromUtf8(fm::kProgramTitle.data(),
                                         static_cast<qsizetype>(fm::kProgramTitle.size()));
    text = std::make_unique<QLabel>(title, &window);
    text->setFont(QFont(QStringLiteral("IPAPGothic"), 9));
    text->move(16, 16);
  }
  window.show();
  return QApplication::exec();
}
