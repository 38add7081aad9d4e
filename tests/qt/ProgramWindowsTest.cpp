// The program's screens as real windows: every screen fits its controls inside its window, and
// the program starts at the start-up screen and reaches the data-input screen by a real click.
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include "files/TemporaryFolder.h"
#include "input/InputMasterFive.h"
#include "input/Opening.h"
#include "platform/forms/Control.h"
#include "platform/forms/Form.h"
#include "program/Program.h"
#include "qt/FormWindow.h"
#include "qt/QtApplication.h"

namespace tessqt::testing {
namespace {

//! Saves a window's image when TESS_QT_SCREENSHOTS names a folder (to look at what is rendered).
void saveScreenshot(QWidget& window, const std::string& name) {
  const QByteArray folder = qgetenv("TESS_QT_SCREENSHOTS");
  if (folder.isEmpty()) return;
  window.grab().save(QString::fromLocal8Bit(folder) + "/" + QString::fromStdString(name) + ".png");
}

class ProgramWindowsTest : public ::testing::Test {
 protected:
  ~ProgramWindowsTest() override {
    for (forms::Form* form : app.forms()) form->hide();
  }
  QtApplication app;
  tess::testing::TemporaryFolder folder;
  Program program{app, folder.path().string()};
};

TEST_F(ProgramWindowsTest, EveryScreenHoldsItsVisibleControlsInsideItsWindow) {
  for (forms::Form* form : app.forms()) {
    form->ensureLoaded();
    if (form->clientWidth() == 0) continue;  // a screen not laid out yet
    FormWindow& window = app.window(*form);
    const QRect client(QPoint(0, 0), window.size());
    for (forms::Control* control : form->controls()) {
      // A line's widget reaches past its end points by the line's width.
      if (!control->visible() || control->kind() == forms::ControlKind::Line) continue;
      const QWidget* widget = window.widgetFor(*control);
      ASSERT_NE(widget, nullptr) << control->displayName();
      EXPECT_TRUE(client.contains(widget->geometry()))
          << form->name() << "." << control->displayName() << " lies outside the window";
    }
    saveScreenshot(window, form->name());
  }
}

TEST_F(ProgramWindowsTest, TheProgramStartsAtTheStartUpScreenAndContinuesByAClick) {
  program.start();
  FormWindow& opening = app.window(program.opening());
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&opening));
  QTest::mouseClick(opening.widgetFor(program.opening().Continue), Qt::LeftButton);
  EXPECT_FALSE(opening.isVisible());
  FormWindow& input = app.window(program.inputMaster());
  EXPECT_TRUE(input.isVisible());
  EXPECT_TRUE(program.inputMaster().active());
  saveScreenshot(input, "InputMasterFive-shown");
}

}  // namespace
}  // namespace tessqt::testing
