#pragma once
// Form: a window of the program. Screen classes derive from it publicly and hold their
// controls as members:
//
//   class UseOneM : public forms::Form {
//    public:
//     explicit UseOneM(forms::Application& app) : Form(app, "UseOneM") { ...set up, wire handlers }
//     forms::TextBox Temperature{*this, "Temperature"};
//   };
//
// A form is never destroyed before the program ends; hiding it keeps every text.
//
// Lifecycle and events:
//   load      onLoad runs once, on the first show() or the first ensureLoaded() (a screen calls
//             ensureLoaded() at the top of each public procedure that other screens call). The
//             form counts as loaded before onLoad runs, so onLoad may call show() itself. Just
//             before onLoad, DataChanged is cleared on every text box and list of the form, so
//             texts set in the screen's constructor count as unchanged.
//   show()    loads if needed, makes the form visible and the active form: the control that had
//             the focus on the previously active form gets LostFocus, then this form's active
//             control (the one that last had the focus here, else the first control in tab order
//             that can take the focus) gets GotFocus. No Validate across forms.
//   hide()    makes the form invisible; if it was the active form, its focused control gets
//             LostFocus and the most recently active form that is still visible (if any) becomes
//             active again (its active control gets GotFocus).
//   showModal() as show(), then waits in the application's modal loop until the form is hidden
//             (or the program ended) and returns then. While it is open, user actions reach only
//             this form.

#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/forms/Appearance.h"

namespace tess::forms {

class Application;
class Button;
class Control;

class Form {
 public:
  Form(Application& app, std::string name);
  Form(const Form&) = delete;
  Form& operator=(const Form&) = delete;
  virtual ~Form();

  Application& app() const { return *m_app; }
  const std::string& name() const { return m_name; }

  // Appearance (each setter notifies the renderer).
  void setCaption(std::string caption);
  const std::string& caption() const { return m_caption; }
  //! Size of the client area (inside the frame) [twips].
  void setClientSize(int widthTwips, int heightTwips);
  int clientWidth() const { return m_clientWidth; }
  int clientHeight() const { return m_clientHeight; }
  //! Where the window opens: centred on the screen (the default), or at a position [twips].
  void setPosition(int leftTwips, int topTwips);
  void setCentered();
  std::optional<std::pair<int, int>> position() const { return m_position; }
  //! No colour (the default) means the platform's standard window colour.
  void setBackColor(std::optional<Color> color);
  std::optional<Color> backColor() const { return m_backColor; }
  //! The font of every control that has none of its own.
  void setFont(Font font);
  const Font& font() const { return m_font; }

  //! The button that Esc presses; nullptr for none.
  void setCancelButton(Button* button) { m_cancelButton = button; }
  //! What the window's close box does (Application::closeWindow); by default nothing. The form
  //! is never destroyed by it.
  void setCloseHook(std::function<void()> hook) { m_closeHook = std::move(hook); }

  //! Runs when the form is loaded (see above).
  std::function<void()> onLoad;
  bool loaded() const { return m_loaded; }
  //! Loads the form if it has not been loaded: runs onLoad once.
  void ensureLoaded();

  //! Modeless show. Does nothing after the program has ended.
  void show();
  //! Modal show: returns when the form hides (or the program ended).
  void showModal();
  void hide();
  bool visible() const { return m_visible; }
  //! Whether the form is shown modally now.
  bool modal() const { return m_modal; }
  //! Whether this form is the application's active form.
  bool active() const;

  //! All controls, in construction order (the order in which they are drawn: later on top).
  const std::vector<Control*>& controls() const { return m_controls; }
  //! The controls that can hold the focus by kind (text boxes, lists, buttons), ordered by tab
  //! index (ties in construction order), whatever their visibility and tab stop.
  std::vector<Control*> tabOrder() const;
  //! The first control of the tab order that can take the focus now (tab stop set), or nullptr.
  Control* firstFocusable() const;

 private:
  friend class Application;
  friend class Control;
  void addControl(Control* control);
  void removeControl(Control* control);
  void notifyChanged();

  Application* m_app;
  std::string m_name;
  std::string m_caption;
  int m_clientWidth = 0;
  int m_clientHeight = 0;
  std::optional<std::pair<int, int>> m_position;
  std::optional<Color> m_backColor;
  Font m_font;
  Button* m_cancelButton = nullptr;
  std::function<void()> m_closeHook;
  bool m_loaded = false;
  bool m_visible = false;
  bool m_modal = false;
  Control* m_activeControl = nullptr;
  std::vector<Control*> m_controls;
  int m_nextOrder = 0;
};

}  // namespace tess::forms
