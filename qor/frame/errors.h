// The exception classes of the library and the two shapes of its messages.
//
// Exception is the platform's plain exception class; EQORError is the base library's and every
// unit raises its own class derived from it. EQORSLineError, EConvertError and EInOutError
// derive from Exception directly, so a handler for EQORError sees every library error except
// those of straight lines and the platform's own conversion and file errors.
//
// Messages have two shapes: routine messages "Routine: text" and component messages
// "Component \"" + Name + suffix, where the suffix starts with the closing quotation mark.
#pragma once

#include <new>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>

namespace qor {

class Exception : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
  std::string Message() const { return what(); }
};

class EQORError : public Exception {
 public:
  using Exception::Exception;
};

// One distinct class per unit, all of the same shape; the tag only makes the types distinct.
template <class UnitTag>
class TUnitError : public EQORError {
 public:
  using EQORError::EQORError;
};

using EQORMath1Error = TUnitError<struct Math1ErrorTag>;
using EQORComplexError = TUnitError<struct ComplexErrorTag>;
using EQORVectorError = TUnitError<struct VectorErrorTag>;
using EQORMatrixError = TUnitError<struct MatrixErrorTag>;
using EQORDataTableError = TUnitError<struct DataTableErrorTag>;
using EQORStatisError = TUnitError<struct StatisErrorTag>;
using EQORMath2Error = TUnitError<struct Math2ErrorTag>;
using EQORMathExp = TUnitError<struct MathExpTag>;  // declared for completeness; never raised
using EQORFourierError = TUnitError<struct FourierErrorTag>;
using EQORWaveletError = TUnitError<struct WaveletErrorTag>;

// Straight lines report outside the EQORError family.
class EQORSLineError : public Exception {
 public:
  using Exception::Exception;
};

// The platform's error for an assignment between unrelated classes.
class EConvertError : public Exception {
 public:
  using Exception::Exception;
};

// The platform's error for a failed file operation.
class EInOutError : public Exception {
 public:
  using Exception::Exception;
};

// Suffixes of component messages, each appended to "Component \"" + Name.
namespace msg {
inline constexpr std::string_view kNotEnoughMemoryOnHeap = "\": not enough memory on heap";
inline constexpr std::string_view kNotEnoughMemory = "\": not enough memory";
inline constexpr std::string_view kVectorsDifferentDims = "\": vectors have different dimensions";
inline constexpr std::string_view kNegativeGeometricMean =
    "\": negative argument passed to GeometricMean";
inline constexpr std::string_view kNonPositiveHarmonicMean =
    "\": negative or zero argument passed to HarmonicMean";
inline constexpr std::string_view kInvalidNumberOfBins = ".Histogram\": invalid number of bins";
inline constexpr std::string_view kMatricesDoNotMatch = "\": matrices do not match";
inline constexpr std::string_view kLayerBeyondRange = "\": specified layer beyond data range";
inline constexpr std::string_view kTimeSlotBeyondRange =
    "\": specified time slot beyond data range";
inline constexpr std::string_view kFailedToInitialize = "\": failed to initialize (out of memory)";
inline constexpr std::string_view kNominalValuesExceeded =
    "\": number of available nominal values exceeded";
inline constexpr std::string_view kLengthPowerOf2 = "\": data length must be power of 2";
inline constexpr std::string_view kInvalidDaubechiesOrder =
    "\": invalid order of Daubechies wavelet family";
}  // namespace msg

// "Routine: text".
std::string RoutineMessage(std::string_view Routine, std::string_view Text);

// "Component \"" + Name + Suffix; the suffix carries the closing quotation mark.
std::string ComponentMessage(std::string_view Name, std::string_view Suffix);

// Raises E with the routine message "Routine: text".
template <class E>
[[noreturn]] void RaiseRoutineError(std::string_view Routine, std::string_view Text) {
  throw E(RoutineMessage(Routine, Text));
}

// Raises E with the component message for the component called Name.
template <class E>
[[noreturn]] void RaiseComponentError(std::string_view Name, std::string_view Suffix) {
  throw E(ComponentMessage(Name, Suffix));
}

// Runs an allocation; running out of memory (or asking for more than a container can hold)
// becomes E with the component's heap message instead of escaping as std::bad_alloc.
template <class E, class Allocation>
decltype(auto) GuardedAllocation(std::string_view Name, Allocation&& Allocate) {
  try {
    return std::forward<Allocation>(Allocate)();
  } catch (const std::bad_alloc&) {
    RaiseComponentError<E>(Name, msg::kNotEnoughMemoryOnHeap);
  } catch (const std::length_error&) {
    RaiseComponentError<E>(Name, msg::kNotEnoughMemoryOnHeap);
  }
}

}  // namespace qor
