#pragma once

#include "core/store/cp1250.h"
#include "core/store/database.h"
#include "core/store/databasefiles.h"
#include "core/store/olderformats.h"
#include "core/store/real48.h"
#include "core/store/scramble.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>

#include <cstring>

namespace trelfin::test {

// One 60-byte record of a 2000-version period file, built from its layout.
inline QByteArray record2000(const QString &date, double amount, int group, const QString &description)
{
    QByteArray r(PeriodRecordSize2000, '\0');
    const QByteArray d = toCp1250(date).left(10);
    r[0] = static_cast<char>(d.size());
    std::memcpy(r.data() + 1, d.constData(), d.size());
    ScramblePlain(textPositions(r, 0, 10));
    const Real48::Bytes real = Real48::fromDouble(amount)->bytes();
    std::memcpy(r.data() + 12, real.data(), real.size());
    r[18] = static_cast<char>(group);
    const QByteArray t = toCp1250(description).left(40);
    r[19] = static_cast<char>(t.size());
    std::memcpy(r.data() + 20, t.constData(), t.size());
    ScrambleWrapping(textPositions(r, 19, 40));
    return r;
}

inline QByteArray endRecord2000()
{
    QByteArray r(PeriodRecordSize2000, '\0');
    r[0] = 4;
    std::memcpy(r.data() + 1, "fu2u", 4);
    return r;
}

// A 2000-version database "<name>" of three periods in `folder`, owner "Jan"; period k has k + 1
// expenses of (k + 1) * 1.5 each in groups 2, 3, ..., one income, one debt, and (except the last)
// one planned entry of 75.25.
inline void writeDatabase2000(const QString &folder, const QString &name, const QString &password = QString())
{
    const auto write = [&](const QString &file, const QByteArray &bytes) {
        QFile f(QDir(folder).filePath(file));
        f.open(QIODevice::WriteOnly | QIODevice::Truncate);
        f.write(bytes);
    };
    DatabaseHeader header;
    SetDefaultGroups(header);
    header.ownerName = QStringLiteral("Jan");
    header.periodCount = 3;
    header.password = password;
    for (int p = 1; p <= 3; ++p)
        header.periods[p] = {QStringLiteral("01.01.2000brak"), QStringLiteral("okres %1").arg(p)};
    write(name + QStringLiteral(".tfc"), DatabaseRecordBytes(header));
    for (int k = 0; k < 3; ++k) {
        QByteArray file;
        for (int i = 0; i <= k; ++i)
            file += record2000(QStringLiteral("0%1-02-2000").arg(i + 1), (k + 1) * 1.5, i + 2, QStringLiteral("zakupy ąę"));
        file += endRecord2000();
        file += record2000(QStringLiteral("10-02-2000"), 1000, 0, QStringLiteral("pensja")) + endRecord2000();
        file += record2000(QStringLiteral("11-02-2000"), 50, 1, QStringLiteral("od Ani")) + endRecord2000();
        if (k < 2)
            file += record2000(QStringLiteral("20-02-2000"), 75.25, 4, QStringLiteral("czynsz")) + endRecord2000();
        write(name + QStringLiteral(".%1").arg(k), file);
    }
}

} // namespace trelfin::test
