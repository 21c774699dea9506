#include "core/rooms/Countdown.h"

#include "core/data/Platform.h"
#include "core/data/PublicFunction.h"
#include "core/data/Words.h"
#include "core/rooms/RoomFee.h"

#include <algorithm>
#include <cmath>

namespace velbrisk {

Countdown::Countdown(Connection& c, Options options, SoundPlayer* sound)
    : m_query(c), m_options(std::move(options)), m_sound(sound)
{
}

bool Countdown::markOvertime(TileSlot& slot, const QDateTime& now)
{
    ++m_writes;
    // A tick waits only briefly for another workstation's write: the board
    // must not freeze, and the next tick tries again.
    Connection& c = m_query.connection();
    struct BriefWait {
        Connection& c;
        int kept;
        ~BriefWait() { c.setBusyTimeout(kept); }
    } brief{c, c.busyTimeout()};
    c.setBusyTimeout(std::min(brief.kept, 200));
    try {
        // Only a task that is still running past its end turns overtime: a
        // room settled, cancelled or adjusted meanwhile keeps what it has.
        m_query.setSql(QStringLiteral("Select * From Room Where RoomIndex = ") + QString::number(slot.roomIndex));
        m_query.open();
        if (!m_query.eof() && m_query.str(QStringLiteral("RoomState")) == words::roomOccupied()
            && m_query.dateTime(QStringLiteral("RoomEndTime")) < now) {
            m_query.edit();
            m_query.setValue(QStringLiteral("RoomState"), words::roomOvertime());
            m_query.post();
        }
    } catch (const Failure&) {
        // The data file is busy (another workstation writing) or out of
        // reach: the tile stays as it was and the next tick tries again. The
        // countdown never stops the front desk with a message.
        m_query.close();
        if (slot.flashCount == 0)  // not over the alarm picture while it flashes
            slot.picture = QStringLiteral("Res/Red64.jpg");
        return false;
    }
    m_query.close();
    slot.state = words::roomOvertime();
    slot.picture = QStringLiteral("Res/Red64.jpg");
    return true;
}

int Countdown::tick(TileSlots& tiles, const QDateTime& now)
{
    int turned = 0;
    // A full hour of the clock passed since the last tick (also when no tick
    // fell on the full-hour second itself).
    // Hours of the venue's own clock, not of UTC.
    const QDateTime local = now.toLocalTime();
    const bool fullHour = m_lastTick.isValid()
                          && (local.date() != m_lastTick.date() || local.time().hour() != m_lastTick.time().hour());
    m_lastTick = local;
    for (TileSlot& s : tiles) {
        if (!s.visible)
            continue;
        if (s.type == words::perUse()) {
            s.progress = 0;
            continue;
        }
        if (s.type != words::byHour()
            || !words::taskRunning(s.state))
            continue;
        s.caption = QStringLiteral("剩余：");
        const qint64 r = roundedSeconds(now, s.end);
        QString text;
        if (r < 0) {
            text = QStringLiteral("+ ");
            if (s.state == words::roomOccupied() && markOvertime(s, now))
                ++turned;
            if (s.ringPending) {
                s.ringPending = false;
                s.flashCount = 3;
                s.picture = QStringLiteral("Res/Ring64.jpg");
                if (m_sound)
                    m_sound->play(m_options.read(opt::RingFile));
            }
            if (s.flashCount > 0 && --s.flashCount == 0)
                s.picture = QStringLiteral("Res/Red64.jpg");
            if (fullHour && s.state == words::roomOvertime()
                && m_options.ringEveryHour())
                s.ringPending = true;
        }
        s.timeText = text + clockText(r);
        // A task past its end shows a full bar, also while its overtime write
        // waits for a busy file.
        if (s.state == words::roomOccupied() && r >= 0) {
            const qint64 t = std::llabs(roundedSeconds(s.begin, s.end));
            const qint64 left = std::llabs(r);
            s.progress = t > 0 ? std::max<qint64>(0, (t - left) * 100 / t) : 0;
        } else {
            s.progress = 100;
        }
    }
    return turned;
}

}  // namespace velbrisk
