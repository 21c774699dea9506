#pragma once
// A clock that stands where the test puts it, for as long as it lives.
#include "core/data/Clock.h"

namespace velbrisk::test {

class FixedClock : public Clock {
public:
    explicit FixedClock(const QDateTime& at) : m_at(at) { Clock::use(this); }
    ~FixedClock() override { Clock::use(nullptr); }
    FixedClock(const FixedClock&) = delete;
    FixedClock& operator=(const FixedClock&) = delete;

    void set(const QDateTime& at) { m_at = at; }

protected:
    QDateTime currentDateTime() const override { return m_at; }

private:
    QDateTime m_at;
};

}  // namespace velbrisk::test
