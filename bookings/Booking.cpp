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

Span bookedHours(const QDateTime& begin, const QDateTime& end, const QDate& day)
{
    const QDateTime from(day, QTime(0, 0, 1)), to(day, QTime(23, 59, 59));
    if (begin > to || end < from || end < begin)
        return {};
    return {begin.date() < day ? 0 : begin.time().hour(), end.date() > day ? 23 : end.time().hour()};
}

Span bookedDays(const QDateTime& begin, const QDateTime& end, const QDate& day)
{
    const QDate first(day.year(), day.month(), 1), last(day.year(), day.month(), day.daysInMonth());
    if (begin > QDateTime(last, QTime(23, 59, 59)) || end < QDateTime(first, QTime(0, 0, 1)) || end < begin)
        return {};
    return {begin.date() < first ? 1 : begin.date().day(), end.date() > last ? last.day() : end.date().day()};
}

CalendarMarks calendarMarks(Query& q, const QDate& day)
{
    CalendarMarks marks;
    const QDate first(day.year(), day.month(), 1);
    // Every booking that touches the month; the day is inside it.
    q.setSql(QStringLiteral("Select * From Book Where (BookIndex > 1) And (BookBeginTime < %1) And (BookEndTime >= %2)")
                 .arg(jetDate(first.addMonths(1)), jetDateTime(QDateTime(first, QTime(0, 0, 1)))));
    q.open();
    for (; !q.eof(); q.next()) {
        const QString room = q.str(QStringLiteral("BookRoom"));
        const QDateTime b = q.dateTime(QStringLiteral("BookBeginTime")), e = q.dateTime(QStringLiteral("BookEndTime"));
        const Span h = bookedHours(b, e, day);
        for (int i = h.first; i <= h.last; ++i)
            marks.hours[room].insert(i);
        const Span d = bookedDays(b, e, day);
        for (int i = d.first; i <= d.last; ++i)
            marks.days[room].insert(i);
    }
    q.close();
    return marks;
}

}  // namespace velbrisk
