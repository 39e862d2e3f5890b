#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "engine/helpers/column_code.h"
#include "engine/helpers/key_filters.h"
#include "engine/helpers/mru_files.h"
#include "engine/core/settings_store.h"
#include "engine/stats/stat_context.h"
#include "support/scripted_ui.h"

namespace vostrel {
namespace {

TEST(ColumnCode, EncodesAndDecodesEveryColumn) {
    EXPECT_EQ(ColumnCode(1), "AB");
    EXPECT_EQ(ColumnCode(25), "BA");
    EXPECT_EQ(ColumnCode(26), "BB");
    for (int c = 1; c <= 512; ++c) EXPECT_EQ(DecodeColumnCode(ColumnItem(c, "name")), c);
    // Sorting the items keeps the columns in data order.
    for (int c = 1; c < 512; ++c) EXPECT_LT(ColumnItem(c, "z"), ColumnItem(c + 1, "a"));
    EXPECT_EQ(ColumnItemName(ColumnItem(7, "Weight")), "Weight");
    EXPECT_EQ(DecodeColumnCode("A"), 0);
}

class MRUFilesTest : public ::testing::Test {
  protected:
    MemorySettingsStore store;
    StatContext ctx;
};

TEST_F(MRUFilesTest, NewFilesGoFirstAndAKnownFileMovesUp) {
    TMRUFiles mru(store, ctx);
    for (int i = 1; i <= 10; ++i) mru.UpdateList("/data/f" + std::to_string(i) + ".dat");
    EXPECT_EQ(mru.Flist[0], "/data/f10.dat");
    EXPECT_EQ(mru.Flist[8], "/data/f2.dat");  // f1 dropped out

    mru.UpdateList("/DATA/F6.DAT");  // position 5, names compared ignoring case
    EXPECT_EQ(mru.Flist[0], "/DATA/F6.DAT");
    EXPECT_EQ(mru.Flist[1], "/data/f10.dat");
    EXPECT_EQ(mru.Flist[4], "/data/f7.dat");
    EXPECT_EQ(mru.Flist[5], "/data/f5.dat");
    EXPECT_EQ(mru.Flist[8], "/data/f2.dat");

    const int writes = store.WriteCount();
    mru.UpdateList("/data/f6.dat");  // already first: nothing rewritten
    EXPECT_EQ(store.WriteCount(), writes);

    TMRUFiles again(store, ctx);  // the list lives in the settings
    EXPECT_EQ(again.Flist[0], "/DATA/F6.DAT");
    EXPECT_EQ(again.LastPath(), "/DATA");
}

TEST_F(MRUFilesTest, MenuShowsTheNonEmptyEntries) {
    TMRUFiles mru(store, ctx);
    EXPECT_FALSE(mru.SeparatorVisible());
    mru.UpdateList("/a/one.dat");
    mru.UpdateList("/a/two.dat");
    std::vector<TMRUFiles::MenuEntry> entries = mru.FileClick();
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].caption, "&1  /a/two.dat");
    EXPECT_EQ(entries[0].caption.substr(4), entries[0].path);
    EXPECT_TRUE(mru.SeparatorVisible());
}

TEST_F(MRUFilesTest, UnavailableSettingsLeaveTheListAlone) {
    store.SetAvailable(false);
    TMRUFiles mru(store, ctx);
    mru.UpdateList("/a/one.dat");
    EXPECT_EQ(ctx.StatErrorCode, 1);
    EXPECT_EQ(mru.Flist[0], "");
}

TEST(MRUFiles, AMissingFileIsReported) {
    vostrel::testing::ScriptedUserInterface ui;
    EXPECT_FALSE(TMRUFiles::CheckExists("/no/such/file.dat", ui));
    EXPECT_THAT(ui.errors, ::testing::ElementsAre("File Not Found!\n\n/no/such/file.dat"));
}

TEST(KeyFilters, SignedReal) {
    EditBoxState empty;
    KeyDecision dot = SignedRealKeyFilter(empty, '.');
    ASSERT_TRUE(dot.accept);
    ASSERT_TRUE(dot.prepare.has_value());
    EXPECT_EQ(dot.prepare->text, "0 ");
    EXPECT_EQ(dot.prepare->selStart, 1);
    EXPECT_EQ(dot.prepare->selLength, 1);

    KeyDecision afterMinus = SignedRealKeyFilter({"-", 1, 0}, '.');
    ASSERT_TRUE(afterMinus.prepare.has_value());
    EXPECT_EQ(afterMinus.prepare->text, "-0 ");

    EXPECT_FALSE(SignedRealKeyFilter({"1.5", 3, 0}, '.').accept);
    EXPECT_TRUE(SignedRealKeyFilter({"1.5", 1, 2}, '.').accept);  // the "." is selected
    EXPECT_FALSE(SignedRealKeyFilter({"5", 1, 0}, '-').accept);
    EXPECT_TRUE(SignedRealKeyFilter({"5", 0, 0}, '-').accept);
    EXPECT_TRUE(SignedRealKeyFilter({"5", 1, 0}, 'e').accept);
    EXPECT_FALSE(SignedRealKeyFilter({"5", 1, 0}, 'x').accept);
    for (char control : {3, 8, 22, 24})
        EXPECT_TRUE(SignedRealKeyFilter({"1.5", 3, 0}, control).accept);
}

TEST(KeyFilters, UnsignedComboAndInteger) {
    EXPECT_FALSE(UnsignedRealKeyFilter({"", 0, 0}, '-').accept);
    EXPECT_TRUE(UnsignedRealKeyFilter({"", 0, 0}, '.').prepare.has_value());
    EXPECT_FALSE(ComboRealKeyFilter({"1", 1, 0}, 'e').accept);
    EXPECT_FALSE(ComboRealKeyFilter({"1.", 2, 0}, '.').accept);
    EXPECT_EQ(ComboRealKeyFilter({"", 0, 0}, '.').prepare->text, "0 ");
    EXPECT_TRUE(IntegerKeyFilter('7').accept);
    EXPECT_FALSE(IntegerKeyFilter('.').accept);
    EXPECT_TRUE(IntegerKeyFilter(8).accept);
}

TEST(KeyFilters, NumberListsAndPastedText) {
    for (char key : {'7', '.', ',', ' ', '\b'}) EXPECT_TRUE(NumberListKeyFilter(key).accept);
    for (char key : {'-', 'e', 'x'}) EXPECT_FALSE(NumberListKeyFilter(key).accept);
    EXPECT_FALSE(FilterKey(KeyFilterKind::UnsignedReal, {"", 0, 0}, '-').accept);
    EXPECT_TRUE(FilterKey(KeyFilterKind::SignedReal, {"", 0, 0}, '-').accept);

    EXPECT_TRUE(TextFitsKeyFilter(KeyFilterKind::SignedReal, "-1.5E3"));
    EXPECT_FALSE(TextFitsKeyFilter(KeyFilterKind::UnsignedReal, "-1"));
    EXPECT_FALSE(TextFitsKeyFilter(KeyFilterKind::SignedReal, "abc"));
    EXPECT_TRUE(TextFitsKeyFilter(KeyFilterKind::NumberList, "1, 2.5,3"));
    EXPECT_FALSE(TextFitsKeyFilter(KeyFilterKind::Integer, "1.5"));
}

}  // namespace
}  // namespace vostrel
