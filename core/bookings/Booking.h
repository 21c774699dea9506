#pragma once
// Bookings and the room state "预订" they bring.
#include "core/data/SaveResult.h"

#include <QDateTime>
#include <QHash>
#include <QSet>
#include <QString>

namespace velbrisk {

class Query;

class TShareDataModule;

struct BookingInput {
    bool isNew = true;
    int editIndex = 0;   // BookIndex to change when not new
    int roomIndex = 0;   // the room of a new booking (its state turns "预订" when free)
    QString room;
    QDateTime begin;
    QDateTime end;
    QString remark;
};

// "1:00:00", "26:03:04", "- 0:15:00"
QString bookingLength(const QDateTime& begin, const QDateTime& end);

// Saves a booking; a new one and the room's change to "预订" are one
// transaction. A booking gone meanwhile is no refusal: nothing to change.
SaveResult saveBooking(TShareDataModule& dm, const BookingInput& in);

// With "预订重叠" set to "提醒重叠": a span of a room that overlaps another
// of its bookings, or its running task, is asked about before it is kept.
struct OverlapCheck {
    QString room;
    QDateTime begin, end;
    int exceptBooking = 0;  // the booking being changed
    bool withTask = true;   // the room's running task counts (not when starting one)
    QString customer;       // a booking whose remark names this customer is theirs
    QString action = QStringLiteral("保存");  // "仍要保存吗？"
};
// The question, in `question`, empty when nothing overlaps: "该时段与
// 2026-12-11 18:00 至 20:00（张三）的预订重叠，仍要保存吗？". Refused when the
// data file cannot be read.
SaveResult overlapQuestion(Query& q, const OverlapCheck& c, QString* question);

// Deletes a booking; when it was the room's last one, a booked room becomes
// free, in the same transaction.
SaveResult deleteBooking(TShareDataModule& dm, int bookIndex, int roomIndex, const QString& roomName);

// The booking calendar's marks. A booking covers a day when it begins by
// 23:59:59 of the day and ends at 0:00:01 or later; on its first day it is
// marked from its begin hour, on its last day up to its end hour (that hour
// included), whole between. Whole dates are compared, so a booking of more
// than a month is marked on the right days only.
struct Span {
    int first = 0;
    int last = -1;  // inclusive; empty when last < first
};
Span bookedHours(const QDateTime& begin, const QDateTime& end, const QDate& day);
// Days of the month of `day` (1 to the month's own last day).
Span bookedDays(const QDateTime& begin, const QDateTime& end, const QDate& day);

// Every booking's marks on the day and in its month, by room name.
struct CalendarMarks {
    QHash<QString, QSet<int>> hours;  // 0..23
    QHash<QString, QSet<int>> days;   // 1..31
    // The hours and days where two bookings of a room overlap.
    QHash<QString, QSet<int>> overlapHours, overlapDays;
};
CalendarMarks calendarMarks(Query& q, const QDate& day);

}  // namespace velbrisk
