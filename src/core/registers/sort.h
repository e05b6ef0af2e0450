#pragma once

#include "core/store/database.h"

#include <QVector>

namespace trelfin {

// Sortuj: reorders a register permanently by date, amount or group number.
enum class SortKey { date, amount, group };
enum class SortOrder { ascending, descending };

// The exchange sort: for i from the first entry to the last but one, for every j after i, entry j
// is exchanged with entry i when it must come first. Entries with equal keys are never exchanged
// with each other directly, but an entry moved away from i may pass entries with its own key, so
// the order of equal keys is the one this procedure gives, not the original one. A date that
// cannot be read never causes an exchange.
void exchangeSort(QVector<Entry> &entries, SortKey key, SortOrder order);

// Sorts the register and sets `modified`.
void sortRegister(Database &db, RegisterKind kind, SortKey key, SortOrder order);

} // namespace trelfin
