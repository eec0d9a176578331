// minigames-shot: plays a minigames-sim scenario and saves what the player would see, for
// looking at the windows without a display. Every minigames-sim command works as it does
// there; three more save pictures:
//
//   shot FORM FILE.png              the window's client area as it is on screen now
//   boxshot FILE.png                the next message box, over the window that raises it
//   drawing FILE.svg OUT.png W H [SCALE] [text=T] [fill=C] [ink=C] [turned]
//                                   one SVG drawing from disk, rendered as the program does
#include <QApplication>
#include <QFile>
#include <QMessageBox>
#include <QPainter>
#include <iostream>
#include <optional>
#include <string>

#include "app/collection.h"
#include "app/headless/headless_host.h"
#include "app/model/picture_svg.h"
#include "app/model/program.h"
#include "app/qt/app_identity.h"
#include "app/qt/form_view.h"
#include "app/qt/picture_cache.h"
#include "tools/sim/command_line.h"
#include "tools/sim/runner.h"

namespace {

QString toQString(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QImage windowImage(fm::Window& window, fm::qt::PictureCache& pictures) {
  fm::qt::FormView view(window, pictures);
  return view.grab().toImage();
}

// The box centred over its window, as a player sees it.
QImage boxOver(QImage window, const std::string& text) {
  QMessageBox box;
  box.setWindowTitle(fm::qt::applicationTitle());
  box.setIcon(QMessageBox::NoIcon);
  box.setTextFormat(Qt::PlainText);
  box.setText(QString::fromStdString(text));
  box.setStandardButtons(QMessageBox::Ok);
  box.adjustSize();
  const QImage shown = box.grab().toImage();
  QPainter painter(&window);
  const QPoint at((window.width() - shown.width()) / 2, (window.height() - shown.height()) / 2);
  painter.fillRect(QRect(at, shown.size()).adjusted(-2, -2, 2, 2), Qt::darkGray);
  painter.drawImage(at, shown);
  return window;
}

bool saveDrawing(const fm::sim::CommandLine& line) {
  const auto& args = line.arguments;
  if (args.size() < 4) return false;
  QFile file(toQString(args[0]));
  if (!file.open(QIODevice::ReadOnly)) return false;
  std::string text;
  std::string fill;
  std::string ink;
  fm::PictureAsset asset{.name = "drawing",
                         .widthPx = std::stoi(std::string(args[2])),
                         .heightPx = std::stoi(std::string(args[3]))};
  double scale = 1;
  for (std::size_t i = 4; i < args.size(); ++i) {
    const std::string arg(args[i]);
    if (arg.starts_with("text=")) {
      text = arg.substr(5);
    } else if (arg.starts_with("fill=")) {
      fill = arg.substr(5);
    } else if (arg.starts_with("ink=")) {
      ink = arg.substr(4);
    } else if (arg == "turned") {
      asset.turned = true;
    } else {
      scale = std::stod(arg);
    }
  }
  asset.text = text;
  asset.fill = fill;
  asset.ink = ink;
  const std::string svg = fm::pictureSvg(file.readAll().toStdString(), asset);
  const QPixmap pixmap = fm::qt::renderSvg(QByteArray::fromStdString(svg),
                                           QSize(asset.widthPx, asset.heightPx), scale);
  return !pixmap.isNull() && pixmap.save(toQString(args[1]));
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  fm::Program program;
  fm::addCollection(program);
  fm::HeadlessHost host(program);
  fm::sim::Runner runner(program, host, std::cout);
  fm::qt::PictureCache pictures;

  std::optional<QString> pendingBoxShot;
  host.onMessageBox([&](fm::Window& owner, const std::string& text) {
    std::cout << "msgbox " << text << std::endl;
    if (pendingBoxShot) {
      boxOver(windowImage(owner, pictures), text).save(*pendingBoxShot);
      pendingBoxShot.reset();
    }
  });
  program.start(fm::firstWindow(program));

  int status = 0;
  std::string text;
  while (std::getline(std::cin, text)) {
    const auto line = fm::sim::splitCommandLine(text);
    const std::string_view command = line ? line->command : std::string_view{};
    bool saved = true;
    if (command == "shot" && line->arguments.size() == 2) {
      fm::Window* window = program.find(line->arguments[0]);
      saved =
          window != nullptr && windowImage(*window, pictures).save(toQString(line->arguments[1]));
    } else if (command == "boxshot" && line->arguments.size() == 1) {
      pendingBoxShot = toQString(line->arguments[0]);
    } else if (command == "drawing") {
      saved = saveDrawing(*line);
    } else {
      if (!runner.execute(text)) status = 1;
      continue;
    }
    if (!saved) {
      std::cout << "error: cannot save: " << text << std::endl;
      status = 1;
    }
  }
  return status;
}
