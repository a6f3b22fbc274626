// The message panel over the table keeps a message whole where it can: the panel's
// own font while four lines hold it, the smaller one when they do not, and a cut
// only when even that fails.
#include "ui/ScreenFixture.h"

#include "table/view/MessageBoxItem.h"
#include "table/view/TableArt.h"

#include "core/lcdui/2d/DisplayTables.h"

namespace {

const char* const TOURNAMENT_OVER
    = "You are out of the tournament in place 2. Your prize: $4,000.\nPress any key to continue.";
const char* const ALL_CHIPS_LOST = "You have lost all your chips.\nPress any key to continue.";

MessageBoxItem::Lines linesOf(const char* text)
{
    MessageBoxItem box;
    box.measure();
    box.setText(String(text));
    return box.lines();
}

} // namespace

using MessageBoxItemTest = ScreenFixture;

TEST_F(MessageBoxItemTest, TheEndOfATournamentIsShownWholeOnEveryDisplay)
{
    const int32_t length = String(TOURNAMENT_OVER).length();
    for (const auto& size : { std::pair<int32_t, int32_t>{ 176, 220 }, { 240, 320 }, { 480, 640 } }) {
        resize(size.first, size.second);
        const MessageBoxItem::Lines set = linesOf(TOURNAMENT_OVER);
        ASSERT_GT(set.ends.size(), 0) << size.first;
        EXPECT_LE(set.ends.size(), MessageBoxItem::MAX_LINES) << size.first;
        EXPECT_EQ(set.ends[set.ends.size() - 1], length) << size.first;
        // Only the narrowest display needs the smaller font for it.
        EXPECT_EQ(set.font, size.first == 176 ? FONT_STANDINGS : FONT_MESSAGE) << size.first;
        EXPECT_EQ(set.height, set.ends.size() * (TableArt::height(set.font) + displayTables().scalars.lineSpacing));
    }
    resize(176, 220);
    EXPECT_EQ(linesOf(ALL_CHIPS_LOST).font, FONT_MESSAGE);

    // Too long for either font: four lines of the smaller one, the rest cut.
    std::string lengthy;
    for (int i = 0; i < 12; ++i)
        lengthy += "Press any key to continue. ";
    const MessageBoxItem::Lines cut = linesOf(lengthy.c_str());
    EXPECT_EQ(cut.font, FONT_STANDINGS);
    ASSERT_EQ(cut.ends.size(), MessageBoxItem::MAX_LINES);
    EXPECT_LT(cut.ends[MessageBoxItem::MAX_LINES - 1], int32_t(lengthy.size()));
}
