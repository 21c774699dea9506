#include "core/data/DateText.h"

#include <QRegularExpression>

namespace velbrisk {

QString toStoredDate(const QDateTime& dt)
{
    return dt.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

QString toStoredDate(const QDate& d)
{
    return d.toString(QStringLiteral("yyyy-MM-dd")) + QStringLiteral(" 00:00:00");
}

std::optional<QDateTime> fromStoredDate(const QString& text)
{
    if (text.size() == 19) {
        const QDateTime dt = QDateTime::fromString(text, QStringLiteral("yyyy-MM-dd HH:mm:ss"));
        if (dt.isValid())
            return dt;
    }
    return parseLooseDate(text);
}

std::optional<QDateTime> parseLooseDate(const QString& text)
{
    static const QRegularExpression yearFirst(QStringLiteral(
        R"(^\s*(\d{4})[-/.](\d{1,2})[-/.](\d{1,2})(?:[ T]+(\d{1,2}):(\d{1,2})(?::(\d{1,2}))?)?\s*$)"));
    static const QRegularExpression monthFirst(QStringLiteral(
        R"(^\s*(\d{1,2})/(\d{1,2})/(\d{4})(?:\s+(\d{1,2}):(\d{1,2})(?::(\d{1,2}))?)?\s*$)"));
    int y = 0, m = 0, d = 0;
    QRegularExpressionMatch match = yearFirst.match(text);
    if (match.hasMatch()) {
        y = match.captured(1).toInt();
        m = match.captured(2).toInt();
        d = match.captured(3).toInt();
    } else {
        match = monthFirst.match(text);
        if (!match.hasMatch())
            return std::nullopt;
        m = match.captured(1).toInt();
        d = match.captured(2).toInt();
        y = match.captured(3).toInt();
    }
    const QDate date(y, m, d);
    if (!date.isValid())
        return std::nullopt;
    QTime time(0, 0, 0);
    if (!match.captured(4).isEmpty()) {
        time = QTime(match.captured(4).toInt(), match.captured(5).toInt(),
                     match.captured(6).isEmpty() ? 0 : match.captured(6).toInt());
        if (!time.isValid())
            return std::nullopt;
    }
    return QDateTime(date, time);
}

QString dateDisplayText(const QDateTime& dt)
{
    if (dt.time() == QTime(0, 0))
        return dt.toString(QStringLiteral("yyyy-MM-dd"));
    return dt.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

}  // namespace velbrisk
