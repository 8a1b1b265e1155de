// Event types of the components and the mixins that fire them.
//
// An event is a std::function; an empty one has no handler and is skipped. A component that
// publishes an event derives from the matching mixin, passing its own type, and fires the
// event through Changed(), PercDone() or SortExchange() with itself as Sender.
#pragma once

#include <cstdint>
#include <functional>

#include "qor/frame/component.h"

namespace qor {

using TNotifyEvent = std::function<void(TObject* Sender)>;
using TOnPercentDoneEvent = std::function<void(TObject* Sender, int32_t PercentDone)>;
// ExchgWhat: 0 vector elements, 1 matrix columns, 2 matrix rows. Index1 and Index2 were
// exchanged; LowBound and HighBound are the other dimension's range of the sort.
using TSortExchgEvent = std::function<void(TObject* Sender, uint8_t ExchgWhat, int32_t Index1,
                                           int32_t Index2, int32_t LowBound, int32_t HighBound)>;
using TOnCheckAbortEvent = std::function<void(TObject* Sender, bool& Abort)>;

// What a sort exchanged, the ExchgWhat value of TSortExchgEvent.
inline constexpr uint8_t kExchgElements = 0;
inline constexpr uint8_t kExchgColumns = 1;
inline constexpr uint8_t kExchgRows = 2;

template <class Self>
class TChangeEvents {
 public:
  TNotifyEvent OnChange;
  // Fires OnChange(Self) when assigned.
  void Changed() {
    if (OnChange) OnChange(static_cast<Self*>(this));
  }
};

template <class Self>
class TPercentDoneEvents {
 public:
  TOnPercentDoneEvent OnPercentDone;
  // Fires OnPercentDone(Self, PercentDone); the Sender argument is ignored, so the method has
  // the shape of a TOnPercentDoneEvent handler and can be chained to another component.
  void PercDone(TObject* /*Sender*/, int32_t PercentDone) {
    if (OnPercentDone) OnPercentDone(static_cast<Self*>(this), PercentDone);
  }
};

template <class Self>
class TSortExchangeEvents {
 public:
  TSortExchgEvent OnSortExchange;
  // Fires OnSortExchange(Self, ...) with the five values unchanged.
  void SortExchange(uint8_t ExchgWhat, int32_t Index1, int32_t Index2, int32_t LowBound,
                    int32_t HighBound) {
    if (OnSortExchange)
      OnSortExchange(static_cast<Self*>(this), ExchgWhat, Index1, Index2, LowBound, HighBound);
  }
};

}  // namespace qor
