#include "core/store/cp1250.h"

#include <QtTest>

using namespace trelfin;

class TestCp1250 : public QObject
{
    Q_OBJECT

private slots:
    // Every byte reads as one character and that character writes back as the same byte.
    void everyByteRoundTrips()
    {
        QSet<QChar> seen;
        for (int b = 0; b < 256; ++b) {
            const QChar c = cp1250ToChar(static_cast<unsigned char>(b));
            QCOMPARE(int(charToCp1250(c)), b);
            QVERIFY2(!seen.contains(c), qPrintable(QStringLiteral("byte %1 shares its character").arg(b)));
            seen.insert(c);
        }
    }

    void polishLetters_data()
    {
        QTest::addColumn<QString>("letter");
        QTest::addColumn<int>("byte");
        const QString letters = QStringLiteral("ąćęłńóśźżĄĆĘŁŃÓŚŹŻ");
        const int bytes[] = {0xB9, 0xE6, 0xEA, 0xB3, 0xF1, 0xF3, 0x9C, 0x9F, 0xBF,
                             0xA5, 0xC6, 0xCA, 0xA3, 0xD1, 0xD3, 0x8C, 0x8F, 0xAF};
        for (int i = 0; i < letters.size(); ++i)
            QTest::newRow(qPrintable(letters.mid(i, 1))) << letters.mid(i, 1) << bytes[i];
        QTest::newRow("euro") << QStringLiteral("€") << 0x80;
        QTest::newRow("dash") << QStringLiteral("–") << 0x96;
        QTest::newRow("no-break space") << QStringLiteral("\u00A0") << 0xA0;
    }
    void polishLetters()
    {
        QFETCH(QString, letter);
        QFETCH(int, byte);
        QCOMPARE(toCp1250(letter), QByteArray(1, static_cast<char>(byte)));
        QCOMPARE(fromCp1250(QByteArray(1, static_cast<char>(byte))), letter);
    }

    void outsideTheCodePageBecomesQuestionMark_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("cyrillic") << QStringLiteral("aЖb") << QByteArray("a?b");
        QTest::newRow("chinese") << QStringLiteral("中文") << QByteArray("??");
        QTest::newRow("emoji is one character") << QStringLiteral("x😀y") << QByteArray("x?y");
        QTest::newRow("lone surrogate") << QString(QChar(0xD800)) << QByteArray("?");
    }
    void outsideTheCodePageBecomesQuestionMark()
    {
        QFETCH(QString, text);
        QFETCH(QByteArray, expected);
        QCOMPARE(toCp1250(text), expected);
    }

    void fitTextCutsByStoredCharacters()
    {
        QCOMPARE(fitText(QStringLiteral("Zażółć gęślą jaźń"), 6), QStringLiteral("Zażółć"));
        QCOMPARE(fitText(QStringLiteral("😀😀😀"), 2), QStringLiteral("??"));
        QCOMPARE(fitText(QStringLiteral("abc"), 10), QStringLiteral("abc"));
        QCOMPARE(fitText(QString(), 10), QString());
    }
};

QTEST_APPLESS_MAIN(TestCp1250)
#include "tst_cp1250.moc"
