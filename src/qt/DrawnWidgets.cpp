#include "qt/DrawnWidgets.h"

#include <QPainter>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <qdrawutil.h>

#include "qt/Conversions.h"

namespace tess::qt {

namespace {

QRectF shapeRect(const forms::Rect& rect) { return QRectF(pixelRect(rect)); }

}  // namespace

void WrappingButton::setFillColor(std::optional<QColor> color) {
  m_fill = color;
  update();
}

void WrappingButton::paintEvent(QPaintEvent*) {
  QStylePainter painter(this);
  QStyleOptionButton option;
  initStyleOption(&option);
  const QString caption = QString(option.text).replace(QStringLiteral("&&"), QStringLiteral("&"));
  option.text.clear();
  if (m_fill) {
    const QBrush fill(isEnabled() ? *m_fill : m_fill->lighter(115));
    qDrawWinButton(&painter, rect(), palette(), isDown(), &fill);
  } else {
    painter.drawControl(QStyle::CE_PushButtonBevel, option);
  }
  const QRect textArea = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this).adjusted(1, 0, -1, 0);
  painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
  const QRect shifted = (m_fill && isDown()) ? textArea.translated(1, 1) : textArea;
  painter.drawText(shifted, Qt::AlignCenter | Qt::TextWordWrap, caption);
  if (hasFocus()) {
    // A dotted frame inside the button shows the focus whatever moved it there (the style draws
    // its own only after keyboard navigation).
    painter.setPen(QPen(palette().color(QPalette::ButtonText), 1, Qt::DotLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect().adjusted(4, 4, -5, -5));
  }
}

LineWidget::LineWidget(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setFocusPolicy(Qt::NoFocus);
}

void LineWidget::setLine(QPointF from, QPointF to, int width) {
  m_from = from;
  m_to = to;
  m_width = width;
  update();
}

void LineWidget::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setPen(QPen(Qt::black, m_width, Qt::SolidLine, Qt::FlatCap));
  painter.drawLine(m_from, m_to);
}

PictureWidget::PictureWidget(QWidget* parent) : QWidget(parent) { setFocusPolicy(Qt::NoFocus); }

void PictureWidget::setDrawing(std::vector<forms::Shape> shapes, bool border) {
  m_shapes = std::move(shapes);
  m_border = border;
  update();
}

void PictureWidget::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  for (const forms::Shape& shape : m_shapes) {
    const QRectF rect = shapeRect(shape.bounds);
    const QPen pen = shape.outline ? QPen(toQColor(*shape.outline), shape.lineWidth) : QPen(Qt::NoPen);
    const QBrush brush = shape.fill ? QBrush(toQColor(*shape.fill)) : QBrush(Qt::NoBrush);
    painter.setPen(pen);
    painter.setBrush(brush);
    switch (shape.kind) {
      case forms::Shape::Kind::Rectangle:
        painter.drawRect(rect);
        break;
      case forms::Shape::Kind::Ellipse:
        painter.drawEllipse(rect);
        break;
      case forms::Shape::Kind::Line:
        painter.drawLine(QPointF(pixels(shape.bounds.left), pixels(shape.bounds.top)),
                         QPointF(pixels(shape.bounds.left + shape.bounds.width),
                                 pixels(shape.bounds.top + shape.bounds.height)));
        break;
      case forms::Shape::Kind::Text:
        painter.setFont(toQFont(shape.font));
        painter.setPen(shape.outline ? toQColor(*shape.outline) : QColor(Qt::black));
        painter.drawText(rect, toQtAlignment(shape.align) | Qt::AlignVCenter | Qt::TextWordWrap,
                         toQString(shape.text));
        break;
    }
  }
  if (m_border) {
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(palette().color(QPalette::Dark), 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
  }
}

}  // namespace tess::qt
