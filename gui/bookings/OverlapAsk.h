#pragma once
// The question a booking or a task over another booking of its room asks.
#include "core/bookings/Booking.h"

namespace velbrisk {

struct AppContext;

// With "预订重叠" set to "提醒重叠", asks about the span of `check` when it
// overlaps ("操作确认"). True to go on: the option off, nothing overlapping,
// or Yes; false after No, or after a failed read (its message shown).
bool overlapAccepted(AppContext& ctx, const OverlapCheck& check);

}  // namespace velbrisk
