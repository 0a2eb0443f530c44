#pragma once
#include "data/ClockSeam.h"

// A clock that says what the test sets.
class FixedClock : public ClockSeam {
public:
    QDateTime now() const override { return moment; }
    QDateTime moment{QDate(2026, 12, 9), QTime(10, 30, 0)};
};
