#include "core/store/helpers.h"

#include <QLocale>
#include <QtTest>

using namespace trelfin;

class TestHelpers : public QObject
{
    Q_OBJECT

    const QDate today{2004, 5, 12};

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland)); }

    void normalizeDate_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        QTest::newRow("dots become dashes") << "12.05.2004" << "12-05-2004";
        QTest::newRow("already a register date") << "01-02-2003" << "01-02-2003";
        QTest::newRow("any separators") << "01x02/2003" << "01-02-2003";
        QTest::newRow("empty mask text") << "  -  -    " << "12-05-2004";
        QTest::newRow("empty") << "" << "12-05-2004";
        QTest::newRow("8 characters") << "1-5-2004" << "12-05-2004";
        QTest::newRow("11 characters") << "12-05-20041" << "12-05-2004";
        QTest::newRow("no range check") << "45-13-2004" << "45-13-2004";
        QTest::newRow("blank in the year") << "12-05-200 " << "12-05-2004";
        QTest::newRow("letter in the day") << "1a-05-2004" << "12-05-2004";
    }
    void normalizeDate()
    {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QCOMPARE(NormalizeDate(text, today), expected);
    }

    void parseDate_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<int>("day");
        QTest::addColumn<int>("month");
        QTest::addColumn<int>("year");
        QTest::newRow("dashes") << "03-07-0995" << true << 3 << 7 << 995;
        QTest::newRow("dots") << "31.12.2004" << true << 31 << 12 << 2004;
        QTest::newRow("out of range is still read") << "45-13-2004" << true << 45 << 13 << 2004;
        QTest::newRow("empty") << "" << false << 0 << 0 << 0;
        QTest::newRow("no year") << "01-02-" << false << 0 << 0 << 0;
        QTest::newRow("letters") << "aa-02-2004" << false << 0 << 0 << 0;
        QTest::newRow("empty mask") << "  -  -    " << false << 0 << 0 << 0;
        QTest::newRow("half-typed day") << "5 -05-2004" << false << 0 << 0 << 0;
        QTest::newRow("half-typed year") << "12-05-200 " << false << 0 << 0 << 0;
        QTest::newRow("blank before a digit") << " 5-05-2004" << true << 5 << 5 << 2004;
        QTest::newRow("sign") << "+5-05-2004" << false << 0 << 0 << 0;
    }
    void parseDate()
    {
        QFETCH(QString, text);
        QFETCH(bool, ok);
        const auto parts = ParseDate(text);
        QCOMPARE(parts.has_value(), ok);
        if (ok) {
            QFETCH(int, day);
            QFETCH(int, month);
            QFETCH(int, year);
            QCOMPARE(*parts, (DateParts{day, month, year}));
        }
    }

    void compareDates_data()
    {
        QTest::addColumn<QString>("a");
        QTest::addColumn<QString>("b");
        QTest::addColumn<int>("expected");
        QTest::newRow("later across a month") << "01-02-2004" << "31-01-2004" << 2;
        QTest::newRow("earlier across a year") << "31-12-2003" << "01-01-2004" << 0;
        QTest::newRow("equal, other separator") << "05-05-2004" << "05.05.2004" << 1;
        QTest::newRow("first empty") << "" << "05-05-2004" << 6;
        QTest::newRow("second unreadable") << "05-05-2004" << "xx-05-2004" << 6;
        QTest::newRow("day 45 is after day 31") << "45-01-2004" << "31-01-2004" << 2;
    }
    void compareDates()
    {
        QFETCH(QString, a);
        QFETCH(QString, b);
        QFETCH(int, expected);
        QCOMPARE(CompareDates(a, b), expected);
    }

    void formatDate_data()
    {
        QTest::addColumn<int>("day");
        QTest::addColumn<int>("month");
        QTest::addColumn<int>("year");
        QTest::addColumn<QString>("expected");
        QTest::newRow("padded year") << 3 << 7 << 995 << "03-07-0995";
        QTest::newRow("two digits") << 31 << 12 << 2004 << "31-12-2004";
        QTest::newRow("five-digit year cut") << 1 << 1 << 12345 << "01-01-1234";
    }
    void formatDate()
    {
        QFETCH(int, day);
        QFETCH(int, month);
        QFETCH(int, year);
        QFETCH(QString, expected);
        QCOMPARE(FormatDate(day, month, year), expected);
    }

    void recordDates()
    {
        QCOMPARE(FormatDashDate(QDate(2024, 2, 9)), QStringLiteral("09-02-2024"));
        QCOMPARE(FormatDotDate(QDate(2024, 2, 9)), QStringLiteral("09.02.2024"));
    }

    void parseAmount_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("expected");
        QTest::newRow("zero") << "0" << 0.0;
        QTest::newRow("integer") << "1234" << 1234.0;
        QTest::newRow("trailing point") << "7." << 7.0;
        QTest::newRow("third decimal dropped") << "12,345" << 12.34;
        QTest::newRow("letter after decimals") << "1.5x" << 1.5;
        QTest::newRow("minus") << "-5" << 0.0;
        QTest::newRow("blank and currency") << "5 zł" << 0.0;
        QTest::newRow("empty") << "" << 0.0;
        QTest::newRow("leading separator") << ",5" << 0.5;
        QTest::newRow("separator only") << "." << 0.0;
        QTest::newRow("letter among the two decimals") << "3.a7" << 3.7;
        QTest::newRow("rest ignored") << "2.50 zł" << 2.5;
        QTest::newRow("leading blank") << " 5" << 0.0;
    }
    void parseAmount()
    {
        QFETCH(QString, text);
        QFETCH(double, expected);
        QCOMPARE(ParseAmount(text), expected);
    }

    // What the amount fields accept: the common Polish forms, whole; anything that could be
    // misread is refused (-1), never shortened.
    void readTypedAmount_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("expected");
        QTest::newRow("plain") << "1234,56" << 1234.56;
        QTest::newRow("blank groups") << "1 234,56" << 1234.56;
        QTest::newRow("dot groups") << "1.234,56" << 1234.56;
        QTest::newRow("non-breaking blank") << "1\u00a0234,56" << 1234.56;
        QTest::newRow("millions by dots") << "1.234.567,5" << 1234567.5;
        QTest::newRow("blank groups, dot decimals") << "1 234.56" << 1234.56;
        QTest::newRow("dot decimals") << "12.50" << 12.5;
        QTest::newRow("trailing comma") << "12," << 12.0;
        QTest::newRow("leading comma") << ",5" << 0.5;
        QTest::newRow("blanks around") << "  7,10 " << 7.1;
        QTest::newRow("empty") << "" << 0.0;
        QTest::newRow("three decimals") << "12,345" << -1.0;
        QTest::newRow("dot and three digits") << "1.234" << -1.0;
        QTest::newRow("two dot groups, no comma") << "1.234.567" << -1.0;
        QTest::newRow("short group") << "1 23,4" << -1.0;
        QTest::newRow("mixed groups") << "1 234.567,5" << -1.0;
        QTest::newRow("English form") << "1,234.56" << -1.0;
        QTest::newRow("two commas") << "1,2,3" << -1.0;
        QTest::newRow("minus") << "-5" << -1.0;
        QTest::newRow("currency") << "5 zł" << -1.0;
        QTest::newRow("separator only") << "," << -1.0;
    }
    void readTypedAmount()
    {
        QFETCH(QString, text);
        QFETCH(double, expected);
        const std::optional<double> amount = ReadTypedAmount(text);
        QCOMPARE(amount.has_value(), expected >= 0);
        if (amount)
            QCOMPARE(*amount, expected);
    }

    void upperCasePolish_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        QTest::newRow("żółw") << "żółw" << "ŻÓŁW";
        QTest::newRow("every Polish letter") << "ąćęłńóśźż" << "ĄĆĘŁŃÓŚŹŻ";
        QTest::newRow("capitals stay") << "ĄĆĘŁŃÓŚŹŻ ABC" << "ĄĆĘŁŃÓŚŹŻ ABC";
        QTest::newRow("other letters kept") << "éšü" << "éšü";
        QTest::newRow("digits and signs") << "a1-b2 %%" << "A1-B2 %%";
    }
    void upperCasePolish()
    {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QCOMPARE(UpperCasePolish(text), expected);
    }

    void formatAmount_data()
    {
        QTest::addColumn<double>("amount");
        QTest::addColumn<QString>("polish");
        QTest::addColumn<QString>("english");
        QTest::newRow("twelve and a half") << 12.5 << "12,50" << "12.50";
        QTest::newRow("zero") << 0.0 << "0,00" << "0.00";
        QTest::newRow("below one") << 0.07 << "0,07" << "0.07";
        QTest::newRow("no group separator") << 1234567.891 << "1234567,89" << "1234567.89";
        QTest::newRow("rounded up") << 2.999 << "3,00" << "3.00";
        QTest::newRow("negative") << -15.25 << "-15,25" << "-15.25";
        QTest::newRow("negative rounding to zero") << -0.001 << "0,00" << "0.00";
    }
    void formatAmount()
    {
        QFETCH(double, amount);
        QFETCH(QString, polish);
        QFETCH(QString, english);
        QCOMPARE(FormatAmount(amount), polish);
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        const QString withPoint = FormatAmount(amount);
        QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland));
        QCOMPARE(withPoint, english);
    }

    void formatPercent()
    {
        QCOMPARE(FormatPercent(25.0), QStringLiteral("25,0000"));
        QCOMPARE(FormatPercent(100.0 / 3.0), QStringLiteral("33,3333"));
    }
};

QTEST_APPLESS_MAIN(TestHelpers)
#include "tst_helpers.moc"
