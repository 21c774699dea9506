#pragma once
// Dates travel through the data file as one text form, 'YYYY-MM-DD HH:MM:SS',
// so that equality with a date literal, ranges and sorting all work on text.
#include <QDateTime>
#include <QString>
#include <optional>

namespace velbrisk {

// The stored form of a point in time (milliseconds are dropped).
QString toStoredDate(const QDateTime& dt);
QString toStoredDate(const QDate& d);

// Reads a stored date back; nullopt when the text is not in a known form.
std::optional<QDateTime> fromStoredDate(const QString& text);

// Parses what a person or a Jet date literal may hold: "2026-1-5", "2026/01/05",
// "2026-1-5 0:00:01", "1/5/2026" (month first, as Jet reads it), with an
// optional time "h:m" or "h:m:s". nullopt when it is not a valid date.
std::optional<QDateTime> parseLooseDate(const QString& text);

// How a date value is shown as plain text: the date alone when the time of day
// is 0:00:00, else date and time.
QString dateDisplayText(const QDateTime& dt);

}  // namespace velbrisk
