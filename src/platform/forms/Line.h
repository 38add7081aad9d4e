#pragma once
// Line: a straight line on the form, drawn in black.

#include "platform/forms/Control.h"

namespace tess::forms {

class Line : public Control {
 public:
  Line(Form& form, std::string name, int index = 0);

  //! End points in twips, relative to the form's client area.
  void setPoints(int x1, int y1, int x2, int y2);
  int x1() const { return m_x1; }
  int y1() const { return m_y1; }
  int x2() const { return m_x2; }
  int y2() const { return m_y2; }
  //! Width of the line [pixels].
  void setLineWidth(int width);
  int lineWidth() const { return m_lineWidth; }

 private:
  int m_x1 = 0, m_y1 = 0, m_x2 = 0, m_y2 = 0;  // [twips]
  int m_lineWidth = 1;
};

}  // namespace tess::forms
