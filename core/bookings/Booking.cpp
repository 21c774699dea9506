#include "core/bookings/Booking.h"

#include "core/data/JetSql.h"
#include "core/data/PublicFunction.h"
#include "core/data/Query.h"
#include "core/data/ShareDM.h"
#include "core/data/Words.h"
#include "core/rooms/RoomFee.h"

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

SaveResult overlapQuestion(Query& q, const OverlapCheck& c, QString* question)
{
    question->clear();
    QStringList with;
    const SaveResult r = attempt(q, [&] {
        QueryLease lease(q);
        lease.open(QStringLiteral("Select * From Book Where (BookIndex > 1) And (BookIndex <> %1) And (BookRoom = %2) "
                                  "And (BookBeginTime < %3) And (BookEndTime > %4) Order By BookBeginTime")
                       .arg(c.exceptBooking)
                       .arg(quoted(c.room), jetDateTime(c.end), jetDateTime(c.begin)));
        for (q.first(); !q.eof(); q.next()) {
            const QString remark = q.str(QStringLiteral("BookRemark")).trimmed();
            if (!c.customer.trimmed().isEmpty() && remark.contains(c.customer.trimmed()))
                continue;
            QString span = q.dateTime(QStringLiteral("BookBeginTime")).toString(QStringLiteral("yyyy-MM-dd HH:mm")) + QStringLiteral(" 至 ")
                           + q.dateTime(QStringLiteral("BookEndTime")).toString(QStringLiteral("yyyy-MM-dd HH:mm"));
            if (!remark.isEmpty())
                span += QStringLiteral("（%1）").arg(remark.section(QLatin1Char('\n'), 0, 0).left(20));
            with << span;
        }
        return SaveResult::done();
    }, words::dbOpenFailed());
    if (!r.saved)
        return r;
    QString task;
    if (c.withTask) {
        const SaveResult t = attempt(q, [&] {
            QueryLease lease(q);
            lease.open(QStringLiteral("Select * From Room Where RoomName = ") + quoted(c.room));
            if (!q.eof() && words::taskRunning(q.str(QStringLiteral("RoomState"))) && q.dateTime(QStringLiteral("RoomBeginTime")) < c.end
                && q.dateTime(QStringLiteral("RoomEndTime")) > c.begin)
                task = q.dateTime(QStringLiteral("RoomEndTime")).toString(QStringLiteral("yyyy-MM-dd HH:mm"));
            return SaveResult::done();
        }, words::dbOpenFailed());
        if (!t.saved)
            return t;
    }
    if (!with.isEmpty())
        *question = QStringLiteral("该时段与%1的预订重叠，仍要%2吗？").arg(with.join(QStringLiteral("、")), c.action);
    else if (!task.isEmpty())
        *question = QStringLiteral("该时段与正在进行的计时（至 %1）重叠，仍要%2吗？").arg(task, c.action);
    return SaveResult::done();
}

QString bookingLength(const QDateTime& begin, const QDateTime& end)
{
    return lengthText(roundedSeconds(begin, end));
}

SaveResult saveBooking(TShareDataModule& dm, const BookingInput& in)
{
    if (in.end < in.begin)
        return SaveResult::refused(QStringLiteral("结束时间 不得小于 开始时间"));
    Query& q = dm.ADOQueryTemp;
    const SaveResult r = writeAll(q, [&] {
        if (in.isNew) {
            q.setSql(QStringLiteral("Select * From Book"));
            q.open();
            q.insert();
        } else {
            q.setSql(QStringLiteral("Select * From Book Where BookIndex = ") + QString::number(in.editIndex));
            q.open();
            if (q.eof())
                return SaveResult::done();  // gone meanwhile: nothing to change
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
        return SaveResult::done();
    }, QStringLiteral("数据库打开失败："));
    if (r.saved)
        emit dm.changes.roomsChanged();
    return r;
}

SaveResult deleteBooking(TShareDataModule& dm, int bookIndex, int roomIndex, const QString& roomName)
{
    Query& q = dm.ADOQueryTemp;
    const SaveResult r = writeAll(q, [&] {
        q.setSql(QStringLiteral("Delete * From Book Where BookIndex = ") + QString::number(bookIndex));
        q.execSql();
        q.setSql(QStringLiteral("Select * From Book Where BookRoom = ") + quoted(roomName));
        q.open();
        if (q.isEmpty())
            moveRoomState(q, roomIndex, words::roomBooked(), words::roomFree());
        return SaveResult::done();
    }, QStringLiteral("数据库打开失败："));
    if (r.saved)
        emit dm.changes.roomsChanged();
    return r;
}

namespace {

// Moments compared by their date and time of day: no time zone work per row.
bool before(const QDateTime& a, const QDate& d, const QTime& t)
{
    return a.date() < d || (a.date() == d && a.time() < t);
}

bool after(const QDateTime& a, const QDate& d, const QTime& t)
{
    return a.date() > d || (a.date() == d && a.time() > t);
}

// The booking touches the days from `first` to `last`: it begins by 23:59:59
// of the last and ends at 0:00:01 of the first or later.
bool touches(const QDateTime& begin, const QDateTime& end, const QDate& first, const QDate& last)
{
    const bool backwards = end.date() < begin.date() || (end.date() == begin.date() && end.time() < begin.time());
    return !backwards && !after(begin, last, QTime(23, 59, 59)) && !before(end, first, QTime(0, 0, 1));
}

}  // namespace

Span bookedHours(const QDateTime& begin, const QDateTime& end, const QDate& day)
{
    if (!touches(begin, end, day, day))
        return {};
    return {begin.date() < day ? 0 : begin.time().hour(), end.date() > day ? 23 : end.time().hour()};
}

Span bookedDays(const QDateTime& begin, const QDateTime& end, const QDate& day)
{
    const QDate first(day.year(), day.month(), 1), last(day.year(), day.month(), day.daysInMonth());
    if (!touches(begin, end, first, last))
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
    const int roomCol = q.fieldIndex(QStringLiteral("BookRoom"));
    const int beginCol = q.fieldIndex(QStringLiteral("BookBeginTime"));
    const int endCol = q.fieldIndex(QStringLiteral("BookEndTime"));
    // The stored texts read as plain dates and times: the marks compare
    // dates and hours only, so no time zone work is done per booking.
    auto moment = [&](int col) {
        const QString t = q.valueAt(q.recNo(), col).toString();
        const QStringView v(t);
        auto number = [&](qsizetype at, qsizetype n) { return v.size() >= at + n ? v.mid(at, n).toInt() : 0; };
        return QDateTime(QDate(number(0, 4), number(5, 2), number(8, 2)), QTime(number(11, 2), number(14, 2), number(17, 2)), Qt::UTC);
    };
    // The hours and days of the day's month a span covers, into the room's sets.
    auto mark = [&](QSet<int>& hours, QSet<int>& days, const QDateTime& b, const QDateTime& e) {
        const Span h = bookedHours(b, e, day);
        for (int i = h.first; i <= h.last; ++i)
            hours.insert(i);
        const Span d = bookedDays(b, e, day);
        for (int i = d.first; i <= d.last; ++i)
            days.insert(i);
    };
    QHash<QString, QList<std::pair<QDateTime, QDateTime>>> spans;
    for (; !q.eof(); q.next()) {
        const QString room = q.valueAt(q.recNo(), roomCol).toString();
        const QDateTime b = moment(beginCol), e = moment(endCol);
        mark(marks.hours[room], marks.days[room], b, e);
        // Where this booking meets an earlier one of the room: their common
        // span, to its last second shared (an overlap ending on the hour marks
        // no hour past it).
        for (const auto& [ob, oe] : spans.value(room))
            if (b < oe && ob < e)
                mark(marks.overlapHours[room], marks.overlapDays[room], std::max(b, ob), std::min(e, oe).addSecs(-1));
        spans[room].append({b, e});
    }
    q.close();
    return marks;
}

}  // namespace velbrisk
