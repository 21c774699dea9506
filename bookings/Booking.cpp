#include "bookings/Booking.h"

#include "data/JetSql.h"
#include "data/ShareDM.h"
#include "data/Words.h"
#include "rooms/RoomFee.h"

namespace velbrisk {

namespace {

// The room turns `to` when it is `from`; any other state stays.
void moveRoomState(Query& q, int roomIndex, const QString& from, const QString& to)
{
    q.setSql(QStringLiteral("Select * From Room Where RoomIndex = ") + QString::number(roomIndex));
    q.open();
    if (!q.eof() && q.str(QStringLiteral("RoomState")) == from) {
        q.edit();
        q.setValue(QStringLiteral("RoomState"), to);
        q.post();
    }
}

}  // namespace

QString bookingLength(const QDateTime& begin, const QDateTime& end)
{
    return lengthText(roundedSeconds(begin, end));
}

QString saveBooking(TShareDataModule& dm, const BookingInput& in)
{
    if (in.end < in.begin)
        return QStringLiteral("结束时间 不得小于 开始时间");
    Query& q = dm.ADOQueryTemp;
    try {
        Transaction tx(dm.ADOConnection1);
        if (in.isNew) {
            q.setSql(QStringLiteral("Select * From Book"));
            q.open();
            q.insert();
        } else {
            q.setSql(QStringLiteral("Select * From Book Where BookIndex = ") + QString::number(in.editIndex));
            q.open();
            if (q.eof()) {
                q.close();
                return QString();
            }
            q.edit();
        }
        q.setValue(QStringLiteral("BookRoom"), in.room);
        q.setValue(QStringLiteral("BookBeginTime"), in.begin);
        q.setValue(QStringLiteral("BookEndTime"), in.end);
        q.setValue(QStringLiteral("BookUseTime"), bookingLength(in.begin, in.end));
        q.setValue(QStringLiteral("BookRemark"), in.remark);
        q.post();
        if (in.isNew && in.roomIndex > 0)
            moveRoomState(q, in.roomIndex, words::roomFree(), words::roomBooked());
        q.close();
        tx.commit();
        emit dm.changes.roomsChanged();
    } catch (const Failure& e) {
        q.close();
        return QStringLiteral("数据库打开失败：") + e.message();
    }
    return QString();
}

QString deleteBooking(TShareDataModule& dm, int bookIndex, int roomIndex, const QString& roomName)
{
    Query& q = dm.ADOQueryTemp;
    try {
        Transaction tx(dm.ADOConnection1);
        q.setSql(QStringLiteral("Delete * From Book Where BookIndex = ") + QString::number(bookIndex));
        q.execSql();
        q.setSql(QStringLiteral("Select * From Book Where BookRoom = ") + quoted(roomName));
        q.open();
        if (q.isEmpty())
            moveRoomState(q, roomIndex, words::roomBooked(), words::roomFree());
        q.close();
        tx.commit();
        emit dm.changes.roomsChanged();
    } catch (const Failure& e) {
        q.close();
        return QStringLiteral("数据库打开失败：") + e.message();
    }
    return QString();
}

}  // namespace velbrisk
