// Times the file operations on a full period (3999 entries in every register): saving it, reading
// it back, and copying a database of several such periods under a new name. Prints the times;
// not a test.
#include "core/store/clock.h"
#include "core/store/database.h"
#include "core/store/databasefiles.h"
#include "core/store/databaseops.h"
#include "core/store/messagesink.h"

#include <QElapsedTimer>
#include <QTemporaryDir>

#include <cstdio>

using namespace trelfin;

namespace {

struct PrintingSink : MessageSink
{
    void ShowInformation(const QString &line1, const QString &line2, const QString &) override
    {
        std::printf("message: %s %s\n", qPrintable(line1), qPrintable(line2));
    }
};

} // namespace

int main()
{
    QTemporaryDir dir;
    FixedClock clock;
    PrintingSink sink;
    Database db;
    InitialiseNewDatabase(db, dir.filePath(QStringLiteral("pelna.tf4")), clock);
    for (Register &r : db.registers) {
        for (int i = 0; i < MaxEntries; ++i)
            r.append(Entry{QStringLiteral("12-05-2004"), i * 1.25, 1, QStringLiteral("zakupy spożywcze na cały tydzień")});
    }
    constexpr int periods = 10;
    db.header.periodCount = periods;

    QElapsedTimer timer;
    timer.start();
    for (int k = 0; k < periods; ++k)
        SavePeriodFiles(db, k, clock, sink);
    std::printf("save a full period: %.1f ms\n", timer.nsecsElapsed() / 1e6 / periods);

    timer.restart();
    for (int k = 0; k < periods; ++k)
        LoadPeriod(db, k, sink);
    std::printf("load a full period: %.1f ms\n", timer.nsecsElapsed() / 1e6 / periods);

    timer.restart();
    CopyDatabase(db, dir.filePath(QStringLiteral("kopia.tf4")), clock, sink);
    std::printf("copy a database of %d full periods: %.1f ms\n", periods, timer.nsecsElapsed() / 1e6);
    return 0;
}
