#pragma once
// Picture: a picture box or image that shows a drawing made of simple shapes.
// Events: Click. It never takes the focus. Controls are drawn in construction order, so a
// picture constructed before the other controls of its form lies beneath them (a background).

#include <optional>
#include <string>
#include <vector>

#include "platform/forms/Control.h"

namespace tess::forms {

//! One shape of a picture's drawing, in twips relative to the picture's top left corner.
struct Shape {
  enum class Kind {
    Rectangle,  //!< bounds, filled with fill, outlined with outline
    Ellipse,    //!< inscribed in bounds, filled with fill, outlined with outline
    Line,       //!< from (left, top) to (left + width, top + height) in outline
    Text,       //!< text in bounds with font, alignment and outline as the text colour
  };
  Kind kind = Kind::Rectangle;
  Rect bounds;
  std::optional<Color> fill;     //!< none: not filled
  std::optional<Color> outline;  //!< none: no outline
  int lineWidth = 1;             //!< [pixels]
  std::string text;
  Font font;
  Align align = Align::Center;
};

class Picture : public Control {
 public:
  Picture(Form& form, std::string name, int index = 0);

  void setShapes(std::vector<Shape> shapes);
  void addShape(Shape shape);
  const std::vector<Shape>& shapes() const { return m_shapes; }
  //! A border around the picture (false by default).
  void setBorder(bool border);
  bool border() const { return m_border; }

 private:
  std::vector<Shape> m_shapes;
  bool m_border = false;
};

}  // namespace tess::forms
