#pragma once
// The venue's rooms: adding, changing (a rename carries the new name into
// bills, bookings and consumption) and deleting.
#include "core/data/SaveResult.h"

#include <QString>

namespace velbrisk {

class TShareDataModule;

struct RoomDetails {
    QString name;
    QString type;       // "计时收费" or "计次收费"
    QString priceText;
    QString remark;
};

// "新增" when editIndex is 0, else "修改" of that room. A rename and the
// room's own change are one transaction.
SaveResult saveRoom(TShareDataModule& dm, int editIndex, const RoomDetails& d);

// Deletes the room row only; its bills, bookings and consumption stay.
SaveResult deleteRoom(TShareDataModule& dm, int roomIndex);

// The search window's condition: " And (InStr(RoomName,'...'))" and so on.
QString roomSearchCondition(const QString& name, const QString& remark, const QString& user, const QString& note);

}  // namespace velbrisk
