// The Qt binding with real widgets under the offscreen platform, driven by QTest input: real input
// reaches the forms layer as its user actions, and the program's texts reach the widgets.
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QFileInfo>
#include <QImage>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrinterInfo>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <functional>
#include <optional>

#include <gtest/gtest.h>

#include "platform/forms/KeyCodes.h"
#include "qt/BindingForm.h"
#include "qt/FormWindow.h"
#include "qt/QtApplication.h"

namespace tess::qt {
namespace {

class BindingTest : public ::testing::Test {
 protected:
  BindingTest() {
    form.show();
    window = &app.window(form);
    EXPECT_TRUE(QTest::qWaitForWindowExposed(window));
    log.clear();
  }
  ~BindingTest() override {
    form.hide();
    dialog.hide();
  }
  //! Where the keyboard sends keys now: the focused widget of the active window.
  QWidget* keyTarget() { return window->focusWidget() ? window->focusWidget() : window; }
  //! Runs an action once the next modal widget (a message box or a modal form) is up. It polls
  //! from the event loop rather than waiting inside it, so that it never sits below the modal loop.
  void whenModal(std::function<void(QWidget*)> action, int tries = 200) {
    QTimer::singleShot(5, [this, action, tries] {
      QWidget* modal = QApplication::activeModalWidget();
      if (!modal && tries > 0) return whenModal(action, tries - 1);
      action(modal);
    });
  }

  QtApplication app;
  Log log;
  BindingForm form{app, log};
  BindingDialog dialog{app};
  FormWindow* window = nullptr;
};

// Keys typed, a user's edit among them, reach the form as its events, and the program's texts
// reach the widget; in a multi-line box Enter starts a new line.
TEST_F(BindingTest, TypingReachesTheFormAndProgramTextsReachTheWidget) {
  ASSERT_EQ(keyTarget(), app.widget(form.A));
  QTest::keyClicks(keyTarget(), "12");
  QTest::keyClick(keyTarget(), Qt::Key_Backspace);  // a user edit too
  EXPECT_EQ(form.A.text(), "1");
  EXPECT_EQ(form.A.selStart(), 1);
  EXPECT_TRUE(form.A.DataChanged());
  EXPECT_EQ(
      log, (Log{"A.KeyDown(49,0)", "A.Change", "A.KeyDown(50,0)", "A.Change", "A.KeyDown(8,0)", "A.Change"}));
  form.A.setText("78.11");
  EXPECT_EQ(qobject_cast<QLineEdit*>(app.widget(form.A))->text(), "78.11");

  form.Notes.setText("Line");
  QTest::mouseClick(app.widget(form.Notes), Qt::LeftButton);
  ASSERT_TRUE(form.Notes.hasFocus());
  QTest::keyClick(keyTarget(), Qt::Key_End, Qt::ControlModifier);
  QTest::keyClicks(keyTarget(), " one");
  QTest::keyClick(keyTarget(), Qt::Key_Return);
  QTest::keyClicks(keyTarget(), "two");
  EXPECT_EQ(form.Notes.text(), "Line one\ntwo");
  EXPECT_EQ(form.Notes.selStart(), 12);
}

// Tab and Shift+Tab move the focus; Enter is a KeyDown whose handler may move the focus (the key
// then stays with the forms layer); Esc presses the cancel button; Enter and Space press a button.
TEST_F(BindingTest, KeysMoveTheFocusAndPressButtonsThroughTheFormsLayer) {
  form.A.onKeyDown = [this](int key, int) {
    log.push_back("A.KeyDown(" + std::to_string(key) + ")");
    if (key == forms::KeyReturn) form.B.setFocus();
  };
  QTest::keyClick(keyTarget(), Qt::Key_Return);
  EXPECT_EQ(window->focusWidget(), app.widget(form.B));
  QTest::keyClick(keyTarget(), Qt::Key_Tab);
  EXPECT_EQ(window->focusWidget(), app.widget(form.List));
  QTest::keyClick(keyTarget(), Qt::Key_Backtab, Qt::ShiftModifier);
  EXPECT_EQ(window->focusWidget(), app.widget(form.B));
  QTest::keyClick(keyTarget(), Qt::Key_Escape);
  QTest::keyClick(keyTarget(), Qt::Key_Return);
  QTest::keyClick(keyTarget(), Qt::Key_Space);
  // The Shift key itself is a KeyDown too.
  EXPECT_EQ(log, (Log{"A.KeyDown(13)",        "A.Validate",     "A.LostFocus",          "B.GotFocus",
                      "B.Validate",           "B.LostFocus",    "List.GotFocus",        "List.KeyDown(16,1)",
                      "List.Validate",        "List.LostFocus", "B.GotFocus",           "B.KeyDown(27,0)",
                      "B.Validate",           "B.LostFocus",    "Cancel.GotFocus",      "Cancel.Click",
                      "Cancel.KeyDown(13,0)", "Cancel.Click",   "Cancel.KeyDown(32,0)", "Cancel.Click"}));
}

TEST_F(BindingTest, AClickCancelledByValidateDoesNotHappen) {
  form.A.onValidate = [this](bool& cancel) {
    log.push_back("A.Validate");
    cancel = form.A.text() == "bad";
  };
  form.A.setText("bad");
  log.clear();
  QTest::mouseClick(app.widget(form.Ok), Qt::LeftButton);
  QTest::mouseClick(app.widget(form.B), Qt::LeftButton);  // nor does a click into another box move the focus
  EXPECT_EQ(log, (Log{"A.Validate", "A.Validate"}));
  EXPECT_TRUE(form.A.hasFocus());
  EXPECT_EQ(window->focusWidget(), app.widget(form.A));
  form.A.setText("good");
  log.clear();
  QTest::mouseClick(app.widget(form.Ok), Qt::LeftButton);
  EXPECT_EQ(log, (Log{"A.Validate", "A.LostFocus", "Ok.GotFocus", "Ok.Click"}));
  EXPECT_EQ(window->focusWidget(), app.widget(form.Ok));
}

// On screen as in the forms layer: Tab or the program selects the list's whole text, so that typing
// replaces it; a click into the text leaves the caret where the click put it. Typing an entry's
// text, Enter and leaving the list are typing, not choosing; choosing an entry is a Click. A list
// emptied shows no text either; one filled in one step and added to one entry shows the forms
// layer's entries in their order with no entry chosen, and keeps the forms layer's text.
TEST_F(BindingTest, AListShowsTheFormsLayersTextAndEntriesAndTellsChoosingFromTyping) {
  auto* combo = qobject_cast<QComboBox*>(app.widget(form.List));
  ASSERT_NE(combo, nullptr);
  QLineEdit* edit = combo->lineEdit();
  form.List.setText("None Selected");
  form.B.setFocus();
  QTest::keyClick(keyTarget(), Qt::Key_Tab);
  ASSERT_TRUE(form.List.hasFocus());
  EXPECT_EQ(edit->selectedText(), "None Selected");
  log.clear();
  QTest::keyClicks(keyTarget(), "Benzene");
  QTest::keyClick(keyTarget(), Qt::Key_Return);
  EXPECT_EQ(form.List.text(), "Benzene");
  EXPECT_EQ(std::count(log.begin(), log.end(), "List.Change"), 7);
  QTest::keyClick(keyTarget(), Qt::Key_Tab);
  EXPECT_EQ(std::count(log.begin(), log.end(), "List.Click"), 0);
  ASSERT_FALSE(form.List.hasFocus());
  form.List.setFocus();
  EXPECT_EQ(edit->selectedText(), "Benzene");

  form.A.setFocus();
  QTest::mouseClick(edit, Qt::LeftButton, {}, QPoint(2, edit->height() / 2));
  ASSERT_TRUE(form.List.hasFocus());
  EXPECT_FALSE(edit->hasSelectedText());
  EXPECT_EQ(form.List.selLength(), 0);

  // Choosing an entry from the list opened by a click on its arrow (at its right end).
  log.clear();
  QTest::mouseClick(combo, Qt::LeftButton, {}, QPoint(combo->width() - 6, combo->height() / 2));
  QAbstractItemView* view = combo->view();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(view->window()));
  // A list opened by a press ignores releases for a double-click interval, as a user's hand does.
  QTest::qWait(QApplication::doubleClickInterval() + 50);
  QTest::mouseClick(view->viewport(), Qt::LeftButton, {},
                    view->visualRect(view->model()->index(2, 0)).center());
  EXPECT_EQ(log, (Log{"List.Click"}));
  EXPECT_EQ(form.List.text(), "Toluene");

  log.clear();
  form.List.clear();
  EXPECT_EQ(combo->currentText(), "");
  EXPECT_TRUE(log.empty());
  form.List.setText("Eth");
  form.List.addItems({"Water", "Ethanol"});
  form.List.addItem("Methanol");
  QStringList shown;
  for (int i = 0; i < combo->count(); ++i) shown.push_back(combo->itemText(i));
  EXPECT_EQ(shown, QStringList({"Water", "Ethanol", "Methanol"}));
  EXPECT_EQ(combo->currentText(), "Eth");
  EXPECT_EQ(combo->currentIndex(), -1);
}

TEST_F(BindingTest, AModalDialogTakesTheInputAndReturnsWhenItHidesOrTheProgramEnds) {
  form.Open.onClick = [this] {
    log.push_back("showModal");
    dialog.showModal();
    log.push_back("returned");
  };
  whenModal([this](QWidget* modal) {
    log.push_back(modal ? modal->objectName().toStdString() : "no modal window");
    EXPECT_FALSE(app.click(form.Ok));  // the form behind the dialog refuses input meanwhile
    QTest::mouseClick(app.widget(dialog.Close), Qt::LeftButton);
  });
  QTest::mouseClick(app.widget(form.Open), Qt::LeftButton);
  EXPECT_EQ(log, (Log{"A.Validate", "A.LostFocus", "showModal", "BindingDialog", "returned"}));
  EXPECT_FALSE(app.window(dialog).isVisible());
  EXPECT_TRUE(form.active());

  // The end of the program inside the dialog returns from it and quits the running event loop.
  log.clear();
  whenModal([this](QWidget*) { app.endProgram(); });
  QTimer::singleShot(0, [this] { QTest::mouseClick(app.widget(form.Open), Qt::LeftButton); });
  EXPECT_EQ(QApplication::exec(), 0);  // returns only because the program ended
  EXPECT_EQ(log, (Log{"showModal", "returned"}));
  EXPECT_TRUE(app.ended());
  EXPECT_FALSE(app.window(dialog).isVisible());
  EXPECT_FALSE(window->isVisible());
}

TEST_F(BindingTest, AMessageBoxShowsTheRequestAndReturnsTheAnswer) {
  std::optional<forms::MsgAnswer> answer;
  form.Cancel.onClick = [this, &answer] {
    answer = app.messageBox("Are you sure you want to quit?", "", forms::MsgButtons::YesNo,
                            forms::MsgIcon::None, forms::MsgAnswer::Yes);
  };
  whenModal([](QWidget* modal) {
    auto* box = qobject_cast<QMessageBox*>(modal);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->text(), "Are you sure you want to quit?");
    EXPECT_EQ(box->windowTitle().trimmed(), "");  // blank: the platform would show the program's name
    EXPECT_EQ(box->buttons().size(), 2);
    EXPECT_EQ(box->defaultButton(), box->button(QMessageBox::Yes));
    EXPECT_EQ(box->icon(), QMessageBox::NoIcon);
    QTest::mouseClick(box->button(QMessageBox::No), Qt::LeftButton);
  });
  QTest::keyClick(keyTarget(), Qt::Key_Escape);
  EXPECT_EQ(answer, forms::MsgAnswer::No);
}

TEST_F(BindingTest, PrintingPutsTheWindowsImageOnAPdfPageOrReportsTheFailure) {
  if (QPrinterInfo::defaultPrinter().isNull()) {
    const forms::PrintResult none = app.printForm(form);
    EXPECT_FALSE(none.ok);
    EXPECT_NE(none.message.find("No printer"), std::string::npos);
  }
  app.setPdfOutput("/nonexistent-folder/form.pdf");
  const forms::PrintResult failed = app.printForm(form);
  EXPECT_FALSE(failed.ok);
  EXPECT_FALSE(failed.message.empty());

  QTemporaryDir folder;
  const QString pdf = folder.filePath("form.pdf");
  app.setPdfOutput(pdf.toStdString());
  const forms::PrintResult result = app.printForm(form);
  EXPECT_TRUE(result.ok) << result.message;
  ASSERT_TRUE(QFileInfo::exists(pdf));
  // The page, rendered back to pixels, holds the form's image: its red button among them.
  QProcess render;
  render.start("pdftoppm", {"-png", "-r", "48", "-singlefile", pdf, folder.filePath("page")});
  if (!render.waitForFinished(30000) || render.exitCode() != 0) GTEST_SKIP() << "pdftoppm is not available";
  const QImage page(folder.filePath("page.png"));
  ASSERT_FALSE(page.isNull());
  int red = 0;
  for (int y = 0; y < page.height(); ++y)
    for (int x = 0; x < page.width(); ++x) {
      const QColor pixel = page.pixelColor(x, y);
      if (pixel.red() > 200 && pixel.green() < 60 && pixel.blue() < 60) ++red;
    }
  EXPECT_GT(red, 100);
}

TEST_F(BindingTest, TheCloseBoxRunsTheFormsHookAndTheWindowStays) {
  int closed = 0;
  form.setCloseHook([&closed] { ++closed; });
  window->close();
  EXPECT_EQ(closed, 1);
  EXPECT_TRUE(window->isVisible());
  EXPECT_TRUE(form.visible());
}

}  // namespace
}  // namespace tess::qt
