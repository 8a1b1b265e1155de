// In-place sorting of plain arrays, ordered insertion into a bounded sorted list, and
// positional insertion.
//
// SortArray is a comb sort (not stable): each pass first shrinks the gap to the integer part
// of gap / 1.3 (at least 1, divided in 80-bit arithmetic) and then exchanges every out-of-order
// pair (i, i + gap) from the front; passes end after a gap-1 pass without exchanges. Equal
// elements are never exchanged, so -0.0 and 0.0 keep their order and a NaN stays where the
// comparisons leave it. After every pass ProcStat grows by 1 and MathFeedBackProc, when set, is
// called with it; nothing is counted for fewer than two elements. SortIntoArray keeps a full
// sorted list of fixed length (ascending: the smallest values offered, descending: the
// largest) and returns where Value went; InsertIntoArray stores Value at a position and lets
// the last element fall off. The typed forms take a span and 0-based positions (-1: not
// placed); the untyped forms take a pointer, an element count and a TVarKind and use 1-based
// positions (0: not placed). Nothing is allocated and nothing raises: an unknown TVarKind, a
// null pointer, a count below 1 or a position outside the array leaves the data unchanged.
#pragma once

#include <cstdint>
#include <span>

#include "qor/frame/enums.h"

namespace qor {

void SortArray(std::span<double> Data, bool Ascending);
void SortArray(std::span<float> Data, bool Ascending);
void SortArray(std::span<int32_t> Data, bool Ascending);
void SortArray(void* Data, int32_t NumData, TVarKind VarKind, bool Ascending);

// Returns the 0-based position where Value was stored, or -1 when it was rejected (a
// duplicate that is not allowed, or beyond the last element in the sort direction). A NaN
// Value compares false with everything and is therefore stored at position 0.
int32_t SortIntoArray(std::span<double> Data, double Value, bool Ascending, bool AllowDuplicates);
int32_t SortIntoArray(std::span<float> Data, float Value, bool Ascending, bool AllowDuplicates);
int32_t SortIntoArray(std::span<int32_t> Data, int32_t Value, bool Ascending, bool AllowDuplicates);
// Value points to one element of VarKind's type. Returns a 1-based position, 0 when not placed.
int32_t SortIntoArray(void* Data, int32_t NumData, TVarKind VarKind, const void* Value,
                      bool Ascending, bool AllowDuplicates);

// Ix is 0-based; Ix outside 0..size - 1 changes nothing.
void InsertIntoArray(std::span<double> Data, double Value, int32_t Ix);
void InsertIntoArray(std::span<float> Data, float Value, int32_t Ix);
void InsertIntoArray(std::span<int32_t> Data, int32_t Value, int32_t Ix);
// Ix is 1-based; Ix outside 1..NumData changes nothing. Elements move bit for bit.
void InsertIntoArray(void* Data, int32_t NumData, TVarKind VarKind, const void* Value, int32_t Ix);

}  // namespace qor
