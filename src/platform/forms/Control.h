#pragma once
// Control: the base of every control on a form (label, text box, drop-down list, button,
// line, picture).
//
// A control is a member of its screen class and registers itself with its form when it is
// constructed; it is neither copyable nor movable, since the form and the application keep its
// address. Controls live as long as their form (the whole run).
//
// Events. A screen wires each event to its own handler method named after control and event:
//   cmdSave.onClick = [this] { frmVaporMulti_cmdSave_Click(); };
// The forms layer copies a handler before calling it, so a handler may replace handlers,
// show or hide forms, move the focus or open message boxes while it runs.
//   GotFocus / LostFocus  the control gets / loses the keyboard focus
//   Validate(Cancel)      the focus is about to leave the control for another control on the
//                         same form; Cancel = true keeps the focus here and abandons the action
//                         that moved it (a click does not happen)
//   KeyDown(KeyCode, Shift) a key goes down while the control has the focus (see KeyCodes.h)
//   Change                the text of a text box or drop-down list changed (typed or set by the
//                         program; not by choosing a list entry, not by emptying the list)
//   Click                 a button was pressed (mouse, Enter/Space on it, Esc for the form's
//                         cancel button), a list entry was chosen, a label or picture clicked
//
// Focus order of events when the focus moves from A to B on one form:
//   A.Validate(Cancel)  on Cancel: stop, A keeps the focus
//   A.LostFocus         no control has the focus while it runs
//   B.GotFocus          B has the focus
// When the focus moves to another form (a form shown or activated) there is no Validate.

#include <functional>
#include <optional>
#include <string>
#include <utility>

#include "platform/forms/Appearance.h"

namespace tess::forms {

class Application;
class Form;

enum class ControlKind { Label, TextBox, ComboBox, Button, Line, Picture };

//! What changed on a control; passed to the Renderer so the binding updates only that.
enum class ControlProperty {
  Text,        //!< text of a text box or drop-down list
  Selection,   //!< selection start and length
  Caption,     //!< caption of a label or button
  Items,       //!< the list of a drop-down list
  Geometry,    //!< position and size
  Appearance,  //!< colours, font, tool tip, alignment, border, multi-line, word wrap, locked
  Visible,
  Enabled,
  Drawing,     //!< the points of a line, the shapes of a picture
};

class Control {
 public:
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;
  virtual ~Control();

  Form& form() const { return *m_form; }
  Application& app() const;
  ControlKind kind() const { return m_kind; }
  //! The name of the control, such as "VapBkConc"; for a member of a control array the array's name.
  const std::string& name() const { return m_name; }
  //! Index within a control array (1 to 5 on the screens); 0 for a control that is no array member.
  int index() const { return m_index; }
  //! The name with its index, such as "VapBkConc(2)", or the bare name; for messages and logs.
  std::string displayName() const;

  // Appearance. Every setter notifies the form's renderer.
  void setGeometry(Rect rect);
  Rect geometry() const { return m_geometry; }
  //! No colour (the default) means the platform's standard colour of the control kind.
  void setBackColor(std::optional<Color> color);
  std::optional<Color> backColor() const { return m_backColor; }
  //! No font of its own (the default) means the form's font.
  void setFont(std::optional<Font> font);
  Font font() const;  //!< the effective font
  void setToolTip(std::string text);
  const std::string& toolTip() const { return m_toolTip; }

  //! Hiding or disabling the control that has the focus takes the focus away (LostFocus fires).
  void setVisible(bool visible);
  bool visible() const { return m_visible; }
  void setEnabled(bool enabled);
  bool enabled() const { return m_enabled; }

  // Focus.
  //! Position in the form's tab order; by default controls follow their construction order.
  void setTabIndex(int tabIndex);
  int tabIndex() const { return m_tabIndex; }
  //! false: Tab and Shift+Tab skip the control; it can still be clicked or get the focus from code.
  void setTabStop(bool tabStop);
  bool tabStop() const { return m_tabStop; }
  //! Text boxes, drop-down lists and buttons that are visible and enabled can hold the focus.
  bool canFocus() const;
  bool isFocusKind() const;
  //! The program moves the focus here, with the same events as a user's move (Validate first; a
  //! Cancel refuses the move). On a form that is visible but not active, the form becomes active
  //! (no Validate). On a hidden form the control becomes the form's active control and gets the
  //! focus (GotFocus) when the form is next shown. Returns whether the focus moved here. Does
  //! nothing after the program has ended.
  bool setFocus();
  bool hasFocus() const;

  // Event handlers (see the top of this file).
  std::function<void()> onGotFocus;
  std::function<void()> onLostFocus;
  std::function<void(bool& Cancel)> onValidate;
  std::function<void(int KeyCode, int Shift)> onKeyDown;
  std::function<void()> onChange;
  std::function<void()> onClick;

 protected:
  //! index: member of a control array (1 and up), 0 for a single control.
  Control(Form& form, ControlKind kind, std::string name, int index);
  //! Tells the renderer that a property changed.
  void notify(ControlProperty property);
  //! Stores a property's new value and tells the renderer.
  template <class T>
  void store(T& member, T value, ControlProperty property) {
    member = std::move(value);
    notify(property);
  }

 private:
  friend class Application;
  friend class Form;
  Form* m_form;
  ControlKind m_kind;
  std::string m_name;
  int m_index = 0;
  int m_order = 0;  // construction order on the form, breaks ties of equal tab indexes
  Rect m_geometry;
  std::optional<Color> m_backColor;
  std::optional<Font> m_font;
  std::string m_toolTip;
  bool m_visible = true;
  bool m_enabled = true;
  int m_tabIndex = 0;
  bool m_tabStop = true;
};

}  // namespace tess::forms
