#include "ui/common/qtdesktop.h"
#include "ui/common/informationbox.h"
#include "ui/common/questionbox.h"

#include <QLabel>
#include <QPushButton>
#include <QtTest>

using namespace trelfin;

namespace {
QPushButton *button(QWidget *box, const QString &name)
{
    return box->findChild<QPushButton *>(name);
}
QString line(QWidget *box, const QString &name)
{
    return box->findChild<QLabel *>(name)->text();
}
} // namespace

class TestMessageBoxes : public QObject
{
    Q_OBJECT

private slots:
    void informationBox()
    {
        Tdinformacja box;
        box.prepare(QStringLiteral("Brak bazy danych"), QString(), QStringLiteral("Trelfin"));
        QCOMPARE(line(&box, QStringLiteral("napis1")), QStringLiteral("Brak bazy danych"));
        QCOMPARE(line(&box, QStringLiteral("napis2")), QString());
        QCOMPARE(box.windowTitle(), QStringLiteral("Trelfin"));
        QVERIFY(box.windowFlags().testFlag(Qt::Tool));
        QVERIFY(box.isSizeGripEnabled());
        QPushButton *ok = button(&box, QStringLiteral("ok"));
        QCOMPARE(ok->text(), QStringLiteral("  &OK    "));
        box.show();
        QTest::mouseClick(ok, Qt::LeftButton);
        QVERIFY(!box.isVisible());
    }

    void questionBoxButtons()
    {
        TDpytanie box;
        QCOMPARE(button(&box, QStringLiteral("tak"))->text(), QStringLiteral("  &Tak   "));
        QCOMPARE(button(&box, QStringLiteral("nie"))->text(), QStringLiteral("  &Nie   "));
    }

    // Only "Tak" answers yes; "Nie", the frame's close and Escape answer no, also after a "Tak".
    void questionBoxAnswers_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<DefaultAnswer>("defaultAnswer");
        QTest::addColumn<bool>("yes");
        QTest::newRow("Tak") << "tak" << DefaultAnswer::yes << true;
        QTest::newRow("Nie") << "nie" << DefaultAnswer::yes << false;
        QTest::newRow("frame close") << "close" << DefaultAnswer::yes << false;
        QTest::newRow("Escape") << "escape" << DefaultAnswer::yes << false;
        QTest::newRow("Enter") << "enter" << DefaultAnswer::yes << true;
        // A question whose "Tak" destroys data answers Enter with "Nie".
        QTest::newRow("Enter, Nie by default") << "enter" << DefaultAnswer::no << false;
        QTest::newRow("Tak, Nie by default") << "tak" << DefaultAnswer::no << true;
    }
    void questionBoxAnswers()
    {
        QFETCH(QString, how);
        QFETCH(DefaultAnswer, defaultAnswer);
        QFETCH(bool, yes);
        TDpytanie box;
        // A "Tak" given to an earlier question must not answer this one.
        box.prepare(QStringLiteral("Pierwsze?"), QString(), QStringLiteral("Trelfin"));
        box.show();
        QTest::mouseClick(button(&box, QStringLiteral("tak")), Qt::LeftButton);
        QVERIFY(box.answeredYes());

        box.prepare(QStringLiteral("Czy chcesz zakończyć pracę?"), QStringLiteral("druga linia"),
                    QStringLiteral("Zakończenie pracy"), defaultAnswer);
        QCOMPARE(line(&box, QStringLiteral("napis1")), QStringLiteral("Czy chcesz zakończyć pracę?"));
        QCOMPARE(line(&box, QStringLiteral("napis2")), QStringLiteral("druga linia"));
        QCOMPARE(box.windowTitle(), QStringLiteral("Zakończenie pracy"));
        box.show();
        if (how == QLatin1String("close"))
            box.close();
        else if (how == QLatin1String("escape"))
            QTest::keyClick(&box, Qt::Key_Escape);
        else if (how == QLatin1String("enter"))
            QTest::keyClick(&box, Qt::Key_Return);
        else
            QTest::mouseClick(button(&box, how), Qt::LeftButton);
        QVERIFY(!box.isVisible());
        QCOMPARE(box.answeredYes(), yes);
    }

    void fileDialogFilters()
    {
        QCOMPARE(QtDesktop::nameFilters(QStringLiteral(
                     "Zbiory grup programu Trelfin  (*.tgr)|*.tgr|Wszystkie pliki  (*.*)|*.*")),
                 QStringList({QStringLiteral("Zbiory grup programu Trelfin  (*.tgr)"),
                              QStringLiteral("Wszystkie pliki  (*.*)")}));
        QCOMPARE(QtDesktop::nameFilters(QStringLiteral("Bazy|*.tf4;*.tf3")),
                 QStringList({QStringLiteral("Bazy (*.tf4 *.tf3)")}));
    }
};

QTEST_MAIN(TestMessageBoxes)
#include "tst_messageboxes.moc"
