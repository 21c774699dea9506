#pragma once
// Builds the condition texts of the search windows: fragments that each begin
// with " And ", appended behind a caller's own where-clause. Every typed text
// goes in quoted and every date as a date literal, so no search window can
// splice a text into SQL unquoted.
#include <QDate>
#include <QString>
#include <QStringList>

namespace velbrisk {

class ConditionBuilder {
public:
    // " And (InStr(Column,'text'))": the column holds the text. Nothing for an empty text.
    ConditionBuilder& contains(const QString& column, const QString& text);
    // " And (Not InStr(Column,'text'))". Nothing for an empty text.
    ConditionBuilder& lacks(const QString& column, const QString& text);
    // " And (Column = 'text')".
    ConditionBuilder& equals(const QString& column, const QString& text);
    // " And (Column Between #from# And #to#)": date literals mean 0:00.
    ConditionBuilder& dateSpan(const QString& column, const QDate& from, const QDate& to);
    // Whole days, from 0:00 of `from` up to, not including, 0:00 of the day
    // after `to`: " And (Column >= #from# And Column < #to + 1#)". A moment at
    // 15:00 on the last day is inside.
    ConditionBuilder& days(const QString& column, const QDate& from, const QDate& to);
    // " And (expression > number)" / " And (expression < number)", exclusive.
    // The number is an amount as typed (sign included), checked to be a
    // number before it goes into the text; nothing for an empty text.
    ConditionBuilder& above(const QString& expression, const QString& amountText);
    ConditionBuilder& below(const QString& expression, const QString& amountText);
    // " And Column In ('a','b')". Nothing for an empty list.
    ConditionBuilder& in(const QString& column, const QStringList& values);
    // A fixed fragment of the program's own (no typed text), written as given:
    // " And (MoneySum > 0)".
    ConditionBuilder& fixed(const QString& fragment);

    QString text() const { return m_text; }
    bool isEmpty() const { return m_text.isEmpty(); }

private:
    ConditionBuilder& bound(const QString& expression, const char* op, const QString& amountText);
    QString m_text;
};

}  // namespace velbrisk
