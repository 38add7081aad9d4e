// The cartridge screen driven headless through the data-input screen: loading the cartridge file,
// the name box, Search and Save, Clear, the affinity for water and Return's roads.
#include <gtest/gtest.h>

#include "ScreenFixture.h"
#include "databases/ModCartridge.h"
#include "platform/forms/KeyCodes.h"
#include "state/SetUp.h"

using tess::testing::DatabaseScreenTest;
using tess::testing::listKey;

namespace {

class CartridgeScreenTest : public DatabaseScreenTest {};

TEST_F(CartridgeScreenTest, LoadListsTheFileAndEmptiesTheFields) {
  writeCartridgeFile({cartridgeRecord("Type B"), cartridgeRecord("type a", "9.1")});
  openCartridge();
  frmCartridgeMulti& c = cartridge();
  EXPECT_EQ(c.caption(), "Cartridge or Carbon Bed Data");
  EXPECT_EQ(c.NumCartRecords(), 2);
  EXPECT_EQ(c.CartName.items(), (std::vector<std::string>{listKey("TYPE A"), listKey("TYPE B")}));
  EXPECT_EQ(c.CartName.text(), "None Selected");
  EXPECT_TRUE(c.CartName.hasFocus());
  EXPECT_EQ(c.BedDiam.text(), "");
  EXPECT_EQ(c.AffinityForWater.text(), "");
}

TEST_F(CartridgeScreenTest, PickingANameEmptiesTheFieldsAndSearchFillsThem) {
  writeCartridgeFile({cartridgeRecord("Type B"), cartridgeRecord("type a", "9.1")});
  openCartridge();
  frmCartridgeMulti& c = cartridge();
  typeCartridge("Mine");
  app.chooseItem(c.CartName, 0);
  EXPECT_EQ(c.CartName.text(), listKey("TYPE A"));
  EXPECT_EQ(c.BedDiam.text(), "");
  EXPECT_EQ(c.AffinityForWater.text(), "");

  app.click(c.cmdSearch);
  EXPECT_EQ(c.CartName.text(), "type a");
  EXPECT_EQ(c.BedDiam.text(), "9.1");
  EXPECT_EQ(c.RelHumPre.text(), "50");
  EXPECT_EQ(c.AffinityForWater.text(), "0.061");

  // Not found: the message; the name box, the fields and the list keep their texts.
  app.editText(c.CartName, "Type C");
  app.editText(c.BedDiam, "5");
  app.expectMessage("Can't find TYPE C.", "Search for a Record");
  app.click(c.cmdSearch);
  EXPECT_EQ(c.CartName.text(), "Type C");
  EXPECT_EQ(c.BedDiam.text(), "5");
  EXPECT_EQ(c.CartName.itemCount(), 2);
}

TEST_F(CartridgeScreenTest, SaveAppendsNewNamesAndRevisesNamesOnFile) {
  openCartridge();
  frmCartridgeMulti& c = cartridge();
  typeCartridge("  Carbon bed 1");
  app.editText(c.CarbWgt, "123.456789");
  app.click(c.cmdSave);
  std::string bytes = fileBytes(cartridgePath());
  ASSERT_EQ(bytes.size(), 99u);
  EXPECT_EQ(bytes.substr(0, 35), "  Carbon bed 1" + std::string(21, ' '));
  EXPECT_EQ(bytes.substr(51, 8), "123.4567");
  EXPECT_EQ(c.CartName.text(), "  Carbon bed 1");
  EXPECT_EQ(c.CarbWgt.text(), "123.4567");
  EXPECT_EQ(c.CartName.items(), std::vector<std::string>{listKey("CARBON BED 1")});

  // The same name in capitals: the question; Yes rewrites record 1, the count stays.
  typeCartridge("CARBON BED 1", "60");
  app.expectMessage("This cartridge is already on file.\r\nDo you want to save \r\na revised record?",
                    "Revise a Record", forms::MsgAnswer::Yes);
  app.click(c.cmdSave);
  bytes = fileBytes(cartridgePath());
  EXPECT_EQ(bytes, tess::databases::CartridgeRecord::assemble("CARBON BED 1", "8.4", "1.9", "42", "0.45", "60",
                                                              "0.15", "28.0", "0.1")
                       .toBytes());
  EXPECT_EQ(c.NumCartRecords(), 1);

  // A blank name is refused.
  app.editText(c.CartName, "  ");
  app.expectMessage("Enter a cartridge name.", "Add a Record");
  app.click(c.cmdSave);
  EXPECT_EQ(fileBytes(cartridgePath()), bytes);
}

TEST_F(CartridgeScreenTest, ALongNameSavedTwiceRevisesItsOwnRecord) {
  openCartridge();
  const std::string longName = "Powered air purifying respirator cartridge";  // 42 characters
  typeCartridge(longName);
  app.click(cartridge().cmdSave);
  typeCartridge(longName);
  app.expectMessage("This cartridge is already on file.\r\nDo you want to save \r\na revised record?",
                    "Revise a Record", forms::MsgAnswer::No);
  app.click(cartridge().cmdSave);
  EXPECT_EQ(cartridge().NumCartRecords(), 1);
}

// The affinity for water that the model uses, from the entered value and the preconditioning
// humidity [%]: scaled by 5/3 strictly above 50 %.
TEST_F(CartridgeScreenTest, ReturnDerivesTheAffinityForWaterFromThePreconditioningHumidity) {
  struct Case {
    const char* relHumPre;
    float fraction;
    float betaH2O;
  };
  const float scaled = static_cast<float>((5.0 / 3.0) * 0.1f);
  const Case cases[] = {
      {"50", 0.5f, 0.1f},
      {"51", 0.51f, scaled},
      {"50.5", static_cast<float>(50.5 / 100.0), scaled},
  };
  for (const Case& test : cases) {
    openCartridge();
    typeCartridge("Cart", test.relHumPre, "0.1");
    app.click(cartridge().cmdExit);
    const CartridgeData& cart = state().Cart;
    EXPECT_EQ(cart.RelHumPre, test.fraction) << test.relHumPre;
    EXPECT_EQ(cart.BetaH2O, test.betaH2O) << test.relHumPre;
    EXPECT_EQ(cart.BetaH2OHalf, test.betaH2O / 2) << test.relHumPre;
  }
}

TEST_F(CartridgeScreenTest, ReturnStoresTheCartridgeAndMovesToTheFirstVaporButton) {
  openCartridge();
  typeCartridge("   ");  // blanks only: accepted
  cartridge().MicVol.setText("12abc");  // as from a record, unchecked
  cartridge().DiamGran.setText(" ");
  app.click(cartridge().cmdExit);
  const CartridgeData& cart = state().Cart;
  EXPECT_EQ(cart.CartName, "   ");
  EXPECT_EQ(input().CartName.caption(), "   ");
  EXPECT_EQ(cart.BedDiam, 8.4f);
  EXPECT_EQ(cart.Bed_Depth, 1.9f);
  EXPECT_EQ(cart.CarbWgt, 42.0f);
  EXPECT_EQ(cart.MicVol, 12.0f);
  EXPECT_EQ(cart.DiamGran, 0.0f);
  EXPECT_EQ(cart.APBenzene, 28.0f);
  EXPECT_FALSE(cartridge().visible());
  EXPECT_TRUE(input().visible());
  EXPECT_TRUE(input().SelectVap[1].hasFocus());

  // Also when vapor 1 is already set, the focus goes to its button.
  openVaporSlot(1);
  typeVapor("Acetone", "67-64-1");
  app.click(vapor().cmdExit);
  openCartridge();
  app.click(cartridge().cmdExit);
  EXPECT_TRUE(input().SelectVap[1].hasFocus());
}

TEST_F(CartridgeScreenTest, IncompleteEntriesGoThroughTheDialogAndStoreNothing) {
  openCartridge();
  struct Case {
    const char* name;
    const char* relHumPre;
    const char* bedDiam;
  };
  const Case cases[] = {
      {"None Selected", "50", "8.4"},
      {"  NONE SELECTED ", "50", "8.4"},
      {"", "50", "8.4"},
      {"Cart", "  ", "8.4"},  // a humidity of blanks counts as empty
      {"Cart", "50", ""},
  };
  for (const Case& test : cases) {
    app.editText(cartridge().CartName, test.name);
    typeCartridgeFields();
    // As from a record: texts that no field check has seen.
    cartridge().RelHumPre.setText(test.relHumPre);
    cartridge().BedDiam.setText(test.bedDiam);
    app.scriptModal("ExitDialog", [&] { app.click(exitDialog().ReturnButton); });
    app.click(cartridge().cmdExit);
    EXPECT_TRUE(cartridge().visible()) << test.name;
    EXPECT_EQ(cartridge().CartName.text(), test.name);
    EXPECT_EQ(cartridge().BedDiam.text(), test.bedDiam);
    EXPECT_EQ(state().Cart.BedDiam, 0.0f) << test.name;
    EXPECT_EQ(input().CartName.caption(), "None Selected");
  }
  EXPECT_EQ(app.modalForms().size(), 5u);
}

TEST_F(CartridgeScreenTest, ClearZeroesTheCartridgeButKeepsItsNameAndReturnIsRefused) {
  openCartridge();
  typeCartridge("Cart", "60", "0.1");
  app.click(cartridge().cmdExit);
  state().Cart.BedDensity = 0.4f;
  openCartridge();
  app.click(cartridge().cmdClear);
  const CartridgeData& cart = state().Cart;
  EXPECT_EQ(cart.CartName, "Cart");
  EXPECT_EQ(cart.BedDiam, 0.0f);
  EXPECT_EQ(cart.RelHumPre, 0.0f);
  EXPECT_EQ(cart.BetaH2O, 0.0f);
  EXPECT_EQ(cart.BetaH2OHalf, 0.0f);
  EXPECT_EQ(cart.BedDensity, 0.4f);
  EXPECT_EQ(cartridge().CartName.text(), "");
  EXPECT_TRUE(cartridge().CartName.hasFocus());
  EXPECT_EQ(input().CartName.caption(), "Cart");

  app.scriptModal("ExitDialog", [&] { app.click(exitDialog().ReturnButton); });
  app.click(cartridge().cmdExit);
  EXPECT_TRUE(cartridge().visible());
}

TEST_F(CartridgeScreenTest, FieldsCheckOnEnterAndTheLastHandsTheFocusToReturn) {
  openCartridge();
  frmCartridgeMulti& c = cartridge();
  app.editText(c.AffinityForWater, "0.1");
  app.pressKey(forms::KeyReturn);
  EXPECT_TRUE(c.cmdExit.hasFocus());
  EXPECT_TRUE(c.visible());

  app.editText(c.AffinityForWater, "0.3");
  app.expectMessage("This entry must be less than or equal to 0.20 ", "Invalid Entry");
  app.pressKey(forms::KeyReturn);
  EXPECT_TRUE(c.AffinityForWater.hasFocus());

  app.editText(c.AffinityForWater, "0.1");
  app.editText(c.CarbWgt, "1001");
  app.expectMessage("This entry must be less than or equal to 1,000 ", "Invalid Entry");
  app.pressKey(forms::KeyReturn);
  app.editText(c.CarbWgt, "0");
  app.expectMessage("This entry must not equal zero ", "Invalid Entry");
  app.click(c.cmdExit);
  EXPECT_TRUE(c.CarbWgt.hasFocus());
  EXPECT_TRUE(c.visible());
}

TEST_F(CartridgeScreenTest, TheCloseBoxActsAsReturn) {
  openCartridge();
  typeCartridge("Cart");
  app.closeWindow(cartridge());
  EXPECT_EQ(state().Cart.CartName, "Cart");
  EXPECT_FALSE(cartridge().visible());
  EXPECT_TRUE(input().visible());
}

}  // namespace
