#include "layout/BetSpotCatalogue.h"

#include <vector>

namespace {
// Slot, marker, kind (European, American), pockets covered (European,
// American) and limit (European, American) of every spot.
constexpr std::array<BetSpot, kSpotCount> kSpots = {{
    {"lblZeroA", 0, 0, {BetKind::Straight, BetKind::Straight}, {PocketSet{}, pockets({0})}, {100, 100}},
    {"lblZeroE", 1, 1, {BetKind::Straight, BetKind::Split}, {pockets({0}), pockets({0, kDoubleZero})}, {100, 100}},
    {"lblDoubleZero", 2, 2, {BetKind::Straight, BetKind::Straight}, {PocketSet{}, pockets({kDoubleZero})}, {100, 100}},
    {"lblFirstFour", 3, 3, {BetKind::FirstFour, BetKind::FirstFour}, {pockets({0, 1, 2, 3}), PocketSet{}}, {400, 400}},
    {"lblZeroOne", 4, 4, {BetKind::Split, BetKind::Split}, {pockets({0, 1}), pockets({0, 1})}, {200, 200}},
    {"lblZeroOneTwo", 5, 5, {BetKind::Trio, BetKind::Trio}, {pockets({0, 1, 2}), pockets({0, 1, 2})}, {300, 300}},
    {"lblZeroTwoA", 6, 6, {BetKind::Split, BetKind::Split}, {PocketSet{}, pockets({0, 2})}, {200, 200}},
    {"lblZeroDoubleZeroTwo", 7, 7, {BetKind::Split, BetKind::Trio}, {pockets({0, 2}), pockets({0, kDoubleZero, 2})}, {200, 300}},
    {"lblDoubleZeroTwo", 8, 8, {BetKind::Split, BetKind::Split}, {PocketSet{}, pockets({kDoubleZero, 2})}, {200, 200}},
    {"lblZeroTwoThree", 9, 9, {BetKind::Trio, BetKind::Trio}, {pockets({0, 2, 3}), pockets({kDoubleZero, 2, 3})}, {300, 300}},
    {"lblZeroThree", 10, 10, {BetKind::Split, BetKind::Split}, {pockets({0, 3}), pockets({kDoubleZero, 3})}, {200, 200}},
    {"lblOneThreeStreet", 11, 11, {BetKind::Street, BetKind::Street}, {pockets({1, 2, 3}), pockets({1, 2, 3})}, {300, 300}},
    {"lblOne", 12, 12, {BetKind::Straight, BetKind::Straight}, {pockets({1}), pockets({1})}, {100, 100}},
    {"lblOneTwo", 13, 13, {BetKind::Split, BetKind::Split}, {pockets({1, 2}), pockets({1, 2})}, {200, 200}},
    {"lblTwo", 14, 14, {BetKind::Straight, BetKind::Straight}, {pockets({2}), pockets({2})}, {100, 100}},
    {"lblTwoThree", 15, 15, {BetKind::Split, BetKind::Split}, {pockets({2, 3}), pockets({2, 3})}, {200, 200}},
    {"lblThree", 16, 16, {BetKind::Straight, BetKind::Straight}, {pockets({3}), pockets({3})}, {100, 100}},
    {"lblOneSixSixLine", 17, 17, {BetKind::SixLine, BetKind::SixLine}, {pockets({1, 2, 3, 4, 5, 6}), pockets({1, 2, 3, 4, 5, 6})}, {600, 600}},
    {"lblOneFour", 18, 18, {BetKind::Split, BetKind::Split}, {pockets({1, 4}), pockets({1, 4})}, {200, 200}},
    {"lblOneFive", 19, 19, {BetKind::Corner, BetKind::Corner}, {pockets({1, 2, 4, 5}), pockets({1, 2, 4, 5})}, {400, 400}},
    {"lblTwoFive", 20, 20, {BetKind::Split, BetKind::Split}, {pockets({2, 5}), pockets({2, 5})}, {200, 200}},
    {"lblTwoSix", 21, 21, {BetKind::Corner, BetKind::Corner}, {pockets({2, 3, 5, 6}), pockets({2, 3, 5, 6})}, {400, 400}},
    {"lblThreeSix", 22, 22, {BetKind::Split, BetKind::Split}, {pockets({3, 6}), pockets({3, 6})}, {200, 200}},
    {"lblFourSixStreet", 23, 23, {BetKind::Street, BetKind::Street}, {pockets({4, 5, 6}), pockets({4, 5, 6})}, {300, 300}},
    {"lblFour", 24, 24, {BetKind::Straight, BetKind::Straight}, {pockets({4}), pockets({4})}, {100, 100}},
    {"lblFourFive", 25, 25, {BetKind::Split, BetKind::Split}, {pockets({4, 5}), pockets({4, 5})}, {200, 200}},
    {"lblFive", 26, 26, {BetKind::Straight, BetKind::Straight}, {pockets({5}), pockets({5})}, {100, 100}},
    {"lblFiveSix", 27, 27, {BetKind::Split, BetKind::Split}, {pockets({5, 6}), pockets({5, 6})}, {200, 200}},
    {"lblSix", 28, 28, {BetKind::Straight, BetKind::Straight}, {pockets({6}), pockets({6})}, {100, 100}},
    {"lblFourNine", 29, 29, {BetKind::SixLine, BetKind::SixLine}, {pockets({4, 5, 6, 7, 8, 9}), pockets({4, 5, 6, 7, 8, 9})}, {600, 600}},
    {"lblFourSeven", 30, 30, {BetKind::Split, BetKind::Split}, {pockets({4, 7}), pockets({4, 7})}, {200, 200}},
    {"lblFourEight", 31, 31, {BetKind::Corner, BetKind::Corner}, {pockets({4, 5, 7, 8}), pockets({4, 5, 7, 8})}, {400, 400}},
    {"lblFiveEight", 32, 32, {BetKind::Split, BetKind::Split}, {pockets({5, 8}), pockets({5, 8})}, {200, 200}},
    {"lblFiveNine", 33, 33, {BetKind::Corner, BetKind::Corner}, {pockets({5, 6, 8, 9}), pockets({5, 6, 8, 9})}, {400, 400}},
    {"lblSixNine", 34, 34, {BetKind::Split, BetKind::Split}, {pockets({6, 9}), pockets({6, 9})}, {200, 200}},
    {"lblSevenNineStreet", 35, 35, {BetKind::Street, BetKind::Street}, {pockets({7, 8, 9}), pockets({7, 8, 9})}, {300, 300}},
    {"lblSeven", 36, 36, {BetKind::Straight, BetKind::Straight}, {pockets({7}), pockets({7})}, {100, 100}},
    {"lblSevenEight", 37, 37, {BetKind::Split, BetKind::Split}, {pockets({7, 8}), pockets({7, 8})}, {200, 200}},
    {"lblEight", 38, 38, {BetKind::Straight, BetKind::Straight}, {pockets({8}), pockets({8})}, {100, 100}},
    {"lblEightNine", 39, 39, {BetKind::Split, BetKind::Split}, {pockets({8, 9}), pockets({8, 9})}, {200, 200}},
    {"lblNine", 40, 40, {BetKind::Straight, BetKind::Straight}, {pockets({9}), pockets({9})}, {100, 100}},
    {"lblSevenTwelve", 41, 41, {BetKind::SixLine, BetKind::SixLine}, {pockets({7, 8, 9, 10, 11, 12}), pockets({7, 8, 9, 10, 11, 12})}, {600, 600}},
    {"lblSevenTen", 42, 42, {BetKind::Split, BetKind::Split}, {pockets({7, 10}), pockets({7, 10})}, {200, 200}},
    {"lblSevenEleven", 43, 43, {BetKind::Corner, BetKind::Corner}, {pockets({7, 8, 10, 11}), pockets({7, 8, 10, 11})}, {400, 400}},
    {"lblEightEleven", 44, 44, {BetKind::Split, BetKind::Split}, {pockets({8, 11}), pockets({8, 11})}, {200, 200}},
    {"lblEightTwelve", 45, 45, {BetKind::Corner, BetKind::Corner}, {pockets({8, 9, 11, 12}), pockets({8, 9, 11, 12})}, {400, 400}},
    {"lblNineTwelve", 46, 46, {BetKind::Split, BetKind::Split}, {pockets({9, 12}), pockets({9, 12})}, {200, 200}},
    {"lblTenTwelveStreet", 47, 47, {BetKind::Street, BetKind::Street}, {pockets({10, 11, 12}), pockets({10, 11, 12})}, {300, 300}},
    {"lblTen", 48, 48, {BetKind::Straight, BetKind::Straight}, {pockets({10}), pockets({10})}, {100, 100}},
    {"lblTenEleven", 49, 49, {BetKind::Split, BetKind::Split}, {pockets({10, 11}), pockets({10, 11})}, {200, 200}},
    {"lblEleven", 50, 50, {BetKind::Straight, BetKind::Straight}, {pockets({11}), pockets({11})}, {100, 100}},
    {"lblElevenTwelve", 51, 51, {BetKind::Split, BetKind::Split}, {pockets({11, 12}), pockets({11, 12})}, {200, 200}},
    {"lblTwelve", 52, 52, {BetKind::Straight, BetKind::Straight}, {pockets({12}), pockets({12})}, {100, 100}},
    {"lblTenFifteen", 53, 53, {BetKind::SixLine, BetKind::SixLine}, {pockets({10, 11, 12, 13, 14, 15}), pockets({10, 11, 12, 13, 14, 15})}, {600, 600}},
    {"lblTenThirteen", 54, 54, {BetKind::Split, BetKind::Split}, {pockets({10, 13}), pockets({10, 13})}, {200, 200}},
    {"lblTenFourteen", 55, 55, {BetKind::Corner, BetKind::Corner}, {pockets({10, 11, 13, 14}), pockets({10, 11, 13, 14})}, {400, 400}},
    {"lblElevenFourteen", 56, 56, {BetKind::Split, BetKind::Split}, {pockets({11, 14}), pockets({11, 14})}, {200, 200}},
    {"lblElevenFifteen", 57, 57, {BetKind::Corner, BetKind::Corner}, {pockets({11, 12, 14, 15}), pockets({11, 12, 14, 15})}, {400, 400}},
    {"lblTwelveFifteen", 58, 58, {BetKind::Split, BetKind::Split}, {pockets({12, 15}), pockets({12, 15})}, {200, 200}},
    {"lblThirteenFifteen", 59, 59, {BetKind::Street, BetKind::Street}, {pockets({13, 14, 15}), pockets({13, 14, 15})}, {300, 300}},
    {"lblThirteen", 60, 60, {BetKind::Straight, BetKind::Straight}, {pockets({13}), pockets({13})}, {100, 100}},
    {"lblThirteenFourteen", 61, 61, {BetKind::Split, BetKind::Split}, {pockets({13, 14}), pockets({13, 14})}, {200, 200}},
    {"lblFourteen", 62, 62, {BetKind::Straight, BetKind::Straight}, {pockets({14}), pockets({14})}, {100, 100}},
    {"lblFourteenFifteen", 63, 63, {BetKind::Split, BetKind::Split}, {pockets({14, 15}), pockets({14, 15})}, {200, 200}},
    {"lblFifteen", 64, 64, {BetKind::Straight, BetKind::Straight}, {pockets({15}), pockets({15})}, {100, 100}},
    {"lblThirteenEighteen", 65, 65, {BetKind::SixLine, BetKind::SixLine}, {pockets({13, 14, 15, 16, 17, 18}), pockets({13, 14, 15, 16, 17, 18})}, {600, 600}},
    {"lblThirteenSixteen", 66, 66, {BetKind::Split, BetKind::Split}, {pockets({13, 16}), pockets({13, 16})}, {200, 200}},
    {"lblThirteenSeventeen", 67, 67, {BetKind::Corner, BetKind::Corner}, {pockets({13, 14, 16, 17}), pockets({13, 14, 16, 17})}, {400, 400}},
    {"lblFourteenSeventeen", 68, 68, {BetKind::Split, BetKind::Split}, {pockets({14, 17}), pockets({14, 17})}, {200, 200}},
    {"lblFourteenEighteen", 69, 69, {BetKind::Corner, BetKind::Corner}, {pockets({14, 15, 17, 18}), pockets({14, 15, 17, 18})}, {400, 400}},
    {"lblFifteenEighteen", 70, 70, {BetKind::Split, BetKind::Split}, {pockets({15, 18}), pockets({15, 18})}, {200, 200}},
    {"lblSixteenEighteen", 71, 71, {BetKind::Street, BetKind::Street}, {pockets({16, 17, 18}), pockets({16, 17, 18})}, {300, 300}},
    {"lblSixteen", 72, 72, {BetKind::Straight, BetKind::Straight}, {pockets({16}), pockets({16})}, {100, 100}},
    {"lblSixteenSeventeen", 73, 73, {BetKind::Split, BetKind::Split}, {pockets({16, 17}), pockets({16, 17})}, {200, 200}},
    {"lblSeventeen", 74, 74, {BetKind::Straight, BetKind::Straight}, {pockets({17}), pockets({17})}, {100, 100}},
    {"lblSeventeenEighteen", 75, 75, {BetKind::Split, BetKind::Split}, {pockets({17, 18}), pockets({17, 18})}, {200, 200}},
    {"lblEighteen", 76, 76, {BetKind::Straight, BetKind::Straight}, {pockets({18}), pockets({18})}, {100, 100}},
    {"lblSixteenTwentyOne", 77, 77, {BetKind::SixLine, BetKind::SixLine}, {pockets({16, 17, 18, 19, 20, 21}), pockets({16, 17, 18, 19, 20, 21})}, {600, 600}},
    {"lblSixteenNineteen", 78, 78, {BetKind::Split, BetKind::Split}, {pockets({16, 19}), pockets({16, 19})}, {200, 200}},
    {"lblSixteenTwenty", 79, 79, {BetKind::Corner, BetKind::Corner}, {pockets({16, 17, 19, 20}), pockets({16, 17, 19, 20})}, {400, 400}},
    {"lblSeventeenTwenty", 80, 80, {BetKind::Split, BetKind::Split}, {pockets({17, 20}), pockets({17, 20})}, {200, 200}},
    {"lblSeventeenOne", 81, 81, {BetKind::Corner, BetKind::Corner}, {pockets({17, 18, 20, 21}), pockets({17, 18, 20, 21})}, {400, 400}},
    {"lblEighteenOne", 82, 82, {BetKind::Split, BetKind::Split}, {pockets({18, 21}), pockets({18, 21})}, {200, 200}},
    {"lblNineteenTwentyOne", 83, 83, {BetKind::Street, BetKind::Street}, {pockets({19, 20, 21}), pockets({19, 20, 21})}, {300, 300}},
    {"lblNineteen", 84, 84, {BetKind::Straight, BetKind::Straight}, {pockets({19}), pockets({19})}, {100, 100}},
    {"lblNineteenTwenty", 85, 85, {BetKind::Split, BetKind::Split}, {pockets({19, 20}), pockets({19, 20})}, {200, 200}},
    {"lblTwenty", 86, 86, {BetKind::Straight, BetKind::Straight}, {pockets({20}), pockets({20})}, {100, 100}},
    {"lblTwentyTwentyOne", 87, 87, {BetKind::Split, BetKind::Split}, {pockets({20, 21}), pockets({20, 21})}, {200, 200}},
    {"lblTwentyOne", 88, 88, {BetKind::Straight, BetKind::Straight}, {pockets({21}), pockets({21})}, {100, 100}},
    {"lblNineteenTwentyFour", 89, 89, {BetKind::SixLine, BetKind::SixLine}, {pockets({19, 20, 21, 22, 23, 24}), pockets({19, 20, 21, 22, 23, 24})}, {600, 600}},
    {"lblNineteenTwentyTwo", 90, 90, {BetKind::Split, BetKind::Split}, {pockets({19, 22}), pockets({19, 22})}, {200, 200}},
    {"lblNineteenThree", 91, 91, {BetKind::Corner, BetKind::Corner}, {pockets({19, 20, 22, 23}), pockets({19, 20, 22, 23})}, {400, 400}},
    {"lblTwentyTwentyThree", 92, 92, {BetKind::Split, BetKind::Split}, {pockets({20, 23}), pockets({20, 23})}, {200, 200}},
    {"lblTwentyTwentyFour", 93, 93, {BetKind::Corner, BetKind::Corner}, {pockets({20, 21, 23, 24}), pockets({20, 21, 23, 24})}, {400, 400}},
    {"lblTwentyOneFour", 94, 94, {BetKind::Split, BetKind::Split}, {pockets({21, 24}), pockets({21, 24})}, {200, 200}},
    {"lblTwentyTwoTwentyFour", 95, 95, {BetKind::Street, BetKind::Street}, {pockets({22, 23, 24}), pockets({22, 23, 24})}, {300, 300}},
    {"lblTwentyTwo", 96, 96, {BetKind::Straight, BetKind::Straight}, {pockets({22}), pockets({22})}, {100, 100}},
    {"lblTwentyTwoThree", 97, 97, {BetKind::Split, BetKind::Split}, {pockets({22, 23}), pockets({22, 23})}, {200, 200}},
    {"lblTwentyThree", 98, 98, {BetKind::Straight, BetKind::Straight}, {pockets({23}), pockets({23})}, {100, 100}},
    {"lblTwentyThreeFour", 99, 99, {BetKind::Split, BetKind::Split}, {pockets({23, 24}), pockets({23, 24})}, {200, 200}},
    {"lblTwentyFour", 100, 100, {BetKind::Straight, BetKind::Straight}, {pockets({24}), pockets({24})}, {100, 100}},
    {"lblTwentyTwoSeven", 101, 101, {BetKind::SixLine, BetKind::SixLine}, {pockets({22, 23, 24, 25, 26, 27}), pockets({22, 23, 24, 25, 26, 27})}, {600, 600}},
    {"lblTwentyTwoFive", 102, 102, {BetKind::Split, BetKind::Split}, {pockets({22, 25}), pockets({22, 25})}, {200, 200}},
    {"lblTwentyTwoSix", 103, 103, {BetKind::Corner, BetKind::Corner}, {pockets({22, 23, 25, 26}), pockets({22, 23, 25, 26})}, {400, 400}},
    {"lblTwentyThreeSix", 104, 104, {BetKind::Split, BetKind::Split}, {pockets({23, 26}), pockets({23, 26})}, {200, 200}},
    {"lblTwentyThreeSeven", 105, 105, {BetKind::Corner, BetKind::Corner}, {pockets({23, 24, 26, 27}), pockets({23, 24, 26, 27})}, {400, 400}},
    {"lblTwentyFourSeven", 106, 106, {BetKind::Split, BetKind::Split}, {pockets({24, 27}), pockets({24, 27})}, {200, 200}},
    {"lblTwentyFiveSeven", 107, 107, {BetKind::Street, BetKind::Street}, {pockets({25, 26, 27}), pockets({25, 26, 27})}, {300, 300}},
    {"lblTwentyFive", 108, 108, {BetKind::Straight, BetKind::Straight}, {pockets({25}), pockets({25})}, {100, 100}},
    {"lblTwentyFiveSix", 109, 109, {BetKind::Split, BetKind::Split}, {pockets({25, 26}), pockets({25, 26})}, {200, 200}},
    {"lblTwentySix", 110, 110, {BetKind::Straight, BetKind::Straight}, {pockets({26}), pockets({26})}, {100, 100}},
    {"lblTwentySixSeven", 111, 111, {BetKind::Split, BetKind::Split}, {pockets({26, 27}), pockets({26, 27})}, {200, 200}},
    {"lblTwentySeven", 112, 112, {BetKind::Straight, BetKind::Straight}, {pockets({27}), pockets({27})}, {100, 100}},
    {"lblTwentyFiveThirty", 113, 113, {BetKind::SixLine, BetKind::SixLine}, {pockets({25, 26, 27, 28, 29, 30}), pockets({25, 26, 27, 28, 29, 30})}, {600, 600}},
    {"lblTwentyFiveEight", 114, 114, {BetKind::Split, BetKind::Split}, {pockets({25, 28}), pockets({25, 28})}, {200, 200}},
    {"lblTwentyFiveNine", 115, 115, {BetKind::Corner, BetKind::Corner}, {pockets({25, 26, 28, 29}), pockets({25, 26, 28, 29})}, {400, 400}},
    {"lblTwentySixNine", 116, 116, {BetKind::Split, BetKind::Split}, {pockets({26, 29}), pockets({26, 29})}, {200, 200}},
    {"lblTwentySixThirty", 117, 117, {BetKind::Corner, BetKind::Corner}, {pockets({26, 27, 29, 30}), pockets({26, 27, 29, 30})}, {400, 400}},
    {"lblTwentySevenThirty", 118, 118, {BetKind::Split, BetKind::Split}, {pockets({27, 30}), pockets({27, 30})}, {200, 200}},
    {"lblTwentyEightThirty", 119, 119, {BetKind::Street, BetKind::Street}, {pockets({28, 29, 30}), pockets({28, 29, 30})}, {300, 300}},
    {"lblTwentyEight", 120, 120, {BetKind::Straight, BetKind::Straight}, {pockets({28}), pockets({28})}, {100, 100}},
    {"lblTwentyEightNine", 121, 121, {BetKind::Split, BetKind::Split}, {pockets({28, 29}), pockets({28, 29})}, {200, 200}},
    {"lblTwentyNine", 122, 122, {BetKind::Straight, BetKind::Straight}, {pockets({29}), pockets({29})}, {100, 100}},
    {"lblTwentyNineThirty", 123, 123, {BetKind::Split, BetKind::Split}, {pockets({29, 30}), pockets({29, 30})}, {200, 200}},
    {"lblThirty", 124, 124, {BetKind::Straight, BetKind::Straight}, {pockets({30}), pockets({30})}, {100, 100}},
    {"lblTwentyEightThirtyThree", 125, 125, {BetKind::SixLine, BetKind::SixLine}, {pockets({28, 29, 30, 31, 32, 33}), pockets({28, 29, 30, 31, 32, 33})}, {600, 600}},
    {"lblTwentyEightOne", 126, 126, {BetKind::Split, BetKind::Split}, {pockets({28, 31}), pockets({28, 31})}, {200, 200}},
    {"lblTwentyEightTwo", 127, 127, {BetKind::Corner, BetKind::Corner}, {pockets({28, 29, 31, 32}), pockets({28, 29, 31, 32})}, {400, 400}},
    {"lblTwentyNineTwo", 128, 128, {BetKind::Split, BetKind::Split}, {pockets({29, 32}), pockets({29, 32})}, {200, 200}},
    {"lblTwentyNineThree", 129, 129, {BetKind::Corner, BetKind::Corner}, {pockets({29, 30, 32, 33}), pockets({29, 30, 32, 33})}, {400, 400}},
    {"lblThirtyThirtyThree", 130, 130, {BetKind::Split, BetKind::Split}, {pockets({30, 33}), pockets({30, 33})}, {200, 200}},
    {"lblThirtyOneThree", 131, 131, {BetKind::Street, BetKind::Street}, {pockets({31, 32, 33}), pockets({31, 32, 33})}, {300, 300}},
    {"lblThirtyOne", 132, 132, {BetKind::Straight, BetKind::Straight}, {pockets({31}), pockets({31})}, {100, 100}},
    {"lblThirtyOneTwo", 133, 133, {BetKind::Split, BetKind::Split}, {pockets({31, 32}), pockets({31, 32})}, {200, 200}},
    {"lblthirtyTwo", 134, 134, {BetKind::Straight, BetKind::Straight}, {pockets({32}), pockets({32})}, {100, 100}},
    {"lblThirtyTwoThree", 135, 135, {BetKind::Split, BetKind::Split}, {pockets({32, 33}), pockets({32, 33})}, {200, 200}},
    {"lblThirtyThree", 136, 136, {BetKind::Straight, BetKind::Straight}, {pockets({33}), pockets({33})}, {100, 100}},
    {"lblThirtyOneSix", 137, 137, {BetKind::SixLine, BetKind::SixLine}, {pockets({31, 32, 33, 34, 35, 36}), pockets({31, 32, 33, 34, 35, 36})}, {600, 600}},
    {"lblThirtyOneFour", 138, 138, {BetKind::Split, BetKind::Split}, {pockets({31, 34}), pockets({31, 34})}, {200, 200}},
    {"lblThirtyOneFive", 139, 139, {BetKind::Corner, BetKind::Corner}, {pockets({31, 32, 34, 35}), pockets({31, 32, 34, 35})}, {400, 400}},
    {"lblThirtyTwoFive", 140, 140, {BetKind::Split, BetKind::Split}, {pockets({32, 35}), pockets({32, 35})}, {200, 200}},
    {"lblThirtyTwoSix", 141, 141, {BetKind::Corner, BetKind::Corner}, {pockets({32, 33, 35, 36}), pockets({32, 33, 35, 36})}, {400, 400}},
    {"lblThirtyThreeSix", 142, 142, {BetKind::Split, BetKind::Split}, {pockets({33, 36}), pockets({33, 36})}, {200, 200}},
    {"lblThirtyFourSix", 143, 143, {BetKind::Street, BetKind::Street}, {pockets({34, 35, 36}), pockets({34, 35, 36})}, {300, 300}},
    {"lblThirtyFour", 144, 144, {BetKind::Straight, BetKind::Straight}, {pockets({34}), pockets({34})}, {100, 100}},
    {"lblThirtyFourFive", 145, 145, {BetKind::Split, BetKind::Split}, {pockets({34, 35}), pockets({34, 35})}, {200, 200}},
    {"lblThirtyFive", 146, 146, {BetKind::Straight, BetKind::Straight}, {pockets({35}), pockets({35})}, {100, 100}},
    {"lblThirtyFiveSix", 147, 147, {BetKind::Split, BetKind::Split}, {pockets({35, 36}), pockets({35, 36})}, {200, 200}},
    {"lblThirtySix", 148, 148, {BetKind::Straight, BetKind::Straight}, {pockets({36}), pockets({36})}, {100, 100}},
    {"lblLow", 149, 152, {BetKind::EvenMoney, BetKind::EvenMoney}, {pockets({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18}), pockets({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18})}, {200, 200}},
    {"lblEven", 150, 153, {BetKind::EvenMoney, BetKind::EvenMoney}, {pockets({2, 4, 6, 8, 10, 12, 14, 16, 18, 20, 22, 24, 26, 28, 30, 32, 34, 36}), pockets({2, 4, 6, 8, 10, 12, 14, 16, 18, 20, 22, 24, 26, 28, 30, 32, 34, 36})}, {200, 200}},
    {"lblRed", 151, 154, {BetKind::EvenMoney, BetKind::EvenMoney}, {pockets({1, 3, 5, 7, 9, 12, 14, 16, 18, 19, 21, 23, 25, 27, 30, 32, 34, 36}), pockets({1, 3, 5, 7, 9, 12, 14, 16, 18, 19, 21, 23, 25, 27, 30, 32, 34, 36})}, {200, 200}},
    {"lblBlack", 152, 155, {BetKind::EvenMoney, BetKind::EvenMoney}, {pockets({2, 4, 6, 8, 10, 11, 13, 15, 17, 20, 22, 24, 26, 28, 29, 31, 33, 35}), pockets({2, 4, 6, 8, 10, 11, 13, 15, 17, 20, 22, 24, 26, 28, 29, 31, 33, 35})}, {200, 200}},
    {"lblOdd", 153, 156, {BetKind::EvenMoney, BetKind::EvenMoney}, {pockets({1, 3, 5, 7, 9, 11, 13, 15, 17, 19, 21, 23, 25, 27, 29, 31, 33, 35}), pockets({1, 3, 5, 7, 9, 11, 13, 15, 17, 19, 21, 23, 25, 27, 29, 31, 33, 35})}, {200, 200}},
    {"lblHigh", 154, 157, {BetKind::EvenMoney, BetKind::EvenMoney}, {pockets({19, 20, 21, 22, 23, 24, 25, 26, 27, 28, 29, 30, 31, 32, 33, 34, 35, 36}), pockets({19, 20, 21, 22, 23, 24, 25, 26, 27, 28, 29, 30, 31, 32, 33, 34, 35, 36})}, {200, 200}},
    {"lblFirstDoz", 155, 158, {BetKind::Dozen, BetKind::Dozen}, {pockets({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}), pockets({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12})}, {100, 100}},
    {"lblSecondDoz", 156, 159, {BetKind::Dozen, BetKind::Dozen}, {pockets({13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24}), pockets({13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24})}, {100, 100}},
    {"lblThirdDoz", 157, 160, {BetKind::Dozen, BetKind::Dozen}, {pockets({25, 26, 27, 28, 29, 30, 31, 32, 33, 34, 35, 36}), pockets({25, 26, 27, 28, 29, 30, 31, 32, 33, 34, 35, 36})}, {100, 100}},
    {"lblFirstColumn", 158, 149, {BetKind::Column, BetKind::Column}, {pockets({1, 4, 7, 10, 13, 16, 19, 22, 25, 28, 31, 34}), pockets({1, 4, 7, 10, 13, 16, 19, 22, 25, 28, 31, 34})}, {100, 100}},
    {"lblSecondColumn", 159, 150, {BetKind::Column, BetKind::Column}, {pockets({2, 5, 8, 11, 14, 17, 20, 23, 26, 29, 32, 35}), pockets({2, 5, 8, 11, 14, 17, 20, 23, 26, 29, 32, 35})}, {100, 100}},
    {"lblThirdColumn", 160, 151, {BetKind::Column, BetKind::Column}, {pockets({3, 6, 9, 12, 15, 18, 21, 24, 27, 30, 33, 36}), pockets({3, 6, 9, 12, 15, 18, 21, 24, 27, 30, 33, 36})}, {100, 100}},
}};

constexpr bool slotsInOrder() {
    for (int i = 0; i < kSpotCount; ++i)
        if (kSpots[static_cast<std::size_t>(i)].slot != i)
            return false;
    return true;
}
static_assert(slotsInOrder());

std::string kindWord(BetKind kind) {
    switch (kind) {
    case BetKind::Straight: return "Straight";
    case BetKind::Split: return "Split";
    case BetKind::Street: return "Street";
    case BetKind::Trio: return "Trio";
    case BetKind::Corner: return "Corner";
    case BetKind::FirstFour: return "First four";
    case BetKind::SixLine: return "Six line";
    case BetKind::EvenMoney: return "Even money";
    case BetKind::Dozen: return "Dozen";
    case BetKind::Column: return "Column";
    }
    return {};
}
} // namespace

bool BetSpot::isOutside() const { return slot >= kFirstOutsideSlot; }

std::span<const BetSpot, kSpotCount> betSpots() { return kSpots; }

const BetSpot& betSpot(int displaySlot) { return kSpots.at(static_cast<std::size_t>(displaySlot)); }

std::optional<int> slotOfName(std::string_view controlName) {
    for (const BetSpot& spot : kSpots)
        if (spot.name == controlName)
            return spot.slot;
    return std::nullopt;
}

std::span<const BetSpot> outsideSpots() {
    return std::span<const BetSpot>(kSpots).subspan(kFirstOutsideSlot);
}

std::string accessibleSpotName(const BetSpot& spot, Wheel wheel) {
    static constexpr std::array<std::string_view, 12> outsideNames = {
        "Low (1 to 18)",  "Even",        "Red",          "Black",        "Odd",           "High (19 to 36)",
        "First dozen",    "Second dozen", "Third dozen", "First column", "Second column", "Third column"};
    if (spot.isOutside())
        return std::string(outsideNames[static_cast<std::size_t>(spot.slot - kFirstOutsideSlot)]);
    PocketSet covered = spot.coversOn(wheel);
    if (covered.empty())
        return kindWord(spot.kindOn(wheel == Wheel::European ? Wheel::American : Wheel::European)) +
               " (not on this wheel)";
    std::string numbers;
    // Zeros first, the way the layout reads them.
    std::vector<int> order = {0, kDoubleZero};
    for (int n = 1; n <= 36; ++n)
        order.push_back(n);
    for (int code : order) {
        if (!covered.contains(code))
            continue;
        if (!numbers.empty())
            numbers += "-";
        numbers += pocketText(code);
    }
    if (spot.kindOn(wheel) == BetKind::Straight)
        return "Straight " + numbers;
    return kindWord(spot.kindOn(wheel)) + " " + numbers;
}
