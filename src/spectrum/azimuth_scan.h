#pragma once
// The vector kernels of the azimuth search: all 180 azimuths side by side.
// Each azimuth keeps the largest |c x + s y| so far in double (c and s its
// direction, x and y the NS and EW responses, the products and the sum each
// rounded once, no fused operation): exactly the value that ResponseAlong
// rounds to single precision, so the largest of them rounded once is the
// azimuth's peak. A value replaces the largest only when strictly greater,
// so that a NaN never does, as in AzimuthPeaks.
namespace tremblo {

// Azimuth slots: 0 .. 179 and a padding of zero directions, whose values
// are 0 (their largest starts at infinity, which nothing replaces);
// decisions are taken for groups of ROTD_SLOT_GROUP slots.
inline constexpr int ROTD_SLOTS = 192;
inline constexpr int ROTD_SLOT_GROUP = 8;
inline constexpr int ROTD_SLOT_GROUPS = ROTD_SLOTS / ROTD_SLOT_GROUP;

// The box of a block's responses: NS within [xLow, xHigh], EW within [yLow, yHigh].
struct ResponseBox {
    double xLow, xHigh, yLow, yHigh;
};

// The groups of slots where the box may hold a value greater than best[slot]:
// their numbers into groups[], their count returned. The bound of a slot,
// max(c X + s Y, -(c X' + s Y')) over the box's corners with the products
// and sums rounded as the values are, is at least every value of the box.
int SlotGroupsBeyond(const ResponseBox& box, const double* best, int* groups);

// Takes points (xs[i], ys[i]), i < count, into best[] on the listed groups.
void TakePoints(const double* xs, const double* ys, int count, const int* groups, int groupCount, double* best);

// The smallest of best[0 .. ROTD_SLOTS-1].
double SmallestOfSlots(const double* best);

}  // namespace tremblo
