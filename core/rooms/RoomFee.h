#pragma once
// The room fee of a timing task and the texts of its length and countdown.
#include <QDateTime>
#include <QString>

namespace velbrisk {

// Whole seconds between two moments, rounded half away from zero.
qint64 roundedSeconds(const QDateTime& from, const QDateTime& to);

// "1:00:00", "0:45:00", "- 2:05:09": hours without leading zeros.
QString lengthText(qint64 seconds);
// "01:05:09", "123:00:00": hours at least two digits (countdown labels).
QString clockText(qint64 seconds);
// Every begun hour counts in full: 3600 -> 1, 3601 -> 2, 0 -> 0.
qint64 hoursCharged(qint64 seconds);

// The price line of the room window: "20 元/小时", "15 元/次".
QString priceLine(double price, const QString& roomType);
// The price at the front of a price line (up to its first blank).
double priceOfLine(const QString& line);

struct RoomFee {
    bool byHour = true;
    QString length;  // the length label
    double fee = 0;
};

// ComputeRoomFee: by the hour, every begun hour of |end - begin| at the
// hourly price; per use, the price once.
RoomFee computeRoomFee(const QString& roomType, double price, const QDateTime& begin, const QDateTime& end);

// "0.00" form of an amount.
QString money2(double amount);

}  // namespace velbrisk
