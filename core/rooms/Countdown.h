#pragma once
// The one-second countdown of the board's tiles: time left or overtime, the
// progress bar, the overtime write, the alarm and its flashing picture.
#include "core/config/Options.h"
#include "core/data/Query.h"
#include "core/rooms/Board.h"

namespace velbrisk {

class Connection;
class SoundPlayer;

class Countdown {
public:
    // The countdown keeps a query of its own, so that its write never uses a
    // scratch query an action is holding.
    Countdown(Connection& c, Options options, SoundPlayer* sound);

    // One tick at `now` over the visible tiles; the number of rooms it
    // turned overtime.
    int tick(TileSlots& tiles, const QDateTime& now);

    int writes() const { return m_writes; }  // overtime writes so far

private:
    // True when the room is overtime now; false while the file is busy (the
    // tile then shows overtime, and the next tick writes again).
    bool markOvertime(TileSlot& slot, const QDateTime& now);

    Query m_query;
    Options m_options;
    SoundPlayer* m_sound;
    QDateTime m_lastTick;
    int m_writes = 0;
};

}  // namespace velbrisk
