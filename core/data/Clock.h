#pragma once
// Today and now as the whole program sees them. The program asks this one
// clock; a test sets a clock of its own to fix the day.
#include <QDate>
#include <QDateTime>

namespace velbrisk {

class Clock {
public:
    virtual ~Clock() = default;

    static QDateTime now();
    static QDate today() { return now().date(); }

    // The clock every call asks from now on; null gives back the system's.
    static void use(Clock* clock);

protected:
    virtual QDateTime currentDateTime() const;
};

}  // namespace velbrisk
