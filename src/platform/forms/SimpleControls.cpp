// Constructors and setters of the controls that hold only appearance.
#include "platform/forms/Button.h"
#include "platform/forms/Label.h"
#include "platform/forms/Line.h"
#include "platform/forms/Picture.h"
#include "platform/forms/TextBox.h"

namespace tess::forms {

TextBox::TextBox(Form& form, std::string name, int index)
    : TextControl(form, ControlKind::TextBox, std::move(name), index) {}

void TextBox::setMultiLine(bool multiLine) { store(m_multiLine, multiLine, ControlProperty::Appearance); }

void TextBox::setBorder(bool border) { store(m_border, border, ControlProperty::Appearance); }

void TextBox::setAlignment(Align alignment) { store(m_alignment, alignment, ControlProperty::Appearance); }

void TextBox::setLocked(bool locked) { store(m_locked, locked, ControlProperty::Appearance); }

Label::Label(Form& form, std::string name, int index)
    : Control(form, ControlKind::Label, std::move(name), index) {}

void Label::setCaption(std::string caption) {
  if (caption != m_caption) store(m_caption, std::move(caption), ControlProperty::Caption);
}

void Label::setAlignment(Align alignment) { store(m_alignment, alignment, ControlProperty::Appearance); }

void Label::setWordWrap(bool wordWrap) { store(m_wordWrap, wordWrap, ControlProperty::Appearance); }

void Label::setBorder(bool border) { store(m_border, border, ControlProperty::Appearance); }

Button::Button(Form& form, std::string name, int index)
    : Control(form, ControlKind::Button, std::move(name), index) {}

void Button::setCaption(std::string caption) {
  if (caption != m_caption) store(m_caption, std::move(caption), ControlProperty::Caption);
}

Line::Line(Form& form, std::string name, int index)
    : Control(form, ControlKind::Line, std::move(name), index) {}

void Line::setPoints(int x1, int y1, int x2, int y2) {
  m_x1 = x1;
  m_y1 = y1;
  m_x2 = x2;
  m_y2 = y2;
  notify(ControlProperty::Drawing);
}

void Line::setLineWidth(int width) { store(m_lineWidth, width, ControlProperty::Drawing); }

Picture::Picture(Form& form, std::string name, int index)
    : Control(form, ControlKind::Picture, std::move(name), index) {}

void Picture::setShapes(std::vector<Shape> shapes) {
  store(m_shapes, std::move(shapes), ControlProperty::Drawing);
}

void Picture::addShape(Shape shape) {
  m_shapes.push_back(std::move(shape));
  notify(ControlProperty::Drawing);
}

void Picture::setBorder(bool border) { store(m_border, border, ControlProperty::Appearance); }

}  // namespace tess::forms
