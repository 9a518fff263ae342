#include "ui/LayoutNavigation.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdlib>
#include <span>
#include <vector>

#include "layout/BetSpotCatalogue.h"
#include "ui/LayoutGeometry.h"
#include "ui/TableGrid.h"

namespace {

constexpr int kGridRows = 2 * tablegrid::kRows - 1;        // numbers and the lines between them
constexpr int kGridColumns = 2 * tablegrid::kColumns;      // the edge, numbers and lines between
constexpr int kEdge = -1;                                  // streets and six lines
constexpr int kLastColumn = 2 * (tablegrid::kColumns - 1); // the third column of numbers
constexpr int kDozenColumn = -2;
constexpr int kRowsPerDozen = 2 * tablegrid::kRowsPerDozen;
constexpr int kRowsPerEvenMoneyBox = 2 * tablegrid::kRowsPerEvenMoneyBox;
constexpr int kEvenMoneyBoxes = 6;
constexpr int kDozens = 3;

enum class Area : std::uint8_t { Grid, Zeros, ZeroLine, Dozens, EvenMoney, ColumnBets };

// Where a spot lies: a lattice point of the grid, or an index along one of
// the other rows and columns.
struct Place {
    Area area = Area::Grid;
    int x = 0;
    int y = 0;
};

struct Layout {
    std::array<Place, kSpotCount> place{};
    std::array<std::array<int, kGridColumns>, kGridRows> grid{}; // [y][x - kEdge]
    std::vector<int> zeros;                                      // left to right
    std::vector<int> zeroLine;                                   // left to right
    std::array<int, kDozens> dozens{};
    std::array<int, kEvenMoneyBoxes> evenMoney{};
    std::array<int, tablegrid::kColumns> columnBets{};
};

int centreX(int slot) {
    const TwipRect r = spotGeometry(slot).spot;
    return r.left + r.width / 2;
}

// The same reading of the covered numbers that places the spots on the table.
Place gridPlace(const BetSpot& spot) {
    const PocketSet covered = spot.coversOn(Wheel::European);
    const int first = std::countr_zero(covered.bits);
    const int row = (first - 1) / tablegrid::kColumns;
    const int column = (first - 1) % tablegrid::kColumns;
    const bool rightNeighbour = covered.contains(first + 1) && column + 1 < tablegrid::kColumns;
    switch (spot.kindOn(Wheel::European)) {
    case BetKind::Straight: return {Area::Grid, 2 * column, 2 * row};
    case BetKind::Split:
        return rightNeighbour ? Place{Area::Grid, 2 * column + 1, 2 * row} : Place{Area::Grid, 2 * column, 2 * row + 1};
    case BetKind::Corner: return {Area::Grid, 2 * column + 1, 2 * row + 1};
    case BetKind::Street: return {Area::Grid, kEdge, 2 * row};
    default: return {Area::Grid, kEdge, 2 * row + 1}; // six line
    }
}

Layout buildLayout() {
    Layout layout;
    for (const BetSpot& spot : betSpots()) {
        Place& place = layout.place[static_cast<std::size_t>(spot.slot)];
        if (spot.isOutside()) {
            const int i = spot.slot - kFirstOutsideSlot;
            if (i < kEvenMoneyBoxes) {
                place = {Area::EvenMoney, 0, i};
                layout.evenMoney[static_cast<std::size_t>(i)] = spot.slot;
            } else if (i < kEvenMoneyBoxes + kDozens) {
                place = {Area::Dozens, 0, i - kEvenMoneyBoxes};
                layout.dozens[static_cast<std::size_t>(place.y)] = spot.slot;
            } else {
                place = {Area::ColumnBets, 0, i - kEvenMoneyBoxes - kDozens};
                layout.columnBets[static_cast<std::size_t>(place.y)] = spot.slot;
            }
        } else if (spotGeometry(spot.slot).spot.top < tablegrid::kFirstRowSpotTop) {
            const bool zero = spotGeometry(spot.slot).spot.top == tablegrid::kZeroSpotTop;
            place = {zero ? Area::Zeros : Area::ZeroLine, 0, 0};
            (zero ? layout.zeros : layout.zeroLine).push_back(spot.slot);
        } else {
            place = gridPlace(spot);
            layout.grid[static_cast<std::size_t>(place.y)][static_cast<std::size_t>(place.x - kEdge)] = spot.slot;
        }
    }
    for (std::vector<int>* row : {&layout.zeros, &layout.zeroLine})
        std::ranges::sort(*row, {}, centreX);
    return layout;
}

const Layout& layout() {
    static const Layout built = buildLayout();
    return built;
}

bool takesChips(int slot, Wheel wheel) { return betSpot(slot).takesChipsOn(wheel); }

int gridAt(int x, int y) { return layout().grid[static_cast<std::size_t>(y)][static_cast<std::size_t>(x - kEdge)]; }

// The spot of the row nearest across to the given point that takes chips;
// the left one of two equally near; -1 when none does.
int nearest(std::span<const int> row, int x, Wheel wheel) {
    int best = -1;
    for (int slot : row)
        if (takesChips(slot, wheel) && (best < 0 || std::abs(centreX(slot) - x) < std::abs(centreX(best) - x)))
            best = slot;
    return best;
}

std::span<const int> gridRow(int y) { return layout().grid[static_cast<std::size_t>(y)]; }

// Left and Right along a row whose spots are not evenly spaced.
int alongRow(std::span<const int> row, int from, LayoutKey key, Wheel wheel) {
    const auto at = std::ranges::find(row, from);
    if (at == row.end())
        return from;
    if (key == LayoutKey::Right) {
        for (auto it = at + 1; it != row.end(); ++it)
            if (takesChips(*it, wheel))
                return *it;
    } else {
        for (auto it = at; it != row.begin();)
            if (takesChips(*--it, wheel))
                return *it;
    }
    return from;
}

int orElse(int slot, int from) { return slot < 0 ? from : slot; }

int fromGrid(int from, Place p, LayoutKey key, int step, Wheel wheel) {
    const int x = centreX(from);
    switch (key) {
    case LayoutKey::Right: return p.x + step <= kLastColumn ? gridAt(p.x + step, p.y) : from;
    case LayoutKey::Left: {
        const int nx = p.x - step;
        if (nx >= kEdge)
            return gridAt(nx, p.y);
        if (nx == kDozenColumn)
            return layout().dozens[static_cast<std::size_t>(p.y / kRowsPerDozen)];
        return layout().evenMoney[static_cast<std::size_t>(p.y / kRowsPerEvenMoneyBox)];
    }
    case LayoutKey::Up: {
        const int ny = p.y - step;
        if (ny >= 0)
            return gridAt(p.x, ny);
        return orElse(nearest(ny == -1 ? layout().zeroLine : layout().zeros, x, wheel), from);
    }
    case LayoutKey::Down: {
        const int ny = p.y + step;
        if (ny < kGridRows)
            return gridAt(p.x, ny);
        return orElse(nearest(layout().columnBets, x, wheel), from);
    }
    }
    return from;
}

int fromZeroArea(int from, Area area, LayoutKey key, LayoutStep step, Wheel wheel) {
    const bool zeros = area == Area::Zeros;
    const std::span<const int> row = zeros ? layout().zeros : layout().zeroLine;
    const int x = centreX(from);
    switch (key) {
    case LayoutKey::Left:
    case LayoutKey::Right: return alongRow(row, from, key, wheel);
    case LayoutKey::Up: return zeros ? from : orElse(nearest(layout().zeros, x, wheel), from);
    case LayoutKey::Down:
        // Half steps: zeros, the line under them, the first row, the line under it.
        const int halfSteps = (zeros ? 0 : 1) + (step == LayoutStep::Half ? 1 : 2);
        if (halfSteps == 1)
            return orElse(nearest(layout().zeroLine, x, wheel), from);
        return orElse(nearest(gridRow(halfSteps - 2), x, wheel), from);
    }
    return from;
}

} // namespace

int layoutMove(int fromSlot, LayoutKey key, LayoutStep step, Wheel wheel) {
    const Place p = layout().place.at(static_cast<std::size_t>(fromSlot));
    const int half = step == LayoutStep::Half ? 1 : 2;
    const bool vertical = key == LayoutKey::Up || key == LayoutKey::Down;
    const int ahead = key == LayoutKey::Down || key == LayoutKey::Right ? 1 : -1;
    switch (p.area) {
    case Area::Grid: return fromGrid(fromSlot, p, key, half, wheel);
    case Area::Zeros:
    case Area::ZeroLine: return fromZeroArea(fromSlot, p.area, key, step, wheel);
    case Area::Dozens:
        if (vertical)
            return layout().dozens[static_cast<std::size_t>(std::clamp(p.y + ahead, 0, kDozens - 1))];
        if (key == LayoutKey::Left)
            return layout().evenMoney[static_cast<std::size_t>(p.y * kRowsPerDozen / kRowsPerEvenMoneyBox)];
        return gridAt(kDozenColumn + half, p.y * kRowsPerDozen);
    case Area::EvenMoney:
        if (vertical)
            return layout().evenMoney[static_cast<std::size_t>(std::clamp(p.y + ahead, 0, kEvenMoneyBoxes - 1))];
        if (key == LayoutKey::Left)
            return fromSlot;
        if (step == LayoutStep::Half)
            return layout().dozens[static_cast<std::size_t>(p.y * kRowsPerEvenMoneyBox / kRowsPerDozen)];
        return gridAt(kEdge, p.y * kRowsPerEvenMoneyBox);
    case Area::ColumnBets:
        if (key == LayoutKey::Up)
            return gridAt(2 * p.y, kGridRows - 1);
        if (key == LayoutKey::Down)
            return fromSlot;
        return alongRow(layout().columnBets, fromSlot, key, wheel);
    }
    return fromSlot;
}

int layoutHome(Wheel wheel) { return wheel == Wheel::European ? slot::lblZeroE : slot::lblZeroA; }

int layoutSpotOn(int slot, Wheel wheel) {
    if (takesChips(slot, wheel))
        return slot;
    const Area area = layout().place.at(static_cast<std::size_t>(slot)).area;
    const std::span<const int> row = area == Area::Zeros ? layout().zeros : layout().zeroLine;
    return orElse(nearest(row, centreX(slot), wheel), layoutHome(wheel));
}
