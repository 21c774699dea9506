#pragma once
// Turns the Jet SQL text that windows compose into the data engine's dialect.
// This is the one place that knows both; nothing else sees engine SQL.
#include <QDate>
#include <QDateTime>
#include <QString>
#include <stdexcept>

namespace velbrisk {

class JetSyntaxError : public std::runtime_error {
public:
    explicit JetSyntaxError(const QString& message);
    QString message() const { return m_message; }

private:
    QString m_message;
};

// Translates one Jet statement. Throws JetSyntaxError for constructs that have
// no faithful translation (unknown functions, TOP, parameters, several
// statements, malformed date literals, unbalanced brackets or quotes).
QString translateJet(const QString& jet);

// Quotes a typed text as a Jet string literal: 'O''Brien'. Every text a person
// types goes through this (or a bound value) before it enters SQL.
QString quoted(const QString& text);

// A date as a Jet literal without time of day: #2026-01-05#.
QString jetDate(const QDate& date);
// A point in time as a Jet literal: #2026-01-05 13:30:00#.
QString jetDateTime(const QDateTime& dt);

}  // namespace velbrisk
