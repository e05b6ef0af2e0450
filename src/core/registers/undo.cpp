#include "core/registers/undo.h"

#include <utility>

namespace trelfin {

void TakeUndoSnapshot(UndoBuffer &undo, const Database &db, RegisterKind kind)
{
    undo.kind = kind;
    undo.period = db.currentPeriod;
    undo.entries = db.reg(kind).entries;
    undo.redoNext = false;
}

std::optional<RegisterKind> UndoOrRedo(UndoBuffer &undo, Database &db)
{
    if (!undo.kind || undo.period != db.currentPeriod)
        return std::nullopt;
    std::swap(undo.entries, db.reg(*undo.kind).entries);
    undo.redoNext = !undo.redoNext;
    db.modified = true;
    return undo.kind;
}

void ClearUndo(UndoBuffer &undo)
{
    undo = UndoBuffer();
}

} // namespace trelfin
