#include <gtest/gtest.h>

#include "layout/BetSpotCatalogue.h"

TEST(Catalogue, placeholder_builds) { EXPECT_EQ(betSpots().size(), 161u); }
