// Data exchange between dialog members and controls: the order of the boxes, the refusal of
// anything but an unsigned 32-bit decimal, and where the focus goes on a refusal.
#include <gtest/gtest.h>

#include "dialog_test_support.h"

namespace korvat::platform {
namespace {

using testing::DelaysDialog;

TEST(ParseUnsigned, AcceptsDigitsWithBlanksAndTabsAround) {
    uint32_t value = 7;
    EXPECT_TRUE(parseUnsigned("0", value));
    EXPECT_EQ(value, 0u);
    EXPECT_TRUE(parseUnsigned(" \t 250\t ", value));
    EXPECT_EQ(value, 250u);
    EXPECT_TRUE(parseUnsigned("0042", value));
    EXPECT_EQ(value, 42u);
    EXPECT_TRUE(parseUnsigned("4294967295", value));
    EXPECT_EQ(value, 4294967295u);
}

TEST(ParseUnsigned, RefusesEverythingElseAndKeepsTheValue) {
    for (const char* text : {"", " ", "\t", "4294967296", "99999999999999999999", "-1", "+5", "1 2",
                             "12a", "a12", "0x10", "1.5", "\n5", "5\n"}) {
        uint32_t value = 77;
        EXPECT_FALSE(parseUnsigned(text, value)) << '"' << text << '"';
        EXPECT_EQ(value, 77u) << '"' << text << '"';
    }
}

TEST(DialogExchange, FillingWritesPlainDecimals) {
    DelaysDialog dialog;
    dialog.appear = 0;
    dialog.jump = 4294967295u;
    dialog.sound = false;
    dialog.create();
    EXPECT_EQ(dialog.itemText(1005), "0");
    EXPECT_EQ(dialog.itemText(1004), "2");
    EXPECT_EQ(dialog.itemText(1002), "4294967295");
    EXPECT_EQ(dialog.itemText(1003), "4");
    EXPECT_FALSE(dialog.isChecked(1008));
}

TEST(DialogExchange, OkTakesAllBoxesAndEndsWithOk) {
    DelaysDialog dialog;
    dialog.create();
    dialog.setItemText(1005, " 10 ");
    dialog.setItemText(1004, "\t20");
    dialog.setItemText(1002, "0");
    dialog.setItemText(1003, "40\t");
    dialog.setChecked(1008, false);
    dialog.OnOK();
    EXPECT_TRUE(dialog.messages.empty());
    EXPECT_TRUE(dialog.modalEnded());
    EXPECT_EQ(dialog.modalResult(), kIdOK);
    EXPECT_EQ(dialog.appear, 10u);
    EXPECT_EQ(dialog.explosion, 20u);
    EXPECT_EQ(dialog.jump, 0u);
    EXPECT_EQ(dialog.move, 40u);
    EXPECT_FALSE(dialog.sound);
}

TEST(DialogExchange, InvalidBoxStopsTheExchangeThereAndTakesTheFocus) {
    DelaysDialog dialog;
    dialog.create();
    dialog.setItemText(1005, "11");
    dialog.setItemText(1004, "22");
    dialog.setItemText(1002, "");  // the cleared Jump box
    dialog.setItemText(1003, "44");
    dialog.OnOK();
    ASSERT_EQ(dialog.messages.size(), 1u);
    EXPECT_EQ(dialog.messages[0], "Please enter a positive integer.");
    EXPECT_EQ(dialog.focusId(), 1002);
    EXPECT_FALSE(dialog.modalEnded());
    // Boxes before the invalid one were taken, the one after it not.
    EXPECT_EQ(dialog.appear, 11u);
    EXPECT_EQ(dialog.explosion, 22u);
    EXPECT_EQ(dialog.jump, 3u);
    EXPECT_EQ(dialog.move, 4u);
    // The refused text is selected, so typing replaces it.
    EXPECT_TRUE(testing::editBox(dialog, 1002).allSelected() || dialog.itemText(1002).empty());
}

TEST(DialogExchange, NumberBeyond32BitsIsRefused) {
    DelaysDialog dialog;
    dialog.create();
    dialog.setItemText(1004, "4294967296");
    dialog.OnOK();
    ASSERT_EQ(dialog.messages.size(), 1u);
    EXPECT_EQ(dialog.focusId(), 1004);
    EXPECT_EQ(dialog.explosion, 2u);
    EXPECT_FALSE(dialog.modalEnded());
    EXPECT_TRUE(testing::editBox(dialog, 1004).allSelected());

    // Corrected, the same dialog goes through.
    dialog.setItemText(1004, "4294967295");
    dialog.OnOK();
    EXPECT_EQ(dialog.messages.size(), 1u);
    EXPECT_EQ(dialog.explosion, 4294967295u);
    EXPECT_EQ(dialog.modalResult(), kIdOK);
}

TEST(DialogExchange, CancelTakesNothing) {
    DelaysDialog dialog;
    dialog.create();
    dialog.setItemText(1005, "999");
    dialog.OnCancel();
    EXPECT_EQ(dialog.modalResult(), kIdCancel);
    EXPECT_EQ(dialog.appear, 1u);
}

}  // namespace
}  // namespace korvat::platform
