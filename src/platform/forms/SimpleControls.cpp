// Constructors and setters of the controls that hold only appearance.
#include "platform/forms/Button.h"
#include "platform/forms/Label.h"
#include "platform/forms/Line.h"
#include "platform/forms/Picture.h"
#include "platform/forms/TextBox.h"

namespace forms {

TextBox::TextBox(Form& form, std::string name, int index)
    : TextControl(form, ControlKind::TextBox, std::move(name), index) {}

void TextBox::setMultiLine(bool multiLine) {
  m_multiLine = multiLine;
  notify(ControlProperty::Appearance);
}

void TextBox::setBorder(bool border) {
  m_border = border;
  notify(ControlProperty::Appearance);
}

void TextBox::setAlignment(Align alignment) {
  m_alignment = alignment;
  notify(ControlProperty::Appearance);
}

void TextBox::setLocked(bool locked) {
  m_locked = locked;
  notify(ControlProperty::Appearance);
}

Label::Label(Form& form, std::string name, int index) : Control(form, ControlKind::Label, std::move(name), index) {}

void Label::setCaption(std::string caption) {
  if (caption == m_caption) return;
  m_caption = std::move(caption);
  notify(ControlProperty::Caption);
}

void Label::setAlignment(Align alignment) {
  m_alignment = alignment;
  notify(ControlProperty::Appearance);
}

void Label::setWordWrap(bool wordWrap) {
  m_wordWrap = wordWrap;
  notify(ControlProperty::Appearance);
}

void Label::setBorder(bool border) {
  m_border = border;
  notify(ControlProperty::Appearance);
}

Button::Button(Form& form, std::string name, int index)
    : Control(form, ControlKind::Button, std::move(name), index) {}

void Button::setCaption(std::string caption) {
  if (caption == m_caption) return;
  m_caption = std::move(caption);
  notify(ControlProperty::Caption);
}

Line::Line(Form& form, std::string name, int index) : Control(form, ControlKind::Line, std::move(name), index) {}

void Line::setPoints(int x1, int y1, int x2, int y2) {
  m_x1 = x1;
  m_y1 = y1;
  m_x2 = x2;
  m_y2 = y2;
  notify(ControlProperty::Drawing);
}

void Line::setLineWidth(int width) {
  m_lineWidth = width;
  notify(ControlProperty::Drawing);
}

Picture::Picture(Form& form, std::string name, int index)
    : Control(form, ControlKind::Picture, std::move(name), index) {}

void Picture::setShapes(std::vector<Shape> shapes) {
  m_shapes = std::move(shapes);
  notify(ControlProperty::Drawing);
}

void Picture::addShape(Shape shape) {
  m_shapes.push_back(std::move(shape));
  notify(ControlProperty::Drawing);
}

void Picture::setBorder(bool border) {
  m_border = border;
  notify(ControlProperty::Appearance);
}

}  // namespace forms
