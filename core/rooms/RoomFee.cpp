#include "core/rooms/RoomFee.h"

#include "core/data/JetFunctions.h"
#include "core/data/PublicFunction.h"
#include "core/data/Words.h"

#include <cmath>

namespace velbrisk {

qint64 roundedSeconds(const QDateTime& from, const QDateTime& to)
{
    const qint64 ms = from.msecsTo(to);
    return ms >= 0 ? (ms + 500) / 1000 : -((-ms + 500) / 1000);
}

static QString hms(qint64 seconds, int hourWidth)
{
    const qint64 s = std::llabs(seconds);
    return QStringLiteral("%1:%2:%3")
        .arg(s / 3600, hourWidth, 10, QLatin1Char('0'))
        .arg((s / 60) % 60, 2, 10, QLatin1Char('0'))
        .arg(s % 60, 2, 10, QLatin1Char('0'));
}

QString lengthText(qint64 seconds)
{
    return (seconds < 0 ? QStringLiteral("- ") : QString()) + hms(seconds, 1);
}

QString clockText(qint64 seconds) { return hms(seconds, 2); }

qint64 hoursCharged(qint64 seconds)
{
    const qint64 s = std::llabs(seconds);
    return s / 3600 + (s % 3600 ? 1 : 0);
}

QString priceLine(double price, const QString& roomType)
{
    return FormatRounded(price)
           + (roomType == words::byHour() ? QStringLiteral(" 元/小时") : QStringLiteral(" 元/次"));
}

double priceOfLine(const QString& line)
{
    const qsizetype blank = line.indexOf(QLatin1Char(' '));
    const QString text = blank < 0 ? line : line.left(blank);
    return IsValidAmountText(text) ? TextToAmount(text) : 0;
}

RoomFee computeRoomFee(const QString& roomType, double price, const QDateTime& begin, const QDateTime& end)
{
    RoomFee f;
    f.byHour = roomType == words::byHour();
    if (!f.byHour) {
        f.length = QStringLiteral("（计次收费）");
        f.fee = price;
        return f;
    }
    const qint64 length = roundedSeconds(begin, end);
    f.length = lengthText(length);
    f.fee = double(hoursCharged(length)) * price;
    return f;
}

QString money2(double amount)
{
    return QString::number(jetRound(amount, 2), 'f', 2);
}

}  // namespace velbrisk
