#include "filetestsupport.h"
#include "core/store/database.h"
#include "core/tools/reminders.h"

#include <QQueue>
#include <QtTest>

using namespace trelfin;

namespace {

const QDate kToday(2004, 5, 12);

Entry planned(const char *date, const char *description, int group = 4)
{
    return Entry{QString::fromLatin1(date), 10, static_cast<std::uint8_t>(group), QString::fromLatin1(description)};
}

// Runs the walk answering from `answers` and records the descriptions asked about.
QStringList walk(Database &db, const QList<ReminderAnswer> &given, Booking booking = Booking::settleInPlace,
                 const std::function<void()> &edit = {})
{
    QQueue<ReminderAnswer> answers;
    for (ReminderAnswer a : given)
        answers.enqueue(a);
    QStringList asked;
    test::LineSink sink;
    RunReminderWalk(db, kToday, booking,
                    [&] {
                        asked.append(db.edit.editDescription);
                        return answers.isEmpty() ? ReminderAnswer::leave : answers.dequeue();
                    },
                    edit ? edit : [] {}, sink);
    return asked;
}

Database withPlanned(const QList<Entry> &entries)
{
    Database db;
    SetDefaultGroups(db.header);
    for (const Entry &e : entries)
        db.reg(RegisterKind::planned).append(e);
    return db;
}

QStringList descriptions(const Database &db, RegisterKind kind)
{
    QStringList texts;
    for (const Entry &e : db.reg(kind).entries)
        texts.append(e.description);
    return texts;
}

} // namespace

class TestReminders : public QObject
{
    Q_OBJECT

private slots:
    void due_data()
    {
        QTest::addColumn<QString>("date");
        QTest::addColumn<int>("group");
        QTest::addColumn<bool>("due");
        QTest::newRow("today") << "12-05-2004" << 4 << true;
        QTest::newRow("earlier") << "01-01-2003" << 4 << true;
        QTest::newRow("tomorrow") << "13-05-2004" << 4 << false;
        QTest::newRow("settled") << "01-01-2003" << int(SettledGroup) << false;
        QTest::newRow("a date that cannot be read") << "kiedyś" << 4 << true;
    }
    void due()
    {
        QFETCH(QString, date);
        QFETCH(int, group);
        QFETCH(bool, due);
        QCOMPARE(IsDueEntry(Entry{date, 1, static_cast<std::uint8_t>(group), QString()}, kToday), due);
    }

    // Deleting an entry examines the one that moved into its place.
    void removeShiftsAndReexamines()
    {
        Database db = withPlanned({planned("10-05-2004", "a"), planned("11-05-2004", "b"), planned("20-05-2004", "c")});
        QCOMPARE(walk(db, {ReminderAnswer::remove, ReminderAnswer::leave}), QStringList({"a", "b"}));
        QCOMPARE(descriptions(db, RegisterKind::planned), QStringList({"b", "c"}));
        QVERIFY(db.modified);
    }

    void leavingChangesNothing()
    {
        Database db = withPlanned({planned("10-05-2004", "a"), planned("11-05-2004", "b"), planned("12-05-2004", "c")});
        QCOMPARE(walk(db, {}).size(), 3);
        QVERIFY(!db.modified);
        // "Pozostaw wszystkie": no more questions in this walk.
        QCOMPARE(walk(db, {ReminderAnswer::leaveAll}), QStringList({"a"}));
        QVERIFY(!db.modified);
    }

    // Booking at open settles in place; at a period switch it moves the entry.
    void booking()
    {
        Database opening = withPlanned({planned("10-05-2004", "a")});
        walk(opening, {ReminderAnswer::book}, Booking::settleInPlace);
        QCOMPARE(opening.reg(RegisterKind::expenses).entries, (QVector<Entry>{planned("10-05-2004", "a")}));
        QCOMPARE(opening.reg(RegisterKind::planned).entries.first().group, std::uint8_t(SettledGroup));
        QVERIFY(opening.modified);

        Database switching = withPlanned({planned("10-05-2004", "a"), planned("11-05-2004", "b")});
        QCOMPARE(walk(switching, {ReminderAnswer::book, ReminderAnswer::leave}, Booking::move), QStringList({"a", "b"}));
        QCOMPARE(descriptions(switching, RegisterKind::planned), QStringList({"b"}));
        QCOMPARE(descriptions(switching, RegisterKind::expenses), QStringList({"a"}));

        // A full expense register takes nothing; the planned entry stays as it was.
        Database full = withPlanned({planned("10-05-2004", "a")});
        for (int i = 0; i < MaxEntries; ++i)
            full.reg(RegisterKind::expenses).append(Entry{QStringLiteral("01-01-2004"), 1, 1, QString()});
        test::LineSink sink;
        RunReminderWalk(full, kToday, Booking::move, [] { return ReminderAnswer::book; }, [] {}, sink);
        QCOMPARE(full.expenseCount(), MaxEntries);
        QCOMPARE(descriptions(full, RegisterKind::planned), QStringList({"a"}));
        QCOMPARE(sink.messages, QStringList({"Za dużo danych w bazie rozchód|"}));
    }

    // An edited entry is stored from the edit buffer and not examined again in this walk.
    void editing()
    {
        Database db = withPlanned({planned("10-05-2004", "a"), planned("11-05-2004", "b")});
        const auto edit = [&db] {
            db.edit.editDate = QStringLiteral("10-05-2004"); // still due
            db.edit.editGroup = 6;                           // the dialog's 0-based list position
            db.edit.editDescription = QStringLiteral("a2");
        };
        QCOMPARE(walk(db, {ReminderAnswer::edit, ReminderAnswer::leave}, Booking::settleInPlace, edit), QStringList({"a", "b"}));
        QCOMPARE(db.reg(RegisterKind::planned).entries.first(), (Entry{QStringLiteral("10-05-2004"), 10, 7, QStringLiteral("a2")}));
    }
};

QTEST_GUILESS_MAIN(TestReminders)
#include "tst_reminders.moc"
