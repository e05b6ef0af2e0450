#pragma once

#include "recordingsink.h"
#include "core/store/database.h"

#include <QList>
#include <QStringList>

namespace trelfin::test {

inline Entry entry(const QString &date, double amount, int group, const QString &description)
{
    return Entry{date, amount, static_cast<std::uint8_t>(group), description};
}

// Fills a register with `count` entries described "1", "2", ...
inline void fill(Database &db, RegisterKind kind, int count, int group = 1)
{
    for (int i = 1; i <= count; ++i)
        db.reg(kind).append(entry(QStringLiteral("01-01-2005"), i, group, QString::number(i)));
}

inline QStringList descriptions(const Register &r)
{
    QStringList list;
    for (const Entry &e : r.entries)
        list.append(e.description);
    return list;
}

inline QStringList dates(const Register &r)
{
    QStringList list;
    for (const Entry &e : r.entries)
        list.append(e.date);
    return list;
}

} // namespace trelfin::test
