// What the renderer is told, in order, so that a binding can mirror the forms.
#include "TestForm.h"

#include "platform/forms/Services.h"

namespace forms::testing {
namespace {

class RecordingRenderer : public Renderer {
 public:
  Log events;
  void formShown(Form& f) override { events.push_back("shown " + f.name()); }
  void formHidden(Form& f) override { events.push_back("hidden " + f.name()); }
  void formActivated(Form& f) override { events.push_back("activated " + f.name()); }
  void formChanged(Form& f) override { events.push_back("changed " + f.name()); }
  void controlChanged(Control& c, ControlProperty p) override {
    events.push_back("control " + c.displayName() + " " + std::to_string(static_cast<int>(p)));
  }
  void focusChanged(Control* c) override { events.push_back("focus " + (c ? c->displayName() : std::string("none"))); }
  void programEnded() override { events.push_back("ended"); }
};

TEST(RendererTest, SeesShowsFocusTextsAndTheEnd) {
  ScriptedApplication app;
  Log log;
  TestForm form{app, "Main", log};
  RecordingRenderer renderer;
  app.setRenderer(&renderer);
  form.setCaption("Organic Vapor Data");
  form.show();
  form.A.setText("12");
  app.tab();
  form.hide();
  app.endProgram();
  const auto text = std::to_string(static_cast<int>(ControlProperty::Text));
  EXPECT_EQ(renderer.events, (Log{"changed Main", "shown Main", "activated Main", "focus A", "control A " + text,
                                  "focus none", "focus B", "hidden Main", "focus none", "ended"}));
}

}  // namespace
}  // namespace forms::testing
