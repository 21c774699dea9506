#include "core/rooms/Board.h"

#include "core/data/JetSql.h"

#include "core/data/PublicFunction.h"
#include "core/data/Query.h"
#include "core/data/Words.h"

#include <QHash>

namespace velbrisk {

namespace {

QString stateColour(const QString& state)
{
    static const QHash<QString, QString> colours = {
        {words::roomFree(), QStringLiteral("White")},
        {words::roomBooked(), QStringLiteral("Blue")},
        {words::roomOccupied(), QStringLiteral("Green")},
        {words::roomOvertime(), QStringLiteral("Red")},
    };
    return colours.value(state, QStringLiteral("White"));
}

QString filterClause(const QString& filterText)
{
    static const QHash<QString, QString> clauses = {
        {QStringLiteral("空闲房间"), QStringLiteral(" And (RoomState = '空闲')")},
        {QStringLiteral("预订房间"), QStringLiteral(" And (RoomState = '预订')")},
        {QStringLiteral("占用房间"), QStringLiteral(" And (RoomState = '占用')")},
        {QStringLiteral("超时房间"), QStringLiteral(" And (RoomState = '超时')")},
    };
    return clauses.value(filterText);
}

QString orderClause(const QString& sortText)
{
    static const QHash<QString, QString> clauses = {
        {QStringLiteral("按编号排"), QStringLiteral(" Order By RoomIndex")},
        {QStringLiteral("按名称排"), QStringLiteral(" Order By RoomName")},
        {QStringLiteral("按状态排"), QStringLiteral(" Order By RoomState, RoomIndex")},
        {QStringLiteral("按类型排"), QStringLiteral(" Order By RoomType, RoomIndex")},
    };
    return clauses.value(sortText);
}

}  // namespace

QString statePicture64(const QString& state)
{
    return QStringLiteral("Res/") + stateColour(state) + QStringLiteral("64.jpg");
}

QString statePicture80(const QString& state)
{
    return QStringLiteral("Res/") + stateColour(state) + QStringLiteral("80.jpg");
}

SaveResult countRooms(Query& q, BoardCounts* out)
{
    BoardCounts c;
    int* targets[] = {&c.free, &c.booked, &c.occupied, &c.overtime};
    const QString states[] = {words::roomFree(), words::roomBooked(), words::roomOccupied(), words::roomOvertime()};
    const SaveResult r = attempt(
        q,
        [&] {
            for (int i = 0; i < 4; ++i) {
                q.setSql(QStringLiteral("Select * From Room Where (RoomIndex > 1) And (RoomState = ") + quoted(states[i])
                         + QStringLiteral(")"));
                q.open();
                *targets[i] = q.recordCount();
            }
            q.setSql(QStringLiteral("Select * From Room Where (RoomIndex > 1)"));
            q.open();
            c.total = q.recordCount();
            return SaveResult::done();
        },
        words::dbOpenFailed());
    if (r.saved)
        *out = c;
    return r;
}

SaveResult refreshBoard(Query& q, TileSlots& tiles, const QString& filterText, const QString& sortText, int page,
                        int pageSize, BoardPage* out)
{
    BoardPage result;
    const SaveResult rooms = attempt(
        q,
        [&] {
            q.setSql(QStringLiteral("Select * From Room Where (RoomIndex > 1)") + filterClause(filterText) + orderClause(sortText));
            q.open();
            if (q.isEmpty()) {
                result.empty = true;
                for (int i = 0; i < pageSize && i < kTileCount; ++i)
                    tiles[i].visible = false;
                return SaveResult::done();
            }
            const int n = q.recordCount();
            result.nextEnabled = (page + 1) * pageSize < n;
            result.priorEnabled = page > 0;
            q.moveTo(page * pageSize);
            for (int i = 0; i < pageSize && i < kTileCount; ++i) {
                TileSlot& s = tiles[i];
                if (q.eof()) {
                    s.visible = false;
                    continue;
                }
                s.visible = true;
                s.roomIndex = int(q.integer(QStringLiteral("RoomIndex")));
                s.name = q.str(QStringLiteral("RoomName"));
                s.state = q.str(QStringLiteral("RoomState"));
                s.type = q.str(QStringLiteral("RoomType"));
                s.picture = statePicture64(s.state);
                if (words::taskRunning(s.state)) {
                    s.timeText = s.state;
                    s.begin = q.dateTime(QStringLiteral("RoomBeginTime"));
                    s.end = q.dateTime(QStringLiteral("RoomEndTime"));
                } else {
                    s.caption = QStringLiteral("状态：");
                    s.timeText = words::roomFree();
                    s.progress = 0;
                    s.ringPending = true;
                }
                q.next();
            }
            return SaveResult::done();
        },
        QStringLiteral("刷新房间时出错"));
    if (!rooms.saved)
        return rooms;
    BoardCounts counts;
    const SaveResult counted = countRooms(q, &counts);
    if (counted.saved)
        result.counts = counts;
    *out = result;
    // The page is shown either way; a count that failed is said.
    return SaveResult::done(counted.saved ? QString() : counted.message);
}

}  // namespace velbrisk
