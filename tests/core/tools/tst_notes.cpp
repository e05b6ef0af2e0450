#include "core/store/database.h"
#include "core/tools/notes.h"

#include <QtTest>

using namespace trelfin;

class TestNotes : public QObject
{
    Q_OBJECT

private slots:
    // A text keeps its term, a blank or incomplete term becomes today; a blank text empties the
    // note, term and all.
    void storing()
    {
        const QDate today(2004, 5, 12);
        Note note;
        StoreNote(note, QStringLiteral("gaz\nprąd"), QStringLiteral("20/05/2004"), today);
        QCOMPARE(note.text(), QStringLiteral("gaz\r\nprąd"));
        QCOMPARE(note.term(), QStringLiteral("20-05-2004"));
        QCOMPARE(NoteEditorText(note), QStringLiteral("gaz\nprąd"));
        StoreNote(note, QStringLiteral("gaz"), QStringLiteral("  /  /    "), today);
        QCOMPARE(note.term(), QStringLiteral("12-05-2004"));
        StoreNote(note, QStringLiteral("   "), QStringLiteral("20/05/2004"), today);
        QCOMPARE(note.text(), QString());
        QCOMPARE(note.term(), QString());
    }

    void due_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("term");
        QTest::addColumn<bool>("due");
        QTest::newRow("today") << "gaz" << "12-05-2004" << true;
        QTest::newRow("earlier") << "gaz" << "01-01-2004" << true;
        QTest::newRow("tomorrow") << "gaz" << "13-05-2004" << false;
        QTest::newRow("blank text") << "  " << "01-01-2004" << false;
        QTest::newRow("a term that cannot be read") << "gaz" << "" << true;
    }
    void due()
    {
        QFETCH(QString, text);
        QFETCH(QString, term);
        QFETCH(bool, due);
        Note note;
        note.setText(text);
        note.setTerm(term);
        QCOMPARE(IsNoteDue(note, QDate(2004, 5, 12)), due);
    }
};

QTEST_GUILESS_MAIN(TestNotes)
#include "tst_notes.moc"
