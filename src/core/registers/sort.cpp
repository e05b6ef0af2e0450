#include "core/registers/sort.h"

#include "core/store/helpers.h"

#include <limits>
#include <utility>
#include <vector>

namespace trelfin {

namespace {

// Runs the exchange procedure over precomputed keys, moving a permutation along with them, and
// applies the permutation to the entries once at the end. `before(a, b)` tells whether an entry
// with key a must come before one with key b.
template<typename Key, typename Before>
void exchangeByKeys(QVector<Entry> &entries, std::vector<Key> keys, Before before)
{
    const int n = static_cast<int>(entries.size());
    std::vector<int> order(n);
    for (int i = 0; i < n; ++i)
        order[i] = i;
    for (int i = 0; i < n - 1; ++i) {
        for (int j = i + 1; j < n; ++j) {
            if (before(keys[j], keys[i])) {
                std::swap(keys[i], keys[j]);
                std::swap(order[i], order[j]);
            }
        }
    }
    QVector<Entry> sorted;
    sorted.reserve(n);
    for (int index : order)
        sorted.append(std::move(entries[index]));
    entries = std::move(sorted);
}

constexpr qint64 kUnreadableDate = std::numeric_limits<qint64>::min();

} // namespace

void exchangeSort(QVector<Entry> &entries, SortKey key, SortOrder order)
{
    const bool ascending = order == SortOrder::ascending;
    switch (key) {
    case SortKey::date: {
        std::vector<qint64> keys;
        keys.reserve(entries.size());
        for (const Entry &e : entries) {
            const auto d = ParseDate(e.date);
            keys.push_back(d ? DateKey(*d) : kUnreadableDate);
        }
        exchangeByKeys(entries, std::move(keys), [ascending](qint64 j, qint64 i) {
            if (j == kUnreadableDate || i == kUnreadableDate)
                return false;
            return ascending ? j < i : j > i;
        });
        break;
    }
    case SortKey::amount: {
        std::vector<double> keys;
        keys.reserve(entries.size());
        for (const Entry &e : entries)
            keys.push_back(e.amount);
        exchangeByKeys(entries, std::move(keys),
                       [ascending](double j, double i) { return ascending ? i > j : i < j; });
        break;
    }
    case SortKey::group: {
        std::vector<int> keys;
        keys.reserve(entries.size());
        for (const Entry &e : entries)
            keys.push_back(e.group);
        exchangeByKeys(entries, std::move(keys), [ascending](int j, int i) { return ascending ? i > j : i < j; });
        break;
    }
    }
}

void sortRegister(Database &db, RegisterKind kind, SortKey key, SortOrder order)
{
    db.modified = true;
    exchangeSort(db.reg(kind).entries, key, order);
}

} // namespace trelfin
