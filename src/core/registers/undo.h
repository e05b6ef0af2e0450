#pragma once

#include "core/store/database.h"

#include <QVector>

#include <optional>

namespace trelfin {

// The one-step undo of the registers: a saved copy of one register of the current period. Using
// it swaps the copy with the register, so the first use undoes the last change and the second
// brings it back.
struct UndoBuffer
{
    std::optional<RegisterKind> kind;   // the register the copy was taken from; nothing: no copy
    int period = 0;                     // the current period when the copy was taken
    QVector<Entry> entries;
    // The copies of further registers one command changed together (an import into the bank
    // account and "Rozchód"), undone and redone with the first.
    QList<std::pair<RegisterKind, QVector<Entry>>> more;
    bool redoNext = false;              // the last use undid a change: the next one redoes it

    bool isEmpty() const { return !kind.has_value(); }
};

// Copies register `kind` into the buffer, before a command changes that register.
void TakeUndoSnapshot(UndoBuffer &undo, const Database &db, RegisterKind kind);
// Copies the registers `kinds` (the first taken as by TakeUndoSnapshot) before one command
// changes them together: one use of the buffer then undoes all of them.
void TakeUndoSnapshot(UndoBuffer &undo, const Database &db, const QList<RegisterKind> &kinds);

// "&Cofnij" / "&Ponów": exchanges the saved copy with its register, flips redoNext and sets
// `modified`. Returns the register whose page is to be shown; nothing, changing nothing, when the
// buffer is empty or the copy was taken in another period.
std::optional<RegisterKind> UndoOrRedo(UndoBuffer &undo, Database &db);

// Forgets the copy. Called whenever the current period changes (switch, add, delete, a database
// opened or closed), so that a copy is never put into another period's register.
void ClearUndo(UndoBuffer &undo);

} // namespace trelfin
