#pragma once
// What a failing action throws: the text shown to the person, and for the
// data layer what kind of failure it was.
#include <QString>
#include <stdexcept>

namespace velbrisk {

// A failure that ends the action in progress; `message()` is the text shown
// to the person.
class Failure : public std::runtime_error {
public:
    explicit Failure(const QString& message);
    QString message() const { return m_message; }

private:
    QString m_message;
};

// Every failure of the data layer.
class DbError : public Failure {
public:
    enum class Kind { Generic, NotADatabase, Locked, Missing, Foreign, Syntax, ReadOnly };
    DbError(Kind kind, const QString& message);
    explicit DbError(const QString& message) : DbError(Kind::Generic, message) {}
    Kind kind() const { return m_kind; }

private:
    Kind m_kind;
};

}  // namespace velbrisk
