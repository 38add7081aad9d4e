// The typical run with real widgets under the offscreen platform, driven by mouse and keyboard
// input only: from the start-up screen through a cartridge and two vapors typed along their Enter
// chains, the use conditions, Continue, the breakthrough concentrations, Calculate by Enter, the
// results screen printed to a PDF file, and Exit answered Yes. What the screens do with the input
// is the headless typical run's part (tests/program); this one shows that real keys, clicks, focus
// and message boxes reach them. The record files lie in a temporary folder.
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <deque>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "databases/frmCartridgeMulti.h"
#include "databases/frmVaporMulti.h"
#include "input/InputMasterFive.h"
#include "input/Opening.h"
#include "input/UseOneM.h"
#include "program/Program.h"
#include "qt/FormWindow.h"
#include "qt/QtApplication.h"
#include "records/RecordFixtures.h"
#include "results/BreakTimeFive.h"
#include "state/SetUp.h"
#include "support/CommaTexts.h"
#include "support/Solvents.h"
#include "support/TemporaryFolder.h"

namespace tess::qt {
namespace {

//! Answers message boxes as a user would, by clicking their buttons: expected ones with the
//! expected answer, any other one with its default button, recorded as unexpected. An unexpected
//! modal screen would wait for ever: it is recorded and hidden.
struct MessageBoxAnswers {
  MessageBoxAnswers() {
    QObject::connect(&timer, &QTimer::timeout, [this] { answerOpenBox(); });
    timer.start(10);
  }
  void answerOpenBox() {
    QWidget* modal = QApplication::activeModalWidget();
    if (auto* dialog = dynamic_cast<FormWindow*>(modal)) {
      unexpected.push_back("modal screen " + dialog->form().name());
      return dialog->form().hide();
    }
    auto* box = qobject_cast<QMessageBox*>(modal);
    if (!box || !box->isVisible()) return;
    const std::string text = box->text().toStdString();
    QAbstractButton* button = box->defaultButton();
    if (!expected.empty() && expected.front().first == text) {
      button = box->button(expected.front().second);
      expected.pop_front();
    } else {
      unexpected.push_back(box->windowTitle().toStdString() + ": " + text);
    }
    if (!button && !box->buttons().isEmpty()) button = box->buttons().front();
    QTest::mouseClick(button, Qt::LeftButton);
  }

  QTimer timer;
  std::deque<std::pair<std::string, QMessageBox::StandardButton>> expected;  // text, answer
  std::vector<std::string> unexpected;
};

class EndToEndTest : public ::testing::Test {
 protected:
  ~EndToEndTest() override {
    for (forms::Form* form : app.forms()) form->hide();
  }

  //! Where the keyboard sends keys now: the focused widget of the control's window.
  QWidget* keyTarget(forms::Form& form) {
    FormWindow& window = app.window(form);
    return window.focusWidget() ? window.focusWidget() : &window;
  }
  // Each action lets the event loop run afterwards, as it does between a user's actions.
  void click(forms::Control& control) {
    QTest::mouseClick(app.widget(control), Qt::LeftButton);
    QApplication::processEvents();
  }
  void press(forms::Form& form, Qt::Key key) {
    QTest::keyClick(keyTarget(form), key);
    QApplication::processEvents();
  }
  //! Clicks into a box (unless it has the focus), selects its text with Ctrl+A and types over it.
  void typeInto(forms::Control& box, const std::string& text) {
    if (!box.hasFocus()) click(box);
    ASSERT_TRUE(box.hasFocus()) << box.displayName();
    QTest::keyClick(keyTarget(box.form()), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(keyTarget(box.form()), QString::fromStdString(text));
    QApplication::processEvents();
  }
  //! Types each text into its box along the form's Enter chain: into the first box by a click, then
  //! each Enter must move the focus to the next box (which selects its text) and finally to `last`.
  void typeAlongEnterChain(const std::vector<forms::TextBox*>& boxes, const std::vector<std::string>& texts,
                           forms::Control& last) {
    ASSERT_EQ(boxes.size(), texts.size());
    typeInto(*boxes[0], texts[0]);
    for (std::size_t i = 0; i < boxes.size(); ++i) {
      if (i > 0) {
        ASSERT_TRUE(boxes[i]->hasFocus()) << boxes[i]->displayName() << " is not next in the Enter chain";
        QTest::keyClicks(keyTarget(boxes[i]->form()), QString::fromStdString(texts[i]));
      }
      EXPECT_EQ(boxes[i]->text(), texts[i]) << boxes[i]->displayName();
      press(boxes[i]->form(), Qt::Key_Return);
    }
    EXPECT_TRUE(last.hasFocus()) << last.displayName() << " should have the focus";
  }
  void enterVapor(const tess::testing::Solvent& s, float ppm) {
    using tess::testing::typed;
    databases::frmVaporMulti& vapor = program.vaporScreen();
    typeInto(vapor.ChemName, s.name);
    typeInto(vapor.CAS, s.cas);
    typeAlongEnterChain({&vapor.MolWt, &vapor.LiqDensity, &vapor.MolPol, &vapor.WaterSol, &vapor.AvgVapConc,
                         &vapor.AntoineA, &vapor.AntoineB, &vapor.AntoineC},
                        {typed(s.MolWt), typed(s.LiqDensity), typed(s.MolPol), typed(s.WaterSol), typed(ppm),
                         typed(s.AntoineA), typed(s.AntoineB), typed(s.AntoineC)},
                        vapor.cmdExit);
  }

  QtApplication app;
  MessageBoxAnswers answers;
  tess::testing::TemporaryFolder folder;
  program::Program program{app, folder.path().string()};
};

TEST_F(EndToEndTest, TypicalRunFromStartUpToPrintedResults) {
  input::Opening& opening = program.opening();
  input::InputMasterFive& input = program.inputMaster();
  databases::frmCartridgeMulti& cartridge = program.cartridgeScreen();
  databases::frmVaporMulti& vapor = program.vaporScreen();
  results::BreakTimeFive& results = program.results();
  using namespace tess::testing;
  writeBytes(folder.path() / "VaporB30.DB",
             vaporRecord("Toluene", "108-88-3", "92.14").toBytes() + vaporRecord("Acetone").toBytes());

  program.start();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&app.window(opening)));
  click(opening.Continue);
  EXPECT_FALSE(app.window(opening).isVisible());
  ASSERT_TRUE(app.window(input).isVisible());

  // The cartridge's name box opens with the focus and its whole text selected, so typing replaces
  // it (as the caption on the data-input screen shows). The fields end their Enter chain on the
  // Return button, which Enter then presses.
  click(input.SelectCart);
  ASSERT_TRUE(app.window(cartridge).isVisible());
  ASSERT_TRUE(cartridge.CartName.hasFocus());
  QTest::keyClicks(keyTarget(cartridge), "Test Cartridge");
  typeAlongEnterChain(
      {&cartridge.BedDiam, &cartridge.Bed_Depth, &cartridge.CarbWgt, &cartridge.MicVol, &cartridge.RelHumPre,
       &cartridge.DiamGran, &cartridge.APBenzene, &cartridge.AffinityForWater},
      {"8", "2.5", "45", "0.45", "50", "0.12", "27", "0.1"}, cartridge.cmdExit);
  press(cartridge, Qt::Key_Return);
  ASSERT_TRUE(input.visible());
  EXPECT_FALSE(app.window(cartridge).isVisible());
  EXPECT_EQ(input.CartName.caption(), "Test Cartridge");
  EXPECT_TRUE(input.SelectVap[1].hasFocus());

  // Vapor 1, opened with Enter on its focused button. A vapor chosen from the name list, by keyboard
  // or by mouse, is a new name: the boxes that still held the previous vapor's numbers are emptied,
  // so that Return cannot store them under it.
  press(input, Qt::Key_Return);
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&app.window(vapor)));
  ASSERT_TRUE(vapor.ChemName.hasFocus());
  auto* combo = qobject_cast<QComboBox*>(app.widget(vapor.ChemName));
  for (const bool byMouse : {false, true}) {
    vapor.MolWt.setText("92.14");
    vapor.CAS.setText("108-88-3");
    if (byMouse) {
      QTest::mouseClick(combo, Qt::LeftButton, {}, QPoint(combo->width() - 6, combo->height() / 2));
      QAbstractItemView* view = combo->view();
      ASSERT_TRUE(QTest::qWaitForWindowExposed(view->window()));
      QTest::qWait(QApplication::doubleClickInterval() + 50);
      QTest::mouseClick(view->viewport(), Qt::LeftButton, {},
                        view->visualRect(view->model()->index(1, 0)).center());
      QApplication::processEvents();
      EXPECT_EQ(combo->currentIndex(), 1);
    } else {
      press(vapor, Qt::Key_Down);
    }
    ASSERT_GE(combo->currentIndex(), 0) << byMouse;
    EXPECT_EQ(vapor.ChemName.text(), combo->itemText(combo->currentIndex()).toStdString()) << byMouse;
    EXPECT_EQ(vapor.MolWt.text() + vapor.CAS.text(), "") << byMouse;
  }
  // Vapor 1 typed over the chosen name and left with Esc (the screen's cancel button); vapor 2
  // opened and left by mouse.
  enterVapor(Acetone, 500);
  press(vapor, Qt::Key_Escape);
  ASSERT_TRUE(input.visible());
  EXPECT_TRUE(input.SelectVap[2].hasFocus());
  click(input.SelectVap[2]);
  ASSERT_TRUE(vapor.visible());
  enterVapor(Toluene, 200);
  click(vapor.cmdExit);
  ASSERT_TRUE(input.visible());
  EXPECT_EQ(input.Vap[1].caption() + ", " + input.Vap[2].caption(), "Acetone, Toluene");

  // The use conditions as offered, and Continue to the results screen.
  click(input.SelectUse);
  click(program.useConditions().ReturnBtn);
  click(input.Continue);
  EXPECT_FALSE(app.window(input).isVisible());
  ASSERT_TRUE(app.window(results).isVisible());

  // Breakthrough concentrations, typed; one holding a comma is refused by its message and keeps the
  // focus. Enter in the last one moves to Calculate, Enter presses it.
  answers.expected.emplace_back(commaMessage("5,0"), QMessageBox::Ok);
  typeInto(results.VapBkConc[1], "5,0");
  press(results, Qt::Key_Return);
  typeInto(results.VapBkConc[1], "50");
  typeInto(results.VapBkConc[2], "20");
  press(results, Qt::Key_Return);
  ASSERT_TRUE(results.cmdCalc.hasFocus());
  press(results, Qt::Key_Return);
  for (int row : {1, 2}) EXPECT_NE(results.BkT[row].caption(), "") << row;

  // Printed to a PDF file.
  const QString pdf = QString::fromStdString((folder.path() / "results.pdf").string());
  app.setPdfOutput(pdf.toStdString());
  click(results.cmdPrint);
  EXPECT_GT(QFileInfo(pdf).size(), 5000);

  // Back to the data inputs, and Exit answered Yes through the real question.
  click(results.cmdData);
  ASSERT_TRUE(input.visible());
  answers.expected.emplace_back("Are you sure you want to quit?", QMessageBox::Yes);
  click(input.ExitBtn);
  EXPECT_TRUE(app.ended());
  EXPECT_FALSE(app.window(input).isVisible());

  EXPECT_TRUE(answers.unexpected.empty()) << answers.unexpected.front();
  EXPECT_TRUE(answers.expected.empty());
}

}  // namespace
}  // namespace tess::qt
