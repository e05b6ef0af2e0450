#pragma once

#include <QString>

namespace trelfin {

class Database;
class MessageSink;

// The two side files that lie beside a database file and share its folder and base name:
// the shopping list "<name>.tlz" (100 items of 80 bytes) and the notes "<name>.tnt" (30 notes
// of 278 bytes). No header; the character positions of every text are scrambled.
constexpr int ShoppingListFileSize = 8000;
constexpr int NotesFileSize = 8340;

QString ShoppingListPath(const Database &db);
QString NotesPath(const Database &db);

// The side files' paths: the file as found, whatever the letter case of its extension, else
// "<name>.tlz" ("<name>.tnt").
//
// Replace the shopping list (the notes) with the side file's contents. A missing, unreadable or
// short file leaves an empty list (empty notes) and shows nothing; a longer file is read from its
// first bytes. Returns whether the file was read. A file that exists but cannot be read whole is
// marked kept (shoppingListKept, notesKept): nothing writes it while this database is open, so
// its bytes stay on disk.
bool ReadShoppingList(Database &db);
bool ReadNotes(Database &db);

// The shopping list (the notes) from a side file's bytes; false, changing nothing, for bytes of
// another size.
bool ShoppingListFromBytes(Database &db, QByteArray bytes);
bool NotesFromBytes(Database &db, QByteArray bytes);

// The rows the database imported from bank statements, "<name>.tfi": a first line
// "trelfin-imports 1", then one fingerprint a line, in UTF-8. A missing file is none; a file
// that cannot be read (or is no such list) is marked kept, and false is returned.
QString ImportedRowsPath(const Database &db);
bool ReadImportedRows(Database &db);
QByteArray encodeImportedRows(const Database &db);
// What the database remembers as imported: the rows of the file, and those imported since the
// last save whose entry is still in the bank account.
QSet<QString> RememberedImports(const Database &db);

// The import rules, "<name>.tfu": a first line "trelfin-rules 1", a line "rejestry\t0" or "\t1"
// (whether card payments and transfers also go into "Rozchód" and "Przychód"), then one rule a
// line: the text, a tab and the group number, then the CSV column maps, a line each: "kolumny",
// the column line's key and the six column numbers separated by commas; in UTF-8. A missing
// file is no rules; a file that
// cannot be read is marked kept, and false is returned.
QString ImportRulesPath(const Database &db);
bool ReadImportRules(Database &db);
QByteArray encodeImportRules(const Database &db);

// The side files' bytes as written.
QByteArray encodeShoppingList(const Database &db);
QByteArray encodeNotes(const Database &db);

// Write the whole side file (nothing for a kept one); a failure leaves the previous file as it
// was, shows a message naming the file and returns false.
bool WriteShoppingList(const Database &db, MessageSink &sink);
bool WriteNotes(const Database &db, MessageSink &sink);

} // namespace trelfin
