#include "core/store/filekey.h"
#include "core/store/scramble.h"

#include <QtTest>

#include <functional>
#include <vector>

using namespace trelfin;

namespace {

using FieldFunction = std::function<void(std::span<std::uint8_t>)>;

struct Variant
{
    FieldFunction scramble;
    FieldFunction unscramble;
};

Variant variant(const QString &name)
{
    if (name == u"wrapping")
        return {ScrambleWrapping, UnscrambleWrapping};
    if (name == u"plain")
        return {ScramblePlain, UnscramblePlain};
    if (name == u"shopping")
        return {ScrambleShoppingItem, UnscrambleShoppingItem};
    return {ScrambleNoteText, UnscrambleNoteText};
}

} // namespace

class TestScramble : public QObject
{
    Q_OBJECT

private slots:
    // Every file ever written depends on the key: it must stay exactly this.
    void fileKeyNeverChanges()
    {
        const std::array<std::uint8_t, 40> written = {
            97,  151, 43,  158, 171, 7,   225, 48,  113, 88,  206, 202, 89,  123,
            30,  104, 59,  132, 86,  212, 35,  252, 132, 235, 169, 172, 122, 27,
            214, 143, 15,  241, 38,  145, 173, 144, 223, 245, 75,  216,
        };
        QCOMPARE(FileKey, written);
    }

    // The file byte of one character: direction, wrap and key indexing of each variant.
    void fileBytes_data()
    {
        QTest::addColumn<QString>("variant");
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("position");
        QTest::addColumn<int>("byte");
        QTest::addColumn<int>("stored");

        // wrapping: odd adds, even subtracts, wrap by 255; key p for position p.
        QTest::newRow("wrapping odd") << "wrapping" << 40 << 1 << 65 << 65 + 97;
        QTest::newRow("wrapping even, below 0") << "wrapping" << 40 << 2 << 66 << 66 - 151 + 255;
        QTest::newRow("wrapping odd, above 255") << "wrapping" << 40 << 1 << 200 << 200 + 97 - 255;
        QTest::newRow("wrapping position 41 takes key 1") << "wrapping" << 255 << 41 << 65 << 65 + 97;
        // plain: the same directions modulo 256.
        QTest::newRow("plain odd, above 255") << "plain" << 10 << 1 << 200 << 200 + 97 - 256;
        QTest::newRow("plain even, below 0") << "plain" << 10 << 2 << 66 << 66 - 151 + 256;
        // shopping list: odd subtracts, even adds, wrap by 255; key j for position j.
        QTest::newRow("shopping odd, below 0") << "shopping" << 40 << 1 << 65 << 65 - 97 + 255;
        QTest::newRow("shopping even") << "shopping" << 40 << 2 << 66 << 66 + 151;
        QTest::newRow("shopping position 40") << "shopping" << 40 << 40 << 10 << 10 + 216;
        // notes: as the shopping list, key (j mod 40) + 1.
        QTest::newRow("notes position 1 takes key 2") << "notes" << 255 << 1 << 65 << 65 - 151 + 255;
        QTest::newRow("notes position 2 takes key 3") << "notes" << 255 << 2 << 66 << 66 + 43;
        QTest::newRow("notes position 39 takes key 40") << "notes" << 255 << 39 << 65 << 65 - 216 + 255;
        QTest::newRow("notes position 40 takes key 1") << "notes" << 255 << 40 << 66 << 66 + 97;
        QTest::newRow("notes position 41 takes key 2") << "notes" << 255 << 41 << 65 << 65 - 151 + 255;
        QTest::newRow("notes position 255") << "notes" << 255 << 255 << 65 << 65 - 104 + 255;
    }
    void fileBytes()
    {
        QFETCH(QString, variant);
        QFETCH(int, width);
        QFETCH(int, position);
        QFETCH(int, byte);
        QFETCH(int, stored);

        std::vector<std::uint8_t> field(width, 0);
        field[position - 1] = static_cast<std::uint8_t>(byte);
        ::variant(variant).scramble(field);
        QCOMPARE(int(field[position - 1]), stored);
        ::variant(variant).unscramble(field);
        QCOMPARE(int(field[position - 1]), byte);
    }

    // Every byte value at every position of a field: the wrap-by-255 variants lose exactly one
    // value at each parity, the plain scramble none.
    void everyByteSurvivesButTheWrapLosses_data()
    {
        QTest::addColumn<QString>("variant");
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("lostAtOdd");   // -1: none
        QTest::addColumn<int>("lostAtEven");
        QTest::addColumn<int>("readAs");      // what a lost byte reads back as at odd positions

        QTest::newRow("wrapping") << "wrapping" << 255 << 255 << 0 << 0;
        QTest::newRow("plain") << "plain" << 10 << -1 << -1 << 0;
        QTest::newRow("shopping") << "shopping" << 40 << 0 << 255 << 255;
        QTest::newRow("notes") << "notes" << 255 << 0 << 255 << 255;
    }
    void everyByteSurvivesButTheWrapLosses()
    {
        QFETCH(QString, variant);
        QFETCH(int, width);
        QFETCH(int, lostAtOdd);
        QFETCH(int, lostAtEven);
        QFETCH(int, readAs);
        const Variant v = ::variant(variant);

        for (int b = 0; b < 256; ++b) {
            std::vector<std::uint8_t> field(width, static_cast<std::uint8_t>(b));
            v.scramble(field);
            v.unscramble(field);
            for (int i = 0; i < width; ++i) {
                const bool odd = i % 2 == 0;
                int expected = b;
                if (odd && b == lostAtOdd)
                    expected = readAs;
                else if (!odd && b == lostAtEven)
                    expected = 255 - readAs;
                if (field[i] != expected)
                    QFAIL(qPrintable(QStringLiteral("byte %1 at position %2 read back as %3")
                                         .arg(b).arg(i + 1).arg(field[i])));
            }
        }
    }

    // No date a user can type is stored as the bytes of the end-of-section mark "fu2u".
    void endMarkIsNoTypeableDate()
    {
        std::array<std::uint8_t, 4> mark = {'f', 'u', '2', 'u'};
        UnscramblePlain(mark);
        for (std::uint8_t b : mark)
            QVERIFY2(b < 0x20, qPrintable(QString::number(b)));
    }
};

QTEST_APPLESS_MAIN(TestScramble)
#include "tst_scramble.moc"
