#pragma once
// Widgets that the binding draws itself: a push button whose caption wraps, a line, and a
// picture made of the forms layer's shapes.

#include <QPushButton>
#include <QWidget>

#include <optional>
#include <vector>

#include "platform/forms/Appearance.h"
#include "platform/forms/Picture.h"

namespace tess::qt {

//! A push button whose caption wraps at its width, centred, with blanks kept. A button with a
//! colour of its own is filled with exactly that colour (the style would lighten it).
class WrappingButton : public QPushButton {
 public:
  using QPushButton::QPushButton;
  void setFillColor(std::optional<QColor> color);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  std::optional<QColor> m_fill;
};

//! A straight black line from one point to another, in coordinates of the widget itself [pixels].
class LineWidget : public QWidget {
 public:
  explicit LineWidget(QWidget* parent);
  //! The end points [pixels] and the line's width [pixels].
  void setLine(QPointF from, QPointF to, int width);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QPointF m_from;
  QPointF m_to;
  int m_width = 1;  // [pixels]
};

//! A picture box drawn from shapes given in twips relative to its top left corner.
class PictureWidget : public QWidget {
 public:
  explicit PictureWidget(QWidget* parent);
  void setDrawing(std::vector<forms::Shape> shapes, bool border);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  std::vector<forms::Shape> m_shapes;
  bool m_border = false;
};

}  // namespace tess::qt
