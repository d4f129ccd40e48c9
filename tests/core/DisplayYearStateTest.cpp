#include <gtest/gtest.h>

#include "calendar/DisplayYearState.h"

namespace {

TEST(DisplayYearState, AStepBeyondTheRangeIsRefused) {
    // A step that would overshoot does not land on the end either.
    CDisplayYearState near(1690, 1, 1644, 1694);
    EXPECT_FALSE(near.Step(10));
    EXPECT_EQ(near.GetYear(), 1690);
    EXPECT_TRUE(near.Step(-46));
    EXPECT_EQ(near.GetYear(), 1644);
}

TEST(DisplayYearState, MonthGoesBackToOneOnlyWhenTheYearChanges) {
    CDisplayYearState state(1644, 7, 1644, 1694);
    EXPECT_FALSE(state.Step(-1));
    EXPECT_EQ(state.GetMonth(), 7);
    EXPECT_TRUE(state.Step(+1));
    EXPECT_EQ(state.GetYear(), 1645);
    EXPECT_EQ(state.GetMonth(), 1);
}

TEST(DisplayYearState, StartYearIsHeldInsideTheRange) {
    EXPECT_EQ(CDisplayYearState(1600, 1, 1644, 1694).GetYear(), 1644);
    EXPECT_EQ(CDisplayYearState(1800, 1, 1644, 1694).GetYear(), 1694);
    const CDisplayYearState reversed(1650, 1, 1694, 1644);
    EXPECT_EQ(reversed.GetLowestYear(), 1644);
    EXPECT_EQ(reversed.GetHighestYear(), 1694);
    EXPECT_EQ(reversed.GetYear(), 1650);
}

}  // namespace
