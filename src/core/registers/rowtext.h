#pragma once

#include "core/store/database.h"

#include <QString>
#include <QStringList>

namespace trelfin {

// A register row as its grid shows it: the date as stored, the amount "0.00", the group or kind
// name (empty for incomes), the description. `row` is 1-based; a row past the entries gives four
// empty texts.
QStringList registerRowCells(const Database &db, RegisterKind kind, int row);
// The same cells as they leave the program (the clipboard, the exports): the group or kind name
// without the blanks that pad it to its field.
QStringList registerRowTexts(const Database &db, RegisterKind kind, int row);

// The titles of a register grid's four columns ("Data", "Wartość", "Grupa", "Opis", ...).
QStringList registerColumnTitles(RegisterKind kind);

// The clipboard text of rows top..bottom (either order; rows outside the register are left out):
// one line per row, its four cells (registerRowTexts) joined by tabs, every line ended by a
// line break.
QString registerClipboardText(const Database &db, RegisterKind kind, int top, int bottom);

// What the status line says of rows top..bottom (1-based) selected together, as spreadsheets do:
// "Zaznaczono 3, suma 125,40"; nothing for fewer than two rows.
QString selectionSummary(const Database &db, RegisterKind kind, int top, int bottom);

} // namespace trelfin
