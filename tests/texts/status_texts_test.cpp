// Texts of the place, time and date panes.
#include "texts/StatusTexts.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct PaneCase {
    SkyDate date;
    const char* time;
    const char* dateText;
};

class PaneTextTest : public ::testing::TestWithParam<PaneCase> {};

TEST_P(PaneTextTest, TimeAndDate) {
    const PaneCase& c = GetParam();
    EXPECT_EQ(TimePaneText(c.date), c.time);
    EXPECT_EQ(DatePaneText(c.date), c.dateText);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PaneTextTest,
    ::testing::Values(PaneCase{{1998, 12, 7, 21, 5, 0}, "21:05", "07  Dec 1998"},
                      PaneCase{{2000, 1, 1, 0, 0, 0}, "0:00", "01  Jan 2000"},
                      PaneCase{{1997, 12, 31, 9, 0, 59}, "9:00", "31  Dec 1997"},
                      PaneCase{{2099, 6, 10, 23, 59, 0}, "23:59", "10  Jun 2099"},
                      PaneCase{{1901, 2, 9, 12, 10, 0}, "12:10", "09  Feb 1901"},
                      // A date the engine was handed unchecked shows the month's number.
                      PaneCase{{1999, 13, 40, 0, 7, 0}, "0:07", "40  13 1999"}));

TEST(MonthAbbreviationTest, AllTwelveAndNothingOutside) {
    const char* const want[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    for (int m = 1; m <= 12; ++m) {
        EXPECT_EQ(MonthAbbreviation(m), want[m - 1]);
    }
    EXPECT_TRUE(MonthAbbreviation(0).empty());
    EXPECT_TRUE(MonthAbbreviation(13).empty());
}

TEST(PlacePaneTest, ThePlaceNameUnchanged) {
    Observer o;
    o.Location = "  Ceske Budejovice ";
    EXPECT_EQ(PlacePaneText(o), "  Ceske Budejovice ");
}

} // namespace
