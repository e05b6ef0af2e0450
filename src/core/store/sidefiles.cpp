#include "core/store/sidefiles.h"

#include "core/store/database.h"
#include "core/store/databasefiles.h"
#include "core/store/fileoperations.h"
#include "core/store/filewriter.h"
#include "core/store/scramble.h"

#include <QFile>
#include <QFileInfo>

#include <cstring>
#include <optional>

namespace trelfin {

static_assert(ShoppingItemCount * ShoppingItem::size == ShoppingListFileSize);
static_assert(NoteCount * Note::size == NotesFileSize);

namespace {

// The first `size` bytes of the file, or nothing when it cannot be opened or is shorter.
std::optional<QByteArray> readLeadingBytes(const QString &path, qsizetype size)
{
    QFile file(path);
    QString reason;
    if (!OpenRegularFileForReading(file, reason))
        return std::nullopt;
    QByteArray bytes = file.read(size);
    if (bytes.size() != size)
        return std::nullopt;
    return bytes;
}

template<typename Record, std::size_t Count>
QByteArray joinRecords(const std::array<Record, Count> &records)
{
    QByteArray bytes(static_cast<qsizetype>(Count * Record::size), '\0');
    for (std::size_t i = 0; i < Count; ++i)
        std::memcpy(bytes.data() + i * Record::size, records[i].bytes.data(), Record::size);
    return bytes;
}

template<typename Record, std::size_t Count>
void splitRecords(const QByteArray &bytes, std::array<Record, Count> &records)
{
    for (std::size_t i = 0; i < Count; ++i)
        std::memcpy(records[i].bytes.data(), bytes.constData() + i * Record::size, Record::size);
}

} // namespace

QString ShoppingListPath(const Database &db)
{
    return FoundFilePath(db, QStringLiteral(".tlz"));
}

QString NotesPath(const Database &db)
{
    return FoundFilePath(db, QStringLiteral(".tnt"));
}

QByteArray encodeShoppingList(const Database &db)
{
    QByteArray bytes = joinRecords(db.shoppingItems);
    for (int i = 0; i < ShoppingItemCount; ++i)
        ScrambleShoppingItem(textPositions(bytes, i * ShoppingItem::size, ShoppingItem::textWidth));
    return bytes;
}

QByteArray encodeNotes(const Database &db)
{
    QByteArray bytes = joinRecords(db.notes);
    for (int i = 0; i < NoteCount; ++i)
        ScrambleNoteText(textPositions(bytes, i * Note::size, Note::textWidth));
    return bytes;
}

bool ReadShoppingList(Database &db)
{
    db.shoppingItems = {};
    const QString path = ShoppingListPath(db);
    auto bytes = readLeadingBytes(path, ShoppingListFileSize);
    // A file that is there but cannot be read whole keeps its bytes: nothing overwrites it.
    db.shoppingListKept = !bytes && QFileInfo::exists(path);
    if (!bytes)
        return false;
    for (int i = 0; i < ShoppingItemCount; ++i)
        UnscrambleShoppingItem(textPositions(*bytes, i * ShoppingItem::size, ShoppingItem::textWidth));
    splitRecords(*bytes, db.shoppingItems);
    return true;
}

bool ReadNotes(Database &db)
{
    db.notes = {};
    const QString path = NotesPath(db);
    auto bytes = readLeadingBytes(path, NotesFileSize);
    db.notesKept = !bytes && QFileInfo::exists(path);
    if (!bytes)
        return false;
    for (int i = 0; i < NoteCount; ++i)
        UnscrambleNoteText(textPositions(*bytes, i * Note::size, Note::textWidth));
    splitRecords(*bytes, db.notes);
    return true;
}

namespace {

// The whole of one of the import side files: true with `bytes` read, false when there is no such
// file, nothing when it is there but cannot be read.
std::optional<bool> readOurSideFile(const QString &path, QByteArray &bytes)
{
    if (!QFileInfo::exists(path))
        return false;
    QFile file(path);
    QString reason;
    if (!OpenRegularFileForReading(file, reason) || (bytes = file.readAll(), file.error() != QFileDevice::NoError))
        return std::nullopt;
    return true;
}

} // namespace

QString ImportedRowsPath(const Database &db)
{
    return FoundFilePath(db, QStringLiteral(".tfi"));
}

namespace {
const QByteArray kImportedRowsHeader = "trelfin-imports 1";
} // namespace

bool ReadImportedRows(Database &db)
{
    db.importedRows.clear();
    db.importedSinceSave.clear();
    db.importedRowsKept = false;
    QByteArray bytes;
    if (const std::optional<bool> read = readOurSideFile(ImportedRowsPath(db), bytes); !read || !*read) {
        db.importedRowsKept = !read;
        return read.has_value();
    }
    const QList<QByteArray> lines = bytes.split('\n');
    if (lines.isEmpty() || lines.first() != kImportedRowsHeader) {
        db.importedRowsKept = true;
        return false;
    }
    for (qsizetype i = 1; i < lines.size(); ++i) {
        if (!lines.at(i).isEmpty())
            db.importedRows.insert(QString::fromUtf8(lines.at(i)));
    }
    return true;
}

QSet<QString> RememberedImports(const Database &db)
{
    QSet<QString> remembered = db.importedRows;
    if (db.importedSinceSave.isEmpty())
        return remembered;
    // The bank account's entries, counted, so that each imported row claims one of its own.
    QHash<QString, int> present;
    const auto key = [](const Entry &e) {
        return e.date + u'|' + QString::number(e.amount, 'f', 2) + u'|' + QString::number(e.group) + u'|' + e.description;
    };
    for (const Entry &e : db.reg(RegisterKind::bankAccount).entries)
        ++present[key(e)];
    for (auto it = db.importedSinceSave.cbegin(); it != db.importedSinceSave.cend(); ++it) {
        int &left = present[key(it.value())];
        if (left > 0) {
            --left;
            remembered.insert(it.key());
        }
    }
    return remembered;
}

QByteArray encodeImportedRows(const Database &db)
{
    QStringList rows = RememberedImports(db).values();
    rows.sort(); // the same rows always give the same bytes
    QByteArray bytes = kImportedRowsHeader + '\n';
    for (const QString &row : std::as_const(rows))
        bytes += row.toUtf8() + '\n';
    return bytes;
}

QString ImportRulesPath(const Database &db)
{
    return FoundFilePath(db, QStringLiteral(".tfu"));
}

bool ReadImportRules(Database &db)
{
    db.importRules.clear();
    db.importColumnMaps.clear();
    db.importAlsoIntoRegisters = false;
    db.importRulesChanged = false;
    db.importRulesKept = false;
    QByteArray bytes;
    if (const std::optional<bool> read = readOurSideFile(ImportRulesPath(db), bytes); !read || !*read) {
        db.importRulesKept = !read;
        return read.has_value();
    }
    const QStringList lines = QString::fromUtf8(bytes).split(u'\n');
    if (lines.size() < 2 || lines.at(0) != QStringLiteral("trelfin-rules 1") || !lines.at(1).startsWith(QStringLiteral("rejestry\t"))) {
        db.importRulesKept = true;
        return false;
    }
    db.importAlsoIntoRegisters = lines.at(1).endsWith(u'1');
    for (qsizetype i = 2; i < lines.size(); ++i) {
        const QStringList fields = lines.at(i).split(u'\t');
        if (fields.size() == 3 && fields.at(0) == QStringLiteral("kolumny")) {
            QVector<int> columns;
            for (const QString &number : fields.at(2).split(u','))
                columns.append(number.toInt());
            if (columns.size() == 6 && !fields.at(1).isEmpty())
                db.importColumnMaps.insert(fields.at(1), columns);
            continue;
        }
        bool ok = false;
        const int group = fields.value(1).toInt(&ok);
        if (fields.size() == 2 && ok && group >= 1 && group <= GroupCount && !fields.at(0).isEmpty())
            db.importRules.append({fields.at(0), group});
    }
    return true;
}

QByteArray encodeImportRules(const Database &db)
{
    QString text = QStringLiteral("trelfin-rules 1\nrejestry\t") + (db.importAlsoIntoRegisters ? u'1' : u'0') + u'\n';
    for (const Database::ImportRule &rule : db.importRules) {
        QString ruleText = rule.text;
        ruleText.replace(u'\t', u' ').replace(u'\n', u' ').replace(u'\r', u' ');
        text += ruleText + u'\t' + QString::number(rule.group) + u'\n';
    }
    // Column maps after the rules, in a steady order; a rule never has three fields.
    QStringList headers = db.importColumnMaps.keys();
    headers.sort();
    for (const QString &header : std::as_const(headers)) {
        QStringList numbers;
        for (int n : db.importColumnMaps.value(header))
            numbers.append(QString::number(n));
        QString key = header;
        key.replace(u'\t', u' ').replace(u'\n', u' ').replace(u'\r', u' ');
        text += QStringLiteral("kolumny\t") + key + u'\t' + numbers.join(u',') + u'\n';
    }
    return text.toUtf8();
}

bool ShoppingListFromBytes(Database &db, QByteArray bytes)
{
    if (bytes.size() != ShoppingListFileSize)
        return false;
    for (int i = 0; i < ShoppingItemCount; ++i)
        UnscrambleShoppingItem(textPositions(bytes, i * ShoppingItem::size, ShoppingItem::textWidth));
    splitRecords(bytes, db.shoppingItems);
    return true;
}

bool NotesFromBytes(Database &db, QByteArray bytes)
{
    if (bytes.size() != NotesFileSize)
        return false;
    for (int i = 0; i < NoteCount; ++i)
        UnscrambleNoteText(textPositions(bytes, i * Note::size, Note::textWidth));
    splitRecords(bytes, db.notes);
    return true;
}

bool WriteShoppingList(const Database &db, MessageSink &sink)
{
    return db.shoppingListKept || WriteWholeFile(ShoppingListPath(db), encodeShoppingList(db), sink);
}

bool WriteNotes(const Database &db, MessageSink &sink)
{
    return db.notesKept || WriteWholeFile(NotesPath(db), encodeNotes(db), sink);
}

} // namespace trelfin
