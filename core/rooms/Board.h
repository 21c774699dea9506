#pragma once
// The room board's rules: which rooms a page shows, the tile tiles that the
// countdown works on, and the counts per state.
#include "core/data/SaveResult.h"
#include "core/data/Words.h"

#include <QDateTime>
#include <QString>
#include <array>
#include <optional>

namespace velbrisk {

class Query;

inline constexpr int kTileCount = 36;

// What the board keeps per tile slot (it belongs to the slot, not the room).
struct TileSlot {
    bool visible = false;
    int roomIndex = 0;
    QString name;
    QString state = words::roomFree();
    QString type;
    QDateTime begin;
    QDateTime end;
    bool ringPending = true;
    int flashCount = 0;
    // What the tile shows.
    QString caption = QStringLiteral("剩余：");
    QString timeText = QStringLiteral("00:00:00");
    int progress = 0;
    QString picture = QStringLiteral("Res/White64.jpg");
};

using TileSlots = std::array<TileSlot, kTileCount>;

// "Res/White64.jpg" for "空闲" and so on; the free picture for an unknown word.
QString statePicture64(const QString& state);
QString statePicture80(const QString& state);

struct BoardCounts {
    int free = 0, booked = 0, occupied = 0, overtime = 0, total = 0;
};

struct BoardPage {
    bool empty = false;       // no room matches: show the placeholder
    bool priorEnabled = false;
    bool nextEnabled = false;
    std::optional<BoardCounts> counts;  // unset when a count query failed
};

// RefreshBoard: loads page `page` of `pageSize` rooms under the filter and
// sort texts of the board's lists into the tiles, and the counts, into `out`.
// Runs on `query` (the first scratch query). Refused with "刷新房间时出错"
// when the rooms cannot be read (tiles unchanged); a count that cannot be
// read leaves the counts unset and its message in the result.
SaveResult refreshBoard(Query& query, TileSlots& tiles, const QString& filterText, const QString& sortText, int page,
                        int pageSize, BoardPage* out);

// The rooms per state; refused with "数据库打开失败".
SaveResult countRooms(Query& query, BoardCounts* out);

}  // namespace velbrisk
