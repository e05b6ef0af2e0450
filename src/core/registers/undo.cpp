#include "core/registers/undo.h"

#include <utility>

namespace trelfin {

void TakeUndoSnapshot(UndoBuffer &undo, const Database &db, RegisterKind kind)
{
    undo.kind = kind;
    undo.period = db.currentPeriod;
    undo.entries = db.reg(kind).entries;
    undo.more.clear();
    undo.redoNext = false;
}

void TakeUndoSnapshot(UndoBuffer &undo, const Database &db, const QList<RegisterKind> &kinds)
{
    if (kinds.isEmpty())
        return;
    TakeUndoSnapshot(undo, db, kinds.first());
    for (qsizetype i = 1; i < kinds.size(); ++i)
        undo.more.append({kinds.at(i), db.reg(kinds.at(i)).entries});
}

std::optional<RegisterKind> UndoOrRedo(UndoBuffer &undo, Database &db)
{
    if (!undo.kind || undo.period != db.currentPeriod)
        return std::nullopt;
    std::swap(undo.entries, db.reg(*undo.kind).entries);
    for (auto &[kind, entries] : undo.more)
        std::swap(entries, db.reg(kind).entries);
    undo.redoNext = !undo.redoNext;
    db.modified = true;
    return undo.kind;
}

void ClearUndo(UndoBuffer &undo)
{
    undo = UndoBuffer();
}

} // namespace trelfin
