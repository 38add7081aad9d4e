#pragma once
// ScriptedApplication: a headless application for tests. No gtest dependency: failures go to a
// handler that a test sets (for example to ADD_FAILURE); by default they print to stderr and
// abort.
//
//   forms::ScriptedApplication app;
//   app.setFailureHandler([](const std::string& what) { ADD_FAILURE() << what; });
//   app.expectMessage("This entry must not equal zero ", "Invalid Entry");   // answered OK
//   app.scriptModal("ExitDialog", [&] { app.click(dialog.ReturnButton); });
//   ... drive the screens with app.focus / editText / pressKey / click / tab / chooseItem ...
//   app.checkDone();   // every expected message shown, every modal action used

#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/forms/Application.h"

namespace tess::forms {

class ScriptedApplication : public Application {
 public:
  ScriptedApplication();
  ~ScriptedApplication() override;

  // Message boxes: each box takes the next expectation from the queue, checks its text and title
  // if given, records the request and returns the expected answer. A box with the queue empty is
  // a failure (answered with its default button).
  void expectMessage(MsgAnswer answer = MsgAnswer::OK);
  void expectMessage(std::string text, MsgAnswer answer = MsgAnswer::OK);
  void expectMessage(std::string text, std::string title, MsgAnswer answer = MsgAnswer::OK);
  //! Every message box shown so far, in order.
  const std::vector<MessageRequest>& messages() const { return m_messages; }
  void clearMessages() { m_messages.clear(); }
  //! Runs watch on each message box as it is shown, before it is answered: a test looks at what the
  //! program holds (a file's lock, a list) while the user reads the message. Empty: none.
  void watchMessages(std::function<void(const MessageRequest&)> watch) { m_watch = std::move(watch); }
  int pendingMessages() const { return static_cast<int>(m_expected.size()); }

  // Modal forms: the modal loop takes actions from this queue and runs them one by one while the
  // form is visible. If the queue runs dry while it is still visible, that is a failure and the
  // form is hidden so that the test goes on. With a form name, the action checks that it runs
  // inside that form's loop.
  void scriptModal(std::function<void()> action);
  void scriptModal(std::string formName, std::function<void()> action);
  int pendingModalActions() const { return static_cast<int>(m_modalActions.size()); }
  //! Names of the forms shown modally so far, in order.
  const std::vector<std::string>& modalForms() const { return m_modalShown; }

  // Printing: every print is recorded; the result is the one set (success by default).
  void setPrintResult(PrintResult result) { m_printResult = std::move(result); }
  const std::vector<std::string>& printedForms() const { return m_printed; }

  // Program end, recorded instead of exiting.
  bool programEnded() const { return m_endCount > 0; }
  int endCount() const { return m_endCount; }

  //! Where failures go. Default: print to stderr and abort.
  void setFailureHandler(std::function<void(const std::string&)> handler) { m_onFailure = std::move(handler); }
  //! Reports a failure for each expected message not shown and each modal action not used.
  void checkDone();

 private:
  struct Expected {
    std::optional<std::string> text;
    std::optional<std::string> title;
    MsgAnswer answer;
  };
  struct ModalAction {
    std::optional<std::string> formName;
    std::function<void()> action;
  };
  class ScriptServices;
  void fail(const std::string& what);
  MsgAnswer answer(const MessageRequest& request);
  void runModal(Form& form);

  std::deque<Expected> m_expected;
  std::vector<MessageRequest> m_messages;
  std::function<void(const MessageRequest&)> m_watch;
  std::deque<ModalAction> m_modalActions;
  std::vector<std::string> m_modalShown;
  PrintResult m_printResult;
  std::vector<std::string> m_printed;
  int m_endCount = 0;
  std::function<void(const std::string&)> m_onFailure;
  std::unique_ptr<ScriptServices> m_scriptServices;
};

}  // namespace tess::forms
