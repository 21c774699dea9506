#include "core/data/Clock.h"

namespace velbrisk {

namespace {
Clock systemClock;
Clock* current = &systemClock;
}  // namespace

QDateTime Clock::now() { return current->currentDateTime(); }

void Clock::use(Clock* clock) { current = clock ? clock : &systemClock; }

QDateTime Clock::currentDateTime() const { return QDateTime::currentDateTime(); }

}  // namespace velbrisk
