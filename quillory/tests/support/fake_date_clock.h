#pragma once
#include "core/review_schedule.h"

namespace ql::testing {

// A calendar that shows whatever day the test sets.
struct FakeDateClock : DateClock {
    QDate day{2026, 3, 2};
    QDate today() const override { return day; }
    void advance(int days) { day = day.addDays(days); }
};

}  // namespace ql::testing
