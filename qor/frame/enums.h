// Argument enumerations shared by several units.
//
// Routines that take one state which members they distinguish; the ordinals are fixed here
// because several routines document their behaviour by ordinal (TVarKind 0 and 1 are doubles,
// TOrientation 0 gives one result per row, TEdgeOp 0..3 are minimum, maximum, sum, mean, ...).
#pragma once

#include <cstdint>

namespace qor {

// Which dimension of a matrix a routine works along.
enum TDims : uint8_t {
  dimColumns,  // one result per column, or a vector laid across the columns of one row
  dimRows,     // one result per row, or a vector laid down a column
};

enum TOrientation : uint8_t {
  orRowwise,  // one result per row, reducing across the columns
  orColwise,  // one result per column, reducing down the rows
};

enum TEdgeOp : uint8_t { eoMinimum, eoMaximum, eoSum, eoMean };

enum TDistMode : uint8_t {
  dmTanimoto,       // sum xy / (sum x^2 + sum y^2 - sum xy)
  dmManhattan,      // sum |x - y|
  dmEuclid,         // sqrt(sum (x - y)^2)
  dmEuclidSquared,  // sum (x - y)^2
  dmDice,           // 2 sum xy / (sum x^2 + sum y^2)
  dmUserDefined,    // the matrix's distance event
};

// Element kinds of the untyped array routines: 0 and 1 are 8-byte doubles, 2 a 4-byte single,
// 3 and 4 32-bit signed integers; routines ignore the other kinds.
enum TVarKind : uint8_t { vkDouble, vkReal, vkSingle, vkInteger, vkLongint, vkByte, vkString };

enum TCSVDelimiters : uint8_t { csvComma, csvSemicolon, csvTab, csvBlank };

// Which decimal separators a number scanner accepts.
enum TDecPSep : uint8_t { dpsPoint, dpsComma, dpsBoth };

// Language of month and day names in date scanning.
enum TLanguage : uint8_t { lanEnglish, lanGerman, lanFrench };

}  // namespace qor
