#pragma once

#include "core/store/database.h"

#include <QDate>
#include <QString>

#include <optional>

namespace trelfin {

class MessageSink;

// Single-entry edits of a register of the current period. Rows are numbered from 1 as the grids
// number them. Every operation that changes a register sets Database::modified.

// The row Dopisz starts with: today, 0, group or kind 1 (nothing for incomes), "Brak".
Entry newEntryDefaults(RegisterKind kind, const QDate &today);

// Puts an entry into the edit buffer before an entry dialog is shown; the group goes in as
// stored, 1-based.
void loadEditBuffer(EditBuffer &edit, const Entry &entry);

// The entry a closed entry dialog hands back through the buffer: the date through NormalizeDate
// (anything but dd-mm-yyyy digits becomes today), the group as editGroup + 1 because the dialog
// leaves its list's 0-based position there (incomes keep no group), the description cut to 40.
Entry entryFromEditBuffer(const EditBuffer &edit, RegisterKind kind, const QDate &today);

// Appends `entry` at the end of the register. A register already holding MaxEntries entries
// refuses: the register's "Za dużo danych w bazie ..." message is shown and false returned.
bool appendEntry(Database &db, RegisterKind kind, const Entry &entry, MessageSink &sink);

// Dopisz after the undo snapshot: appends the default row, puts it into the edit buffer and
// returns its row; nothing (after the full-register message) when the register is full.
std::optional<int> appendNewEntry(Database &db, RegisterKind kind, const QDate &today, MessageSink &sink);

// Replaces the entry in `row`; false, changing nothing, when there is no such row.
bool replaceEntry(Database &db, RegisterKind kind, int row, const Entry &entry);

// After an entry dialog closed: stores entryFromEditBuffer() into `row` (Dopisz: the row
// appendNewEntry returned; Edytuj: the top selected row).
bool storeEditBuffer(Database &db, RegisterKind kind, int row, const QDate &today);

// Deletes rows top..bottom, the range a grid selection gives (either order); the entries after it
// move up keeping their order. Rows outside the register are ignored. Returns how many entries
// were removed.
int deleteRows(Database &db, RegisterKind kind, int top, int bottom);

// Adding a debt or a loan may also append the entry that settles it: an "ODDANY" after a
// "DŁUG", an "ODEBRANA" after a "POŻYCZKA", for the same amount, dated on the return date.

// Whether the add-debt dialog may close: not while the kind (1-based) is "DŁUG" or "POŻYCZKA",
// the return entry is wanted and the return date is not later than the operation date. A date
// that cannot be read does not hold the dialog.
bool debtReturnDateAccepted(int kind, bool returnWanted, const QString &operationDate, const QString &returnDate);

// The return entry for `debt`, or nothing when it is not wanted or the kind takes none. The date
// passes through NormalizeDate; the description is cut to 40 characters when stored.
std::optional<Entry> debtReturnEntry(const Entry &debt, bool returnWanted, const QString &returnDate,
                                     const QString &returnDescription, const QDate &today);

} // namespace trelfin
