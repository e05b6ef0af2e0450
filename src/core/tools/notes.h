#pragma once

#include "core/store/database.h"

#include <QDate>
#include <QString>

namespace trelfin {

// Stores what the notes editor shows into `note`: a text that is not blank is kept (line breaks
// as CR LF, cut to 255 characters) with its term, a text typed as a date or, when it is not a
// complete date, today; a blank text empties the note, its term too.
void StoreNote(Note &note, const QString &text, const QString &typedTerm, const QDate &today);

// The note's text as the editor shows it: line breaks as "\n".
QString NoteEditorText(const Note &note);

// Whether a note is due on `today`: its text is not blank and today is on or after its term
// (or a date cannot be read).
bool IsNoteDue(const Note &note, const QDate &today);

} // namespace trelfin
