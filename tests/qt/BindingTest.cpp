// The Qt binding with real widgets under the offscreen platform, driven by QTest input: what the
// windows show, and that real input reaches the forms layer as its user actions.
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QFontInfo>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMessageBox>
#include <QPlainTextEdit>
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
#include "qt/FormWindow.h"
#include "qt/QtApplication.h"
#include "qt/Conversions.h"
#include "qt/BindingForm.h"
#include <QPrinterInfo>

namespace tessqt::testing {
namespace {

bool contains(const Log& log, const std::string& entry) { return std::find(log.begin(), log.end(), entry) != log.end(); }

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

  template <class Widget>
  Widget* widget(forms::Control& control) {
    return qobject_cast<Widget*>(app.widget(control));
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

TEST_F(BindingTest, WindowShowsTheFormsGeometryFontsAndColours) {
  EXPECT_TRUE(window->isVisible());
  EXPECT_EQ(window->windowTitle(), "Binding Test");
  EXPECT_EQ(window->size(), QSize(400, 280));  // 6000 x 4200 twips at 15 twips per pixel
  EXPECT_EQ(app.widget(form.A)->geometry(), QRect(8, 40, 120, 21));
  // Edges come from left+width: B starts where 2040 twips round to, not A's right edge plus a gap.
  EXPECT_EQ(app.widget(form.B)->geometry().left(), 136);
  EXPECT_EQ(app.widget(form.A)->toolTip(), "Type a number");

  auto* title = widget<QLabel>(form.Title);
  ASSERT_NE(title, nullptr);
  EXPECT_EQ(title->text(), "Breakthrough times of a test form");
  EXPECT_EQ(QFontInfo(title->font()).family(), "Liberation Sans");
  EXPECT_TRUE(title->font().bold());
  EXPECT_DOUBLE_EQ(title->font().pointSizeF(), 12.0);
  EXPECT_EQ(QFontInfo(app.widget(form.A)->font()).family(), "Liberation Sans");  // "MS Sans Serif"

  auto* ok = widget<QPushButton>(form.Ok);
  ASSERT_NE(ok, nullptr);
  EXPECT_EQ(ok->text(), "Calculate Results");
  EXPECT_EQ(ok->palette().color(QPalette::Button), QColor(192, 255, 192));
  EXPECT_EQ(widget<QPushButton>(form.Cancel)->palette().color(QPalette::Button), QColor(255, 0, 0));

  auto* notes = widget<QPlainTextEdit>(form.Notes);
  ASSERT_NE(notes, nullptr);
  EXPECT_EQ(notes->frameStyle(), QFrame::NoFrame);
  EXPECT_EQ(notes->toPlainText().toStdString(), form.Notes.text());

  // The picture's shapes and the line are painted: its light blue fill shows in the window's image.
  const QImage image = window->grab().toImage();
  EXPECT_EQ(image.pixelColor(app.widget(form.Drawing)->geometry().topLeft() + QPoint(100, 5)), QColor(192, 192, 255));
  EXPECT_EQ(image.pixelColor(200, 140), QColor(0, 0, 0));  // the line at 2100 twips
  if (const QByteArray folder = qgetenv("TESS_QT_SCREENSHOTS"); !folder.isEmpty())
    image.save(QString::fromLocal8Bit(folder) + "/binding-form.png");
}

TEST_F(BindingTest, ProgramTextsReachTheWidgetsAndTypingReachesTheForm) {
  ASSERT_TRUE(form.A.hasFocus());
  EXPECT_EQ(keyTarget(), app.widget(form.A));
  QTest::keyClicks(keyTarget(), "12");
  EXPECT_EQ(form.A.text(), "12");
  EXPECT_TRUE(form.A.DataChanged());
  EXPECT_EQ(form.A.selStart(), 2);
  EXPECT_EQ(std::count(log.begin(), log.end(), "A.Change"), 2);
  EXPECT_TRUE(contains(log, "A.KeyDown(49,0)"));

  form.A.setText("78.11");
  form.A.selectAll();
  auto* edit = widget<QLineEdit>(form.A);
  EXPECT_EQ(edit->text(), "78.11");
  EXPECT_EQ(edit->selectedText(), "78.11");
  // Typing over the selection replaces it, as the forms layer's text says.
  QTest::keyClicks(keyTarget(), "9");
  EXPECT_EQ(form.A.text(), "9");

  // Backspace is a user edit too.
  QTest::keyClick(keyTarget(), Qt::Key_Backspace);
  EXPECT_EQ(form.A.text(), "");
  EXPECT_TRUE(contains(log, "A.KeyDown(8,0)"));
}

TEST_F(BindingTest, AMultiLineBoxTakesTypingAndNewLines) {
  form.Notes.setText("Line");
  QTest::mouseClick(app.widget(form.Notes), Qt::LeftButton);
  QApplication::processEvents();
  ASSERT_TRUE(form.Notes.hasFocus());
  QTest::keyClick(keyTarget(), Qt::Key_End, Qt::ControlModifier);
  QTest::keyClicks(keyTarget(), " one");
  QTest::keyClick(keyTarget(), Qt::Key_Return);
  QTest::keyClicks(keyTarget(), "two");
  EXPECT_EQ(form.Notes.text(), "Line one\ntwo");
  EXPECT_EQ(form.Notes.selStart(), 12);
  EXPECT_TRUE(form.Notes.DataChanged());
}

TEST_F(BindingTest, TabAndShiftTabMoveTheFocusThroughTheFormsLayer) {
  QTest::keyClick(keyTarget(), Qt::Key_Tab);
  EXPECT_TRUE(form.B.hasFocus());
  EXPECT_EQ(window->focusWidget(), app.widget(form.B));
  EXPECT_EQ(log, (Log{"A.Validate", "A.LostFocus", "B.GotFocus"}));
  QTest::keyClick(keyTarget(), Qt::Key_Tab);
  EXPECT_TRUE(form.List.hasFocus());
  QTest::keyClick(keyTarget(), Qt::Key_Backtab, Qt::ShiftModifier);
  EXPECT_TRUE(form.B.hasFocus());
  EXPECT_EQ(window->focusWidget(), app.widget(form.B));
}

TEST_F(BindingTest, EnterAndEscAreKeyDownsAndEscPressesTheCancelButton) {
  form.A.onKeyDown = [this](int key, int) {
    log.push_back("A.KeyDown(" + std::to_string(key) + ")");
    if (key == forms::KeyReturn) form.B.setFocus();
  };
  QTest::keyClick(keyTarget(), Qt::Key_Return);
  EXPECT_TRUE(form.B.hasFocus());
  EXPECT_EQ(window->focusWidget(), app.widget(form.B));
  QTest::keyClick(keyTarget(), Qt::Key_Escape);
  EXPECT_TRUE(contains(log, "A.KeyDown(13)"));
  EXPECT_TRUE(contains(log, "B.KeyDown(27,0)"));
  EXPECT_TRUE(contains(log, "Cancel.Click"));
  EXPECT_TRUE(form.Cancel.hasFocus());

  // Enter and Space on a focused button click it, once each.
  log.clear();
  QTest::keyClick(keyTarget(), Qt::Key_Return);
  QTest::keyClick(keyTarget(), Qt::Key_Space);
  EXPECT_EQ(std::count(log.begin(), log.end(), "Cancel.Click"), 2);
}

TEST_F(BindingTest, AClickCancelledByValidateDoesNotHappen) {
  form.A.onValidate = [this](bool& cancel) {
    log.push_back("A.Validate");
    cancel = form.A.text() == "bad";
  };
  form.A.setText("bad");
  log.clear();
  QTest::mouseClick(app.widget(form.Ok), Qt::LeftButton);
  EXPECT_EQ(log, (Log{"A.Validate"}));
  EXPECT_TRUE(form.A.hasFocus());
  EXPECT_EQ(window->focusWidget(), app.widget(form.A));
  // Nor does a click into another text box move the focus.
  QTest::mouseClick(app.widget(form.B), Qt::LeftButton);
  EXPECT_TRUE(form.A.hasFocus());

  form.A.setText("good");
  log.clear();
  QTest::mouseClick(app.widget(form.Ok), Qt::LeftButton);
  EXPECT_EQ(log, (Log{"A.Validate", "A.LostFocus", "Ok.GotFocus", "Ok.Click"}));
  EXPECT_EQ(window->focusWidget(), app.widget(form.Ok));
}

TEST_F(BindingTest, ChoosingAListEntryClicksButTypingTheSameTextChanges) {
  auto* combo = widget<QComboBox>(form.List);
  ASSERT_NE(combo, nullptr);
  EXPECT_EQ(combo->count(), 3);
  EXPECT_EQ(combo->currentText(), "");
  form.List.setFocus();
  log.clear();
  // Typing an entry's text and pressing Enter is typing, not choosing.
  QTest::keyClicks(keyTarget(), "Benzene");
  QTest::keyClick(keyTarget(), Qt::Key_Return);
  EXPECT_EQ(form.List.text(), "Benzene");
  EXPECT_EQ(form.List.listIndex(), -1);
  EXPECT_FALSE(contains(log, "List.Click"));
  EXPECT_EQ(std::count(log.begin(), log.end(), "List.Change"), 7);
  // Leaving the list does not choose either.
  QTest::keyClick(keyTarget(), Qt::Key_Tab);
  EXPECT_FALSE(contains(log, "List.Click"));

  // Choosing an entry from the open list.
  QTest::mouseClick(combo, Qt::LeftButton);
  EXPECT_TRUE(form.List.hasFocus());
  log.clear();
  combo->showPopup();
  QAbstractItemView* view = combo->view();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(view->window()));
  const QRect entry = view->visualRect(view->model()->index(2, 0));
  QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, entry.center());
  EXPECT_EQ(log, (Log{"List.Click"}));
  EXPECT_EQ(form.List.text(), "Toluene");
  EXPECT_EQ(form.List.listIndex(), 2);
  EXPECT_EQ(combo->currentText(), "Toluene");

  // Emptying the list empties the text on screen too, with no Change.
  log.clear();
  form.List.clear();
  EXPECT_EQ(combo->count(), 0);
  EXPECT_EQ(combo->currentText(), "");
  EXPECT_TRUE(log.empty());
}

TEST_F(BindingTest, AModalDialogReturnsWhenItHides) {
  form.Open.onClick = [this] {
    log.push_back("showModal");
    dialog.showModal();
    log.push_back("returned");
  };
  whenModal([this](QWidget* modal) {
    log.push_back(modal ? modal->objectName().toStdString() : "no modal window");
    // Input to the form behind the dialog is refused meanwhile.
    EXPECT_FALSE(app.click(form.Ok));
    QTest::mouseClick(app.widget(dialog.Close), Qt::LeftButton);
  });
  QTest::mouseClick(app.widget(form.Open), Qt::LeftButton);
  EXPECT_EQ(log, (Log{"A.Validate", "A.LostFocus", "showModal", "BindingDialog", "returned"}));
  EXPECT_FALSE(app.window(dialog).isVisible());
  EXPECT_EQ(app.window(dialog).windowModality(), Qt::ApplicationModal);
  EXPECT_FALSE(app.window(dialog).windowFlags() & Qt::WindowCloseButtonHint);
  EXPECT_TRUE(form.active());
}

TEST_F(BindingTest, AMessageBoxShowsTheRequestAndReturnsTheAnswer) {
  std::optional<forms::MsgAnswer> answer;
  form.Cancel.onClick = [this, &answer] {
    answer = app.messageBox("Are you sure you want to quit?", "", forms::MsgButtons::YesNo, forms::MsgIcon::None,
                            forms::MsgAnswer::Yes);
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
  ASSERT_TRUE(answer.has_value());
  EXPECT_EQ(*answer, forms::MsgAnswer::No);

  // An OK box with a title and the critical icon; Enter answers it.
  whenModal([](QWidget* modal) {
    auto* box = qobject_cast<QMessageBox*>(modal);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->windowTitle(), "Invalid Entry");
    EXPECT_EQ(box->icon(), QMessageBox::Critical);
    QTest::keyClick(box, Qt::Key_Return);
  });
  EXPECT_EQ(app.messageBox("The entry must be at least 1 ", "Invalid Entry", forms::MsgButtons::OK,
                           forms::MsgIcon::Critical),
            forms::MsgAnswer::OK);
}

TEST_F(BindingTest, PrintingPutsTheWindowsImageOnAPdfPage) {
  QTemporaryDir folder;
  ASSERT_TRUE(folder.isValid());
  const QString pdf = folder.filePath("form.pdf");
  app.setPdfOutput(pdf.toStdString());
  const forms::PrintResult result = app.printForm(form);
  EXPECT_TRUE(result.ok) << result.message;
  ASSERT_TRUE(QFileInfo::exists(pdf));
  EXPECT_GT(QFileInfo(pdf).size(), 2000);

  // The page, rendered back to pixels, holds the form's image: its red Exit button among them.
  QProcess render;
  render.start("pdftoppm", {"-png", "-r", "48", "-singlefile", pdf, folder.filePath("page")});
  if (qEnvironmentVariableIsSet("TESS_QT_SCREENSHOTS")) QFile::copy(pdf, qEnvironmentVariable("TESS_QT_SCREENSHOTS") + "/form.pdf");
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

TEST_F(BindingTest, PrintingWithoutAPrinterOrToAnUnwritableFileFails) {
  if (!QPrinterInfo::defaultPrinter().isNull()) GTEST_SKIP() << "this machine has a printer";
  const forms::PrintResult none = app.printForm(form);
  EXPECT_FALSE(none.ok);
  EXPECT_NE(none.message.find("No printer"), std::string::npos);

  app.setPdfOutput("/nonexistent-folder/form.pdf");
  const forms::PrintResult failed = app.printForm(form);
  EXPECT_FALSE(failed.ok);
  EXPECT_FALSE(failed.message.empty());
}

TEST_F(BindingTest, TheCloseBoxRunsTheFormsHookAndTheWindowStays) {
  int closed = 0;
  form.setCloseHook([&closed] { ++closed; });
  EXPECT_TRUE(window->windowFlags() & Qt::WindowCloseButtonHint);
  window->close();
  EXPECT_EQ(closed, 1);
  EXPECT_TRUE(window->isVisible());
  EXPECT_TRUE(form.visible());
}

TEST_F(BindingTest, TheEndOfTheProgramReturnsFromAModalDialogAndQuitsTheEventLoop) {
  form.Open.onClick = [this] {
    dialog.showModal();
    log.push_back("returned");
  };
  whenModal([this](QWidget*) { app.endProgram(); });
  QTimer::singleShot(0, [this] { QTest::mouseClick(app.widget(form.Open), Qt::LeftButton); });
  EXPECT_EQ(QApplication::exec(), 0);  // returns only because the program ended
  EXPECT_TRUE(contains(log, "returned"));
  EXPECT_TRUE(app.ended());
  EXPECT_FALSE(app.window(dialog).isVisible());
  EXPECT_FALSE(window->isVisible());
}

TEST_F(BindingTest, HidingAndTheEndOfTheProgramHideTheWindows) {
  form.Ok.setVisible(false);
  EXPECT_FALSE(app.widget(form.Ok)->isVisible());
  form.Ok.setVisible(true);
  EXPECT_TRUE(app.widget(form.Ok)->isVisible());
  app.endProgram();
  EXPECT_FALSE(window->isVisible());
  EXPECT_TRUE(app.ended());
}

}  // namespace
}  // namespace tessqt::testing
