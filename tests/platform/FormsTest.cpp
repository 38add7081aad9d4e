// Loading, modeless and modal showing, and the close box.
#include "TestForm.h"

namespace forms::testing {
namespace {

class FormsTest : public ScriptedTest {
 protected:
  TestForm main{app, "Main", log};
  TestForm dialog{app, "Dialog", log};
};

TEST_F(FormsTest, LoadRunsOnceOnFirstUseOrFirstShow) {
  EXPECT_FALSE(main.loaded());
  main.ensureLoaded();
  main.ensureLoaded();
  EXPECT_TRUE(main.loaded());
  EXPECT_FALSE(main.visible());
  main.show();
  EXPECT_EQ(log, (Log{"Main.Load", "A.GotFocus"}));
}

// A load handler that shows its own form and moves the focus, as a screen's first show does.
TEST_F(FormsTest, LoadMayShowTheFormAndMoveTheFocus) {
  main.onLoad = [&] {
    log.push_back("Main.Load");
    main.show();
    main.Ok.setFocus();
  };
  main.show();
  EXPECT_EQ(log, (Log{"Main.Load", "A.GotFocus", "A.Validate", "A.LostFocus", "Ok.GotFocus"}));
  EXPECT_TRUE(main.Ok.hasFocus());
}

TEST_F(FormsTest, ModalShowReturnsWhenTheFormHidesItself) {
  dialog.Ok.onClick = [&] { dialog.hide(); };
  main.Ok.onClick = [&] {
    main.hide();
    dialog.showModal();
    log.push_back("returned");
    main.show();
  };
  app.scriptModal("Dialog", [&] {
    EXPECT_TRUE(dialog.modal());
    EXPECT_EQ(app.modalForm(), &dialog);
    app.click(dialog.Ok);
  });
  main.show();
  app.click(main.Ok);
  EXPECT_EQ(app.modalForms(), (std::vector<std::string>{"Dialog"}));
  EXPECT_FALSE(dialog.modal());
  EXPECT_FALSE(dialog.visible());
  EXPECT_EQ(app.activeForm(), &main);
  EXPECT_NE(std::find(log.begin(), log.end(), "returned"), log.end());
  EXPECT_EQ(log.back(), "Ok.GotFocus");  // back on the main form, on the button that had the focus
}

TEST_F(FormsTest, ModalFormTakesAllUserInput) {
  main.show();
  app.scriptModal([&] {
    EXPECT_FALSE(app.click(main.Ok));
    EXPECT_FALSE(app.focus(main.B));
    EXPECT_FALSE(app.editText(main.A, "typed"));
    EXPECT_FALSE(app.activate(main));
    EXPECT_TRUE(app.click(dialog.Cancel));
    dialog.hide();
  });
  dialog.showModal();
  EXPECT_EQ(main.A.text(), "");
  EXPECT_TRUE(app.click(main.Ok));  // the modal form is gone
}

TEST_F(FormsTest, ModalFormLeftOpenIsAFailureAndIsHidden) {
  std::vector<std::string> failures;
  app.setFailureHandler([&](const std::string& what) { failures.push_back(what); });
  dialog.showModal();
  ASSERT_EQ(failures.size(), 1u);
  EXPECT_NE(failures[0].find("Dialog"), std::string::npos);
  EXPECT_FALSE(dialog.visible());
}

TEST_F(FormsTest, NestedModalForms) {
  TestForm inner{app, "Inner", log};
  app.scriptModal("Dialog", [&] { inner.showModal(); });
  app.scriptModal("Inner", [&] { inner.hide(); });
  app.scriptModal("Dialog", [&] { dialog.hide(); });
  dialog.showModal();
  EXPECT_EQ(app.modalForms(), (std::vector<std::string>{"Dialog", "Inner"}));
  EXPECT_EQ(app.modalForm(), nullptr);
}

TEST_F(FormsTest, CloseBoxRunsTheHookAndNeverDestroysTheForm) {
  main.show();
  EXPECT_TRUE(app.closeWindow(main));  // no hook: nothing happens
  EXPECT_TRUE(main.visible());
  main.setCloseHook([&] { main.hide(); });
  main.A.setText("kept");
  app.closeWindow(main);
  EXPECT_FALSE(main.visible());
  main.show();
  EXPECT_EQ(main.A.text(), "kept");
}

TEST_F(FormsTest, ControlsAreFoundByNameAndIndex) {
  ControlArray<TextBox, 5> row{main, "VapConc"};
  EXPECT_EQ(row[3].index(), 3);
  EXPECT_EQ(row[3].displayName(), "VapConc(3)");
  EXPECT_EQ(main.findControl("VapConc", 5), &row[5]);
  EXPECT_EQ(main.findControl("B"), &main.B);
  EXPECT_THROW(row[0], std::out_of_range);
  EXPECT_THROW(row[6], std::out_of_range);
  EXPECT_EQ(app.findForm("Dialog"), &dialog);
}

}  // namespace
}  // namespace forms::testing
