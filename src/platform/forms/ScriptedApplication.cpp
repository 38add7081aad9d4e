#include "platform/forms/ScriptedApplication.h"

#include <cstdio>
#include <cstdlib>

#include "platform/forms/Form.h"

namespace tess::forms {

namespace {
std::string quoted(const std::string& text) { return "\"" + text + "\""; }
}  // namespace

class ScriptedApplication::ScriptServices : public MessageBoxService,
                                            public PrinterService,
                                            public ModalLoop,
                                            public ProgramEnd {
 public:
  explicit ScriptServices(ScriptedApplication& app) : m_app(app) {}
  MsgAnswer show(const MessageRequest& request) override { return m_app.answer(request); }
  PrintResult printForm(Form& form) override {
    m_app.m_printed.push_back(form.name());
    return m_app.m_printResult;
  }
  void run(Form& form) override { m_app.runModal(form); }
  void end() override { ++m_app.m_endCount; }

 private:
  ScriptedApplication& m_app;
};

ScriptedApplication::ScriptedApplication() : m_scriptServices(std::make_unique<ScriptServices>(*this)) {
  setServices(Services{m_scriptServices.get(), m_scriptServices.get(), m_scriptServices.get(),
                       m_scriptServices.get()});
}

ScriptedApplication::~ScriptedApplication() = default;

void ScriptedApplication::expectMessage(MsgAnswer answer) { m_expected.push_back({std::nullopt, std::nullopt, answer}); }

void ScriptedApplication::expectMessage(std::string text, MsgAnswer answer) {
  m_expected.push_back({std::move(text), std::nullopt, answer});
}

void ScriptedApplication::expectMessage(std::string text, std::string title, MsgAnswer answer) {
  m_expected.push_back({std::move(text), std::move(title), answer});
}

void ScriptedApplication::scriptModal(std::function<void()> action) {
  m_modalActions.push_back({std::nullopt, std::move(action)});
}

void ScriptedApplication::scriptModal(std::string formName, std::function<void()> action) {
  m_modalActions.push_back({std::move(formName), std::move(action)});
}

void ScriptedApplication::fail(const std::string& what) {
  if (m_onFailure) {
    m_onFailure(what);
    return;
  }
  std::fprintf(stderr, "ScriptedApplication: %s\n", what.c_str());
  std::abort();
}

MsgAnswer ScriptedApplication::answer(const MessageRequest& request) {
  m_messages.push_back(request);
  if (m_watch) m_watch(request);
  if (m_expected.empty()) {
    fail("unexpected message box " + quoted(request.text) + " titled " + quoted(request.title));
    return request.defaultButton;
  }
  const Expected expected = m_expected.front();
  m_expected.pop_front();
  if (expected.text && *expected.text != request.text)
    fail("message box text " + quoted(request.text) + ", expected " + quoted(*expected.text));
  if (expected.title && *expected.title != request.title)
    fail("message box title " + quoted(request.title) + ", expected " + quoted(*expected.title));
  const bool fits = request.buttons == MsgButtons::OK ? expected.answer == MsgAnswer::OK
                                                       : expected.answer != MsgAnswer::OK;
  if (!fits) fail("scripted answer does not match the buttons of message box " + quoted(request.text));
  return expected.answer;
}

void ScriptedApplication::runModal(Form& form) {
  m_modalShown.push_back(form.name());
  while (form.visible() && !ended()) {
    if (m_modalActions.empty()) {
      fail("modal form " + form.name() + " left open: no scripted action");
      form.hide();
      break;
    }
    ModalAction next = std::move(m_modalActions.front());
    m_modalActions.pop_front();
    if (next.formName && *next.formName != form.name())
      fail("scripted action for " + *next.formName + " ran in the modal loop of " + form.name());
    if (next.action) next.action();
  }
}

void ScriptedApplication::checkDone() {
  while (!m_expected.empty()) {
    const Expected expected = m_expected.front();
    m_expected.pop_front();
    fail("expected message box not shown: " + quoted(expected.text.value_or("(any text)")));
  }
  while (!m_modalActions.empty()) {
    const ModalAction action = m_modalActions.front();
    m_modalActions.pop_front();
    fail("scripted modal action not used" + (action.formName ? " (for " + *action.formName + ")" : std::string()));
  }
}

}  // namespace tess::forms
