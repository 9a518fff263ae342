// The hit-count labels lie over a corner of their outside spots.
#include <gtest/gtest.h>

#include "TableWindow.h"
#include "layout/BetSpotCatalogue.h"

namespace {
constexpr int kOutsideHitLabels = 12;

struct HitCorner {
    int label; // index in the order of OutsideHits
    int spot;  // the outside spot it lies on
};

constexpr HitCorner kCorners[] = {
    {0, slot::lblLow},      {1, slot::lblHigh},        {2, slot::lblEven},          {3, slot::lblRed},
    {4, slot::lblBlack},    {5, slot::lblOdd},         {6, slot::lblFirstDoz},      {7, slot::lblSecondDoz},
    {8, slot::lblThirdDoz}, {9, slot::lblFirstColumn}, {10, slot::lblSecondColumn}, {11, slot::lblThirdColumn},
};
static_assert(std::size(kCorners) == kOutsideHitLabels);

class HitLabelCorner : public testing::TestWithParam<HitCorner> {};

TEST_P(HitLabelCorner, takesNoChipWhileShownAndLetsTheClickThroughOnceHidden) {
    TableWindow table;
    const HitCorner corner = GetParam();
    const QPoint inside = TableWindow::centreOf(outsideHitLabelRect(corner.label));
    ASSERT_TRUE(toQRect(spotGeometry(corner.spot).spot).contains(inside)) << "the label lies off its spot";
    QLabel* hits = table.label(ctl::outsideHitLabel(corner.label));
    ASSERT_TRUE(hits->isVisible()) << "hit-count labels are visible from start-up";

    table.click(inside, Qt::LeftButton);
    EXPECT_EQ(table.game().state().Stakes[static_cast<std::size_t>(corner.spot)], 0);

    // Number of Hits on, then off again: the labels are hidden.
    table.game().menuClicked(MenuItem::mnuNumHits);
    table.click(inside, Qt::LeftButton);
    EXPECT_EQ(table.game().state().Stakes[static_cast<std::size_t>(corner.spot)], 0);
    table.game().menuClicked(MenuItem::mnuNumHits);
    ASSERT_FALSE(hits->isVisible());

    table.click(inside, Qt::LeftButton);
    EXPECT_EQ(table.game().state().Stakes[static_cast<std::size_t>(corner.spot)], 1);
}

INSTANTIATE_TEST_SUITE_P(EveryOutsideSpot, HitLabelCorner, testing::ValuesIn(kCorners),
                         [](const testing::TestParamInfo<HitCorner>& info) {
                             return std::string(betSpot(info.param.spot).name);
                         });
} // namespace
