#pragma once

#include "core/store/database.h"

#include <QString>
#include <QStringList>

namespace trelfin {

// Rows pasted into a register: those copied or cut from any register of the program (date,
// amount, group or kind, description, separated by tabs) and those of a spreadsheet or a bank's
// web page (date, amount, optionally a group name, description). Dates in the common forms
// ("dd-mm-yyyy", "dd.mm.yyyy", "dd/mm/yyyy", "yyyy-mm-dd", a one-digit day or month too);
// amounts as typed into an amount field, optionally with a sign and "zł" or "PLN" (stored
// without the sign, as every register stores them). A group or kind the target register does
// not have becomes its first. A line that cannot be read is left out and listed; nothing in it
// is guessed.
struct PastedRows
{
    QVector<Entry> entries;
    QStringList unreadable; // "wiersz N: <text>"
    int groupsReplaced = 0; // entries whose group or kind became the register's first
};
PastedRows ReadPastedRows(const Database &db, RegisterKind kind, const QString &text);

// Puts `entries` into the register after `afterRow` (0: at the top; past the end: at the end),
// as many as the register's limit of MaxEntries leaves room for. Returns how many went in.
int InsertPastedRows(Database &db, RegisterKind kind, int afterRow, const QVector<Entry> &entries);

} // namespace trelfin
