#include "core/rooms/Board.h"

#include "core/data/Platform.h"
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

BoardCounts countRooms(Query& q, bool* ok)
{
    BoardCounts c;
    int* targets[] = {&c.free, &c.booked, &c.occupied, &c.overtime};
    const char* words[] = {"空闲", "预订", "占用", "超时"};
    *ok = false;
    for (int i = 0; i < 4; ++i) {
        if (!OpenQuery(q, QStringLiteral("Select * From Room Where (RoomIndex > 1) And (RoomState = '")
                              + QString::fromUtf8(words[i]) + QStringLiteral("')"),
                       words::dbOpenFailed()))
            return c;
        *targets[i] = q.recordCount();
    }
    if (!OpenQuery(q, QStringLiteral("Select * From Room Where (RoomIndex > 1)"), words::dbOpenFailed()))
        return c;
    c.total = q.recordCount();
    q.close();
    *ok = true;
    return c;
}

BoardPage refreshBoard(Query& q, TileSlots& tiles, const QString& filterText, const QString& sortText, int page,
                       int pageSize)
{
    BoardPage result;
    if (!OpenQuery(q, QStringLiteral("Select * From Room Where (RoomIndex > 1)") + filterClause(filterText)
                          + orderClause(sortText),
                   QStringLiteral("刷新房间时出错")))
        return result;
    result.ok = true;
    try {
        if (q.isEmpty()) {
            result.empty = true;
            for (int i = 0; i < pageSize && i < kTileCount; ++i)
                tiles[i].visible = false;
        } else {
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
        }
        q.close();
    } catch (const Failure& e) {
        q.close();
        if (Reporter* r = q.connection().reporter())
            r->inform(e.message());
    }
    bool countsOk = false;
    const BoardCounts counts = countRooms(q, &countsOk);
    if (countsOk)
        result.counts = counts;
    return result;
}

}  // namespace velbrisk
