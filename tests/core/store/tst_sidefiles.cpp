#include "filetestsupport.h"
#include "recordingsink.h"
#include "core/store/cp1250.h"
#include "core/store/database.h"
#include "core/store/databasefiles.h"
#include "core/store/messagesink.h"
#include "core/store/sidefiles.h"

#include <QtTest>

using namespace trelfin;

namespace {

using test::RecordingSink;
using test::fileBytes;
using test::writeFileBytes;

// The list and notes as the editors would leave them, with reserved bytes that are not zero,
// as files of another program may hold them.
void fill(Database &db)
{
    for (int i = 0; i < ShoppingItemCount; i += 3)
        db.shoppingItems[i].setText(QStringLiteral("Pozycja %1 źdźbło żółte łąki ŚĆ").arg(i).left(40));
    db.shoppingItems[99].setText(QStringLiteral("ąęółśżźćńĄĘÓŁŚŻŹĆŃ ąęółśżźćńĄĘÓŁŚŻŹĆŃ xy")); // 40 characters
    for (int i = 0; i < ShoppingItemCount; ++i)
        for (int b = ShoppingItem::textWidth + 1; b < ShoppingItem::size; ++b)
            db.shoppingItems[i].bytes[b] = static_cast<std::uint8_t>(i + b);
    for (int n = 0; n < NoteCount; n += 2) {
        QString text = QStringLiteral("Notatka %1\r\nZapłacić za gaz i prąd. ").arg(n + 1);
        while (text.size() < 255)
            text += QStringLiteral("ąę ");
        db.notes[n].setText(text.left(n == 0 ? 255 : 30 + n));
        db.notes[n].setTerm(QStringLiteral("%1-06-2004").arg(n + 1, 2, 10, QChar(u'0')));
    }
    for (int n = 0; n < NoteCount; ++n)
        for (int b = 267; b < Note::size; ++b)
            db.notes[n].bytes[b] = static_cast<std::uint8_t>(255 - n - b);
}

} // namespace

class TestSideFiles : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    void openAt(Database &db) { SplitDatabasePath(db, m_dir.filePath(QStringLiteral("budżet.tf4"))); }

private slots:
    void cleanup()
    {
        QDir(m_dir.path()).removeRecursively();
        QDir().mkpath(m_dir.path());
    }

    // Names beside the database file; length bytes, term and reserved bytes stored as they are,
    // character positions scrambled with each file's own key indexing.
    void fileLayout()
    {
        Database db;
        openAt(db);
        QCOMPARE(ShoppingListPath(db), m_dir.filePath(QStringLiteral("budżet.tlz")));
        QCOMPARE(NotesPath(db), m_dir.filePath(QStringLiteral("budżet.tnt")));
        fill(db);
        db.shoppingItems[0].setText(QStringLiteral("AB"));
        db.notes[1].setText(QStringLiteral("AB"));
        db.notes[1].setTerm(QStringLiteral("31-12-2004"));
        RecordingSink sink;
        QVERIFY(WriteShoppingList(db, sink));
        QVERIFY(WriteNotes(db, sink));
        QVERIFY(sink.messages.isEmpty());

        const QByteArray list = fileBytes(ShoppingListPath(db));
        QCOMPARE(list.size(), 8000);
        QCOMPARE(int(list[0]), 2);
        QCOMPARE(int(std::uint8_t(list[1])), 65 - 97 + 255); // key 1, odd: subtract
        QCOMPARE(int(std::uint8_t(list[2])), 66 + 151);      // key 2, even: add
        for (int i = 0; i < ShoppingItemCount; ++i) {
            const QByteArray item = list.mid(i * 80, 80);
            QCOMPARE(int(std::uint8_t(item[0])), int(db.shoppingItems[i].bytes[0]));
            QCOMPARE(item.mid(41), QByteArray(reinterpret_cast<const char *>(db.shoppingItems[i].bytes.data()) + 41, 39));
        }

        const QByteArray notes = fileBytes(NotesPath(db));
        QCOMPARE(notes.size(), 8340);
        const QByteArray note = notes.mid(278, 278);
        QCOMPARE(int(note[0]), 2);
        QCOMPARE(int(std::uint8_t(note[1])), 65 - 151 + 255); // position 1 takes key 2
        QCOMPARE(int(std::uint8_t(note[2])), 66 + 43);        // position 2 takes key 3
        QCOMPARE(note.mid(256, 11), QByteArray("\x0a" "31-12-2004"));
        QCOMPARE(note.mid(267), QByteArray(reinterpret_cast<const char *>(db.notes[1].bytes.data()) + 267, 11));
    }

    // Texts of full width with Polish letters and line breaks, terms and reserved bytes come back.
    void roundTrip()
    {
        Database db;
        openAt(db);
        fill(db);
        RecordingSink sink;
        QVERIFY(WriteShoppingList(db, sink));
        QVERIFY(WriteNotes(db, sink));

        Database back;
        openAt(back);
        QVERIFY(ReadShoppingList(back));
        QVERIFY(ReadNotes(back));
        for (int i = 0; i < ShoppingItemCount; ++i) {
            QCOMPARE(back.shoppingItems[i].text(), db.shoppingItems[i].text());
            QCOMPARE(back.shoppingItems[i].isEmpty(), db.shoppingItems[i].isEmpty());
            for (int b = 41; b < ShoppingItem::size; ++b)
                QCOMPARE(back.shoppingItems[i].bytes[b], db.shoppingItems[i].bytes[b]);
        }
        QCOMPARE(back.shoppingItems[99].text().size(), 40);
        for (int n = 0; n < NoteCount; ++n) {
            QCOMPARE(back.notes[n].text(), db.notes[n].text());
            QCOMPARE(back.notes[n].term(), db.notes[n].term());
            for (int b = 267; b < Note::size; ++b)
                QCOMPARE(back.notes[n].bytes[b], db.notes[n].bytes[b]);
        }
        QCOMPARE(back.notes[0].text().size(), 255);
        QVERIFY(back.notes[0].text().contains(QStringLiteral("\r\n")));

        // Written again, the files do not change.
        const QByteArray list = fileBytes(ShoppingListPath(db));
        const QByteArray notes = fileBytes(NotesPath(db));
        QVERIFY(WriteShoppingList(back, sink));
        QVERIFY(WriteNotes(back, sink));
        QCOMPARE(fileBytes(ShoppingListPath(db)), list);
        QCOMPARE(fileBytes(NotesPath(db)), notes);
    }

    // A side file that cannot be used gives an empty list and empty notes, without a message;
    // a longer file is read from its start.
    void unusableFiles_data()
    {
        QTest::addColumn<QString>("kind"); // "missing", "folder", or a size in bytes
        QTest::addColumn<bool>("read");
        QTest::newRow("missing") << "missing" << false;
        QTest::newRow("folder") << "folder" << false;
        QTest::newRow("empty") << "0" << false;
        QTest::newRow("one byte short") << "-1" << false;
        QTest::newRow("longer") << "+100" << true;
    }
    void unusableFiles()
    {
        QFETCH(QString, kind);
        QFETCH(bool, read);
        Database db;
        openAt(db);
        fill(db);
        RecordingSink sink;
        QVERIFY(WriteShoppingList(db, sink));
        QVERIFY(WriteNotes(db, sink));
        const Database written = db;

        for (const QString &path : {ShoppingListPath(db), NotesPath(db)}) {
            const QByteArray whole = fileBytes(path);
            QFile::remove(path);
            if (kind == u"folder")
                QVERIFY(QDir().mkdir(path));
            else if (kind == u"0")
                writeFileBytes(path, {});
            else if (kind == u"-1")
                writeFileBytes(path, whole.left(whole.size() - 1));
            else if (kind == u"+100")
                writeFileBytes(path, whole + QByteArray(100, 'x'));
        }

        Database back;
        openAt(back);
        fill(back); // what another database left in memory
        QCOMPARE(ReadShoppingList(back), read);
        QCOMPARE(ReadNotes(back), read);
        for (int i = 0; i < ShoppingItemCount; ++i)
            QCOMPARE(back.shoppingItems[i].text(), read ? written.shoppingItems[i].text() : QString());
        for (int n = 0; n < NoteCount; ++n) {
            QCOMPARE(back.notes[n].text(), read ? written.notes[n].text() : QString());
            QCOMPARE(back.notes[n].term(), read ? written.notes[n].term() : QString());
        }
        QVERIFY(sink.messages.isEmpty());
    }

    // A file that cannot be written is reported with its name, and the previous file stays.
    void failedWrite()
    {
        Database db;
        openAt(db);
        fill(db);
        RecordingSink sink;
        QVERIFY(WriteNotes(db, sink));
        QVERIFY(QDir().mkdir(ShoppingListPath(db)));
        const QByteArray notes = fileBytes(NotesPath(db));

        QVERIFY(!WriteShoppingList(db, sink));
        QCOMPARE(sink.messages.size(), 1);
        QVERIFY(sink.messages[0].line1.contains(ShoppingListPath(db)));
        QVERIFY(QFileInfo(ShoppingListPath(db)).isDir());

        SplitDatabasePath(db, m_dir.filePath(QStringLiteral("brak/budżet.tf4")));
        QVERIFY(!WriteNotes(db, sink));
        QCOMPARE(sink.messages.size(), 2);
        QVERIFY(sink.messages[1].line1.contains(NotesPath(db)));
        openAt(db);
        QCOMPARE(fileBytes(NotesPath(db)), notes);
    }

    // Items and notes keep their texts to their widths and empty themselves without touching
    // the reserved bytes.
    void textsInMemory()
    {
        ShoppingItem item;
        item.bytes[50] = 7;
        item.setText(QStringLiteral("  mleko i chleb, masło, ser żółty, jajka, kawa"));
        QCOMPARE(item.text(), QStringLiteral("  mleko i chleb, masło, ser żółty, jajka"));
        item.setText(QStringLiteral("ser"));
        QCOMPARE(item.text(), QStringLiteral("ser"));
        QCOMPARE(int(item.bytes[5]), 0); // no rest of the longer text behind it
        QCOMPARE(int(item.bytes[50]), 7);
        item.bytes[0] = 200; // a damaged length byte reads no further than the text's width
        QCOMPARE(item.text().size(), 40);

        Note note;
        note.bytes[270] = 9;
        note.setText(QStringLiteral("  "));
        note.setTerm(QStringLiteral("01-01-2005x"));
        QVERIFY(note.isEmpty());
        QCOMPARE(note.term(), QStringLiteral("01-01-2005"));
        note.clear();
        QCOMPARE(note.text(), QString());
        QCOMPARE(note.term(), QString());
        QCOMPARE(int(note.bytes[270]), 9);
    }
};

QTEST_APPLESS_MAIN(TestSideFiles)
#include "tst_sidefiles.moc"
