#include "core/tools/notes.h"

#include "core/store/helpers.h"

namespace trelfin {

void StoreNote(Note &note, const QString &text, const QString &typedTerm, const QDate &today)
{
    if (text.trimmed().isEmpty()) {
        note.clear();
        return;
    }
    QString stored = text;
    stored.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    stored.replace(u'\n', QStringLiteral("\r\n"));
    note.setTerm(NormalizeDate(typedTerm, today));
    note.setText(stored);
}

QString NoteEditorText(const Note &note)
{
    QString text = note.text();
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text;
}

bool IsNoteDue(const Note &note, const QDate &today)
{
    return !note.text().trimmed().isEmpty() && CompareDates(FormatDotDate(today), note.term()) != DateEarlier;
}

} // namespace trelfin
