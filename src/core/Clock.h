#pragma once

#include "core/DayDate.h"

namespace belvane {

// Where "today" comes from. The program uses the machine's local calendar date;
// tests install a fixed day.
class Clock {
public:
    virtual ~Clock() = default;
    virtual CivilDate Today() const = 0;

    // The machine's clock; lives for the whole run.
    static const Clock& System();
};

class FixedClock final : public Clock {
public:
    explicit FixedClock(CivilDate today) : m_today(today) {}
    CivilDate Today() const override { return m_today; }
    void Set(CivilDate today) { m_today = today; }

private:
    CivilDate m_today;
};

}  // namespace belvane
