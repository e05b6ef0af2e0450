// The notes side file reader on any bytes, and what the notes window and the reminder read of
// each note.
#include "core/store/sidefiles.h"
#include "core/tools/notes.h"
#include "fuzzsupport.h"

#include <QDate>

using namespace trelfin;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    Database db = fuzz::databaseNamed(QStringLiteral(".tf4"));
    fuzz::writeInput(NotesPath(db), data, size);
    ReadNotes(db);
    const QDate today(2026, 12, 10);
    for (const Note &note : db.notes) {
        (void)NoteEditorText(note);
        (void)IsNoteDue(note, today);
    }
    (void)encodeNotes(db);
    return 0;
}
