#pragma once
// Bookings and the room state "预订" they bring.
#include <QDateTime>
#include <QString>

namespace velbrisk {

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
// transaction. Empty text when done, else the message to show.
QString saveBooking(TShareDataModule& dm, const BookingInput& in);

// Deletes a booking; when it was the room's last one, a booked room becomes
// free, in the same transaction.
QString deleteBooking(TShareDataModule& dm, int bookIndex, int roomIndex, const QString& roomName);

}  // namespace velbrisk
