// Selection of the k-th smallest value of an array range (Hoare's FIND with a Lomuto partition).
//
// QuickSelect(Data, k, lo, hi) returns the value that would stand at 0-based position k if
// Data[lo..hi] were sorted ascending, in linear expected time and without allocating. It
// reorders Data[lo..hi] in place: each round partitions around the middle element of the
// current range, leaving below it only smaller values, and keeps the side that holds k. When
// all elements of the range are equal their value is returned without reordering. Bad input is
// repaired or answered, never raised: lo below 0 and hi beyond the array are clamped into it;
// an empty range (hi < lo after clamping) gives 0; k outside lo..hi gives the value that
// Data[lo] held on entry, after the rounds have closed in on the nearer end of the range (so
// the range is reordered but still holds the same values). NaNs compare false and end up
// wherever the partitions leave them; the loop still ends.
#pragma once

#include <cstdint>
#include <span>

namespace qor {

double QuickSelect(std::span<double> Data, int32_t k, int32_t lo, int32_t hi);

}  // namespace qor
