#pragma once

#include <QDate>

namespace trelfin {

// Where the program learns today's date. The desktop provides the real one; tests set their own.
class Clock
{
public:
    virtual ~Clock() = default;
    virtual QDate today() const = 0;
};

class SystemClock : public Clock
{
public:
    QDate today() const override { return QDate::currentDate(); }
};

class FixedClock : public Clock
{
public:
    explicit FixedClock(QDate day = QDate(2004, 5, 12)) : m_day(day) {}
    QDate today() const override { return m_day; }
    void setToday(QDate day) { m_day = day; }

private:
    QDate m_day;
};

} // namespace trelfin
