// Times the exchange sort of a full register: 3999 entries with scattered dates, amounts and
// groups, sorted by each key in both orders. Prints the times; asserts nothing.

#include "core/registers/sort.h"
#include "core/store/helpers.h"

#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QTextStream>

using namespace trelfin;

int main()
{
    QRandomGenerator random(3999);
    QVector<Entry> full;
    for (int i = 0; i < MaxEntries; ++i) {
        full.append(Entry{FormatDate(1 + random.bounded(28), 1 + random.bounded(12), 2000 + random.bounded(10)),
                          random.bounded(100000) / 100.0, static_cast<std::uint8_t>(1 + random.bounded(30)),
                          QStringLiteral("Pozycja %1").arg(i)});
    }

    QTextStream out(stdout);
    const struct { SortKey key; const char *name; } keys[] = {
        {SortKey::date, "date"}, {SortKey::amount, "amount"}, {SortKey::group, "group"}};
    for (const auto &k : keys) {
        for (const SortOrder order : {SortOrder::ascending, SortOrder::descending}) {
            QVector<Entry> entries = full;
            QElapsedTimer timer;
            timer.start();
            exchangeSort(entries, k.key, order);
            const qint64 ns = timer.nsecsElapsed();
            out << "sort " << entries.size() << " entries by " << k.name
                << (order == SortOrder::ascending ? " ascending: " : " descending: ")
                << QString::number(ns / 1e6, 'f', 1) << " ms\n";
        }
    }
    return 0;
}
