// The cartridge screen driven headless through the data-input screen: loading the cartridge file,
// the name box, Search and Save, Clear, the affinity for water and Return's roads.
#include <gtest/gtest.h>

#include "support/ProgramFixture.h"
#include "platform/forms/KeyCodes.h"
#include "records/ModCartridge.h"
#include "state/SetUp.h"

namespace tess::databases {
using namespace testing;
using Texts = std::vector<std::string>;

namespace {

class CartridgeScreenTest : public ProgramFixture {
 protected:
  frmCartridgeMulti& c = cartridge;
};

TEST_F(CartridgeScreenTest, LoadListsTheFileSearchFillsTheFieldsAndSaveAppendsOrRevises) {
  writeRecords(cartridgePath(), {cartridgeRecord("Type B"), cartridgeRecord("type a", "9.1")});
  openCartridge();
  EXPECT_EQ(c.NumCartRecords(), 2);
  EXPECT_EQ(c.CartName.items(), (Texts{listKey("TYPE A"), listKey("TYPE B")}));
  EXPECT_EQ(texts({&c.CartName, &c.BedDiam, &c.AffinityForWater}), (Texts{"None Selected", "", ""}));
  EXPECT_TRUE(c.CartName.hasFocus());
  // The whole name is selected, so typing replaces it.
  EXPECT_EQ(std::pair(c.CartName.selStart(), c.CartName.selLength()), std::pair(0, 13));
  typeCartridge("Mine");
  app.chooseItem(c.CartName, 0);
  EXPECT_EQ(texts({&c.CartName, &c.BedDiam, &c.AffinityForWater}), (Texts{listKey("TYPE A"), "", ""}));
  app.click(c.cmdSearch);
  EXPECT_EQ(texts({&c.CartName, &c.BedDiam, &c.RelHumPre, &c.AffinityForWater}),
            (Texts{"type a", "9.1", "50", "0.061"}));
  // Not found: the message; the name box, the fields and the list keep their texts.
  type({{&c.CartName, "Type C"}, {&c.BedDiam, "5"}});
  app.expectMessage("Can't find TYPE C.", "Search for a Record");
  app.click(c.cmdSearch);
  EXPECT_EQ(texts({&c.CartName, &c.BedDiam}), (Texts{"Type C", "5"}));
  EXPECT_EQ(c.CartName.itemCount(), 2);

  // Save appends a new name, leading blanks kept and the weight rounded to its 8 characters.
  const std::string onFile = fileBytes(cartridgePath());
  typeCartridge("  Carbon bed 1");
  app.editText(c.CarbWgt, "123.456789");
  app.click(c.cmdSave);
  std::string bytes = fileBytes(cartridgePath());
  ASSERT_EQ(bytes.size(), 3 * 99u);
  EXPECT_EQ(bytes.substr(2 * 99, 35), "  Carbon bed 1" + std::string(21, ' '));
  EXPECT_EQ(bytes.substr(2 * 99 + 51, 8), "123.4568");
  EXPECT_EQ(texts({&c.CartName, &c.CarbWgt}), (Texts{"  Carbon bed 1", "123.4568"}));
  EXPECT_EQ(c.CartName.items(), (Texts{listKey("CARBON BED 1"), listKey("TYPE A"), listKey("TYPE B")}));
  // The same name in capitals: the question; Yes rewrites record 3 and leaves the others as they
  // were (the count stays: see the last count below).
  typeCartridge("CARBON BED 1", "60");
  app.expectMessage(reviseQuestion("cartridge"), "Revise a Record", forms::MsgAnswer::Yes);
  app.click(c.cmdSave);
  bytes = fileBytes(cartridgePath());
  const auto revised = records::CartridgeRecord::assemble("CARBON BED 1", "8.4", "1.9", "42", "0.45", "60",
                                                          "0.15", "28.0", "0.1");
  EXPECT_EQ(bytes, onFile + revised.toBytes());
  app.editText(c.CartName, "  ");  // a blank name is refused
  app.expectMessage("Enter a cartridge name.", "Add a Record");
  app.click(c.cmdSave);
  EXPECT_EQ(fileBytes(cartridgePath()), bytes);
  // A name longer than the 35 characters of its field, saved twice, is asked about the second time.
  const std::string cutQuestion = storedNameQuestion(NameTooLong, "Powered air purifying respirator ca");
  for (const bool onFile : {false, true}) {
    typeCartridge("Powered air purifying respirator cartridge");  // 42 characters
    app.expectMessage(cutQuestion, "Add a Record", forms::MsgAnswer::Yes);
    if (onFile) app.expectMessage(reviseQuestion("cartridge"), "Revise a Record", forms::MsgAnswer::No);
    app.click(c.cmdSave);
  }
  EXPECT_EQ(c.NumCartRecords(), 4);
}

// Return stores the cartridge, unchecked texts as they stand, and the affinity for water that the
// model uses from the entered value and the preconditioning humidity [%]: scaled by 5/3 strictly
// above 50 %. The focus goes to the first vapor button; the close box acts as Return.
TEST_F(CartridgeScreenTest, ReturnStoresTheCartridgeDerivesTheAffinityForWaterAndMovesToTheFirstVapor) {
  openCartridge();
  typeCartridge("   ");  // blanks only: accepted
  c.MicVol.setText("12abc");  // as from a record, unchecked
  c.DiamGran.setText(" ");
  app.click(c.cmdExit);
  const CartridgeData& cart = state.Cart;
  EXPECT_EQ(cart.CartName, "   ");
  EXPECT_EQ(input.CartName.caption(), "   ");
  EXPECT_EQ((std::vector<float>{cart.BedDiam, cart.Bed_Depth, cart.CarbWgt, cart.MicVol, cart.DiamGran,
                                cart.APBenzene}),
            (std::vector<float>{8.4f, 1.9f, 42.0f, 12.0f, 0.0f, 28.0f}));
  EXPECT_FALSE(c.visible());
  EXPECT_TRUE(input.SelectVap[1].hasFocus());

  openVaporSlot(1);  // also when vapor 1 is already set, the focus goes to its button
  typeVapor("Acetone", "67-64-1");
  app.click(vapor.cmdExit);
  const float scaled = static_cast<float>((5.0 / 3.0) * 0.1f);
  const struct { const char* relHumPre; float fraction; float betaH2O; } cases[] = {
      {"50", 0.5f, 0.1f}, {"51", 0.51f, scaled}, {"50.5", static_cast<float>(50.5 / 100.0), scaled}};
  for (const auto& test : cases) {
    openCartridge();
    typeCartridge("Cart", test.relHumPre, "0.1");
    app.closeWindow(c);
    EXPECT_EQ(cart.CartName, "Cart");
    EXPECT_EQ(cart.RelHumPre, test.fraction) << test.relHumPre;
    EXPECT_EQ(cart.BetaH2O, test.betaH2O) << test.relHumPre;
    EXPECT_EQ(cart.BetaH2OHalf, test.betaH2O / 2) << test.relHumPre;
    EXPECT_FALSE(c.visible());
    EXPECT_TRUE(input.SelectVap[1].hasFocus());
  }
  // An affinity that fits a 32-bit number only until it is scaled by 5/3 is refused by name.
  openCartridge();
  typeCartridge("Other", "60");
  app.focus(c.CartName);
  c.AffinityForWater.setText("3e38");
  app.expectMessage("The affinity coefficient for water 3e38 is too large. Enter a value from 0.01 to 0.20.",
                    "Invalid Entry");
  app.click(c.cmdExit);
  EXPECT_TRUE(c.AffinityForWater.hasFocus());
  EXPECT_EQ(cart.CartName, "Cart");
}

TEST_F(CartridgeScreenTest, ClearAndIncompleteEntriesGoThroughTheDialogAndStoreNothing) {
  openCartridge();
  typeCartridge("Cart", "60", "0.1");
  app.click(c.cmdExit);
  state.Cart.BedDensity = 0.4f;
  // Clear zeroes the cartridge but keeps its name and what the screen does not hold; Return is
  // refused, after Clear as with any entry that lacks its name or a value.
  openCartridge();
  app.click(c.cmdClear);
  const CartridgeData& cart = state.Cart;
  EXPECT_EQ(cart.CartName, "Cart");
  EXPECT_EQ(
      (std::vector<float>{cart.BedDiam, cart.RelHumPre, cart.BetaH2O, cart.BetaH2OHalf, cart.BedDensity}),
      (std::vector<float>{0, 0, 0, 0, 0.4f}));
  EXPECT_EQ(c.CartName.text(), "");
  EXPECT_TRUE(c.CartName.hasFocus());
  EXPECT_EQ(input.CartName.caption(), "Cart");
  expectIncompleteDialog();
  app.click(c.cmdExit);
  EXPECT_TRUE(c.visible());

  const struct { const char* name; const char* relHumPre; const char* bedDiam; } cases[] = {
      {"None Selected", "50", "8.4"}, {"  NONE SELECTED ", "50", "8.4"}, {"", "50", "8.4"},
      {"Cart", "  ", "8.4"},  // a humidity of blanks counts as empty
      {"Cart", "50", ""}};
  for (const auto& test : cases) {
    typeCartridge(test.name);
    c.RelHumPre.setText(test.relHumPre);  // as from a record: texts no field check has seen
    c.BedDiam.setText(test.bedDiam);
    expectIncompleteDialog();
    app.click(c.cmdExit);
    EXPECT_TRUE(c.visible()) << test.name;
    EXPECT_EQ(texts({&c.CartName, &c.BedDiam}), (Texts{test.name, test.bedDiam}));
    EXPECT_EQ(state.Cart.BedDiam, 0.0f) << test.name;
    EXPECT_EQ(input.CartName.caption(), "Cart");
  }
}

TEST_F(CartridgeScreenTest, FieldsCheckOnEnterAndTheLastHandsTheFocusToReturn) {
  openCartridge();
  app.editText(c.AffinityForWater, "0.1");
  app.pressKey(forms::KeyReturn);
  EXPECT_TRUE(c.cmdExit.hasFocus());
  app.editText(c.AffinityForWater, "0.3");
  app.expectMessage("This entry must be less than or equal to 0.20 ", "Invalid Entry");
  app.pressKey(forms::KeyReturn);
  EXPECT_TRUE(c.AffinityForWater.hasFocus());
  type({{&c.AffinityForWater, "0.1"}, {&c.CarbWgt, "1001"}});
  app.expectMessage("This entry must be less than or equal to 1,000 ", "Invalid Entry");
  app.pressKey(forms::KeyReturn);
  app.editText(c.CarbWgt, "0");
  app.expectMessage("This entry must not equal zero ", "Invalid Entry");
  app.click(c.cmdExit);
  EXPECT_TRUE(c.CarbWgt.hasFocus());
  EXPECT_TRUE(c.visible());
}

// A text holding a comma is refused, typed (by the box's check when Save or Return takes the
// focus) or standing unchecked as from a record (by Save and Return themselves): Save writes
// nothing, Return stores nothing, and the focus goes to the box.
TEST_F(CartridgeScreenTest, ATextHoldingACommaIsRefusedBySaveAndByReturn) {
  writeRecords(cartridgePath(), {cartridgeRecord("Old")});
  openCartridge();
  typeCartridge("Cart");
  expectCommaTextsRefused(c.DiamGran, c.BedDiam, {&c.cmdSave, &c.cmdExit});
  EXPECT_EQ(fileBytes(cartridgePath()).size(), 99u);
  EXPECT_EQ(state.Cart.CartName, "");
  EXPECT_EQ(state.Cart.BedDiam, 0.0f);
}

}  // namespace
}  // namespace tess::databases
