#pragma once
#include <QDate>
#include <QDateTime>

// The computer's date and time (sale times, print stamps). Tests install a fixed clock.
class ClockSeam {
public:
    virtual ~ClockSeam() = default;
    virtual QDateTime now() const = 0;
    QDate today() const { return now().date(); }

    static ClockSeam& current();
    static void install(ClockSeam* seam);  // nullptr puts the system clock back
};

class SystemClock : public ClockSeam {
public:
    QDateTime now() const override { return QDateTime::currentDateTime(); }
};
