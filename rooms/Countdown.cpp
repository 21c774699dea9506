#include "rooms/Countdown.h"

#include "data/Platform.h"
#include "data/PublicFunction.h"
#include "rooms/RoomFee.h"

#include <cmath>

namespace velbrisk {

Countdown::Countdown(Connection& c, Options options, SoundPlayer* sound)
    : m_query(c), m_options(std::move(options)), m_sound(sound)
{
}

void Countdown::markOvertime(TileSlot& slot, const QDateTime& now)
{
    slot.state = QStringLiteral("超时");
    ++m_writes;
    if (!OpenQuery(m_query, QStringLiteral("Select * From Room Where RoomIndex = ") + QString::number(slot.roomIndex),
                   QStringLiteral("数据库打开失败")))
        return;
    try {
        // Only a task that is still running past its end turns overtime: a
        // room settled, cancelled or adjusted meanwhile keeps what it has.
        if (!m_query.eof() && m_query.str(QStringLiteral("RoomState")) == QStringLiteral("占用")
            && m_query.dateTime(QStringLiteral("RoomEndTime")) < now) {
            m_query.edit();
            m_query.setValue(QStringLiteral("RoomState"), QStringLiteral("超时"));
            m_query.post();
        }
    } catch (const Failure& e) {
        if (Reporter* r = m_query.connection().reporter())
            r->inform(e.message());
    }
    m_query.close();
    slot.picture = QStringLiteral("Res/Red64.jpg");
}

void Countdown::tick(TileSlots& tiles, const QDateTime& now)
{
    // A full hour of the clock passed since the last tick (also when no tick
    // fell on the full-hour second itself).
    const bool fullHour = m_lastTick.isValid()
                          && now.toSecsSinceEpoch() / 3600 != m_lastTick.toSecsSinceEpoch() / 3600;
    m_lastTick = now;
    for (TileSlot& s : tiles) {
        if (!s.visible)
            continue;
        if (s.type == QString::fromUtf8(kPerUse)) {
            s.progress = 0;
            continue;
        }
        if (s.type != QString::fromUtf8(kByHour)
            || (s.state != QStringLiteral("占用") && s.state != QStringLiteral("超时")))
            continue;
        s.caption = QStringLiteral("剩余：");
        const qint64 r = roundedSeconds(now, s.end);
        QString text;
        if (r < 0) {
            text = QStringLiteral("+ ");
            if (s.state == QStringLiteral("占用"))
                markOvertime(s, now);
            if (s.ringPending) {
                s.ringPending = false;
                s.flashCount = 3;
                s.picture = QStringLiteral("Res/Ring64.jpg");
                if (m_sound)
                    m_sound->play(m_options.read(opt::RingFile));
            }
            if (s.flashCount > 0 && --s.flashCount == 0)
                s.picture = QStringLiteral("Res/Red64.jpg");
            if (fullHour && s.state == QStringLiteral("超时")
                && m_options.read(opt::RingMode) == QStringLiteral("多次响铃"))
                s.ringPending = true;
        }
        s.timeText = text + clockText(r);
        if (s.state == QStringLiteral("占用")) {
            const qint64 t = std::llabs(roundedSeconds(s.begin, s.end));
            const qint64 left = std::llabs(r);
            s.progress = t > 0 ? std::max<qint64>(0, (t - left) * 100 / t) : 0;
        } else {
            s.progress = 100;
        }
    }
}

}  // namespace velbrisk
