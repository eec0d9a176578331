#include "app/qt/form_painter.h"

#include <QPen>
#include <QString>

#include "app/qt/gothic_font.h"
#include "app/qt/screen_units.h"

namespace fm::qt {
namespace {

bool isPainted(const Widget& widget) {
  return widget.kind() == WidgetKind::Label || widget.kind() == WidgetKind::Image ||
         widget.kind() == WidgetKind::Line;
}

Qt::Alignment labelAlignment(int alignment) {
  switch (alignment) {
    case 1:
      return Qt::AlignRight;
    case 2:
      return Qt::AlignHCenter;
    default:
      return Qt::AlignLeft;
  }
}

void paintLabel(QPainter& painter, LabelTexts& texts, const Widget& label) {
  const QRectF box = paintedRect(label);
  painter.save();
  // Text that does not fit is cut off at the label's edges.
  painter.setClipRect(box, Qt::IntersectClip);
  if (label.backStyle() != 0) painter.fillRect(box, toQColor(label.backColor()));
  if (!label.caption().empty()) {
    painter.setFont(gothicFont(label.fontSize()));
    painter.setPen(toQColor(label.foreColor()));
    painter.drawStaticText(box.topLeft(), texts.laidOut(label, box.width()));
  }
  painter.restore();
}

void paintPicture(QPainter& painter, PictureCache& pictures, const Picture& picture,
                  QPointF topLeft) {
  if (picture.empty()) return;
  const QPixmap& pixmap = pictures.pixmap(*picture.asset(), painter.device()->devicePixelRatioF());
  if (!pixmap.isNull()) painter.drawPixmap(topLeft, pixmap);
}

void paintLine(QPainter& painter, const Widget& line) {
  QPen pen(toQColor(line.borderColor()));
  pen.setWidth(1);
  pen.setCosmetic(true);
  painter.setPen(pen);
  painter.drawLine(lineInPixels(line));
}

}  // namespace

const QStaticText& LabelTexts::laidOut(const Widget& label, qreal width) {
  Laid& laid = laid_[&label];
  if (laid.text.text().isEmpty() || laid.caption != label.caption() ||
      laid.points != label.fontSize() || laid.alignment != label.alignment() ||
      laid.width != width) {
    laid.caption = label.caption();
    laid.points = label.fontSize();
    laid.alignment = label.alignment();
    laid.width = width;
    laid.text = QStaticText(QString::fromStdString(laid.caption));
    laid.text.setTextFormat(Qt::PlainText);
    laid.text.setTextWidth(width);
    laid.text.setTextOption(QTextOption(labelAlignment(laid.alignment)));
    laid.text.prepare(QTransform(), gothicFont(laid.points));
  }
  return laid.text;
}

QRectF paintedExtent(const Widget& widget) {
  if (!isPainted(widget)) return {};
  QRectF area = paintedRect(widget);
  if (widget.kind() == WidgetKind::Line) {
    area = QRectF(lineInPixels(widget).p1(), lineInPixels(widget).p2()).normalized();
  } else if (widget.kind() == WidgetKind::Image && !widget.picture().empty()) {
    // A picture is drawn at its natural size even if a handler changed the Image's size.
    const PictureAsset& asset = *widget.picture().asset();
    area.setWidth(qMax(area.width(), qreal{1.0} * asset.widthPx));
    area.setHeight(qMax(area.height(), qreal{1.0} * asset.heightPx));
  }
  return area;
}

QRect paintedArea(const Widget& widget) {
  if (!isPainted(widget)) return {};
  return paintedExtent(widget).toAlignedRect().adjusted(-1, -1, 1, 1);
}

void paintForm(QPainter& painter, const Window& window, PictureCache& pictures, LabelTexts& texts,
               const QRect& exposed) {
  painter.fillRect(exposed, toQColor(window.backColor()));
  paintPicture(painter, pictures, window.picture(), QPointF(0, 0));
  const auto& widgets = window.widgets();
  for (auto it = widgets.rbegin(); it != widgets.rend(); ++it) {
    const Widget& widget = **it;
    if (!widget.visible() || !isPainted(widget)) continue;
    if (!paintedArea(widget).intersects(exposed)) continue;
    switch (widget.kind()) {
      case WidgetKind::Label:
        paintLabel(painter, texts, widget);
        break;
      case WidgetKind::Image:
        paintPicture(painter, pictures, widget.picture(), paintedRect(widget).topLeft());
        break;
      case WidgetKind::Line:
        paintLine(painter, widget);
        break;
      default:
        break;
    }
  }
}

Widget* imageAt(const Window& window, QPointF position) {
  return window.imageAt(position.x() * kTwipsPerPixel, position.y() * kTwipsPerPixel);
}

}  // namespace fm::qt
