#include "core/store/real48.h"

#include <QtTest>

#include <cmath>
#include <limits>

using namespace trelfin;

Q_DECLARE_METATYPE(trelfin::Real48::Bytes)

namespace {
Real48::Bytes bytes(std::initializer_list<int> values)
{
    Real48::Bytes b{};
    int i = 0;
    for (int v : values)
        b[i++] = static_cast<std::uint8_t>(v);
    return b;
}
} // namespace

class TestReal48 : public QObject
{
    Q_OBJECT

private slots:
    // Values whose six bytes can be worked out by hand, read both ways.
    void exactValues_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<Real48::Bytes>("expected");
        QTest::newRow("1.0") << 1.0 << bytes({0x81, 0, 0, 0, 0, 0});
        QTest::newRow("zero") << 0.0 << bytes({0, 0, 0, 0, 0, 0});
        QTest::newRow("-1.0") << -1.0 << bytes({0x81, 0, 0, 0, 0, 0x80});
        QTest::newRow("2.0") << 2.0 << bytes({0x82, 0, 0, 0, 0, 0});
        QTest::newRow("0.5") << 0.5 << bytes({0x80, 0, 0, 0, 0, 0});
        QTest::newRow("1.5: top fraction bit") << 1.5 << bytes({0x81, 0, 0, 0, 0, 0x40});
        QTest::newRow("-12.5") << -12.5 << bytes({0x84, 0, 0, 0, 0, 0xC8});
        QTest::newRow("lowest fraction bit") << 1.0 + std::ldexp(1.0, -39) << bytes({0x81, 1, 0, 0, 0, 0});
        QTest::newRow("smallest") << std::ldexp(1.0, -128) << bytes({0x01, 0, 0, 0, 0, 0});
        QTest::newRow("largest") << std::ldexp(2.0 - std::ldexp(1.0, -39), 126)
                                 << bytes({0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F});
    }
    void exactValues()
    {
        QFETCH(double, value);
        QFETCH(Real48::Bytes, expected);
        const auto r = Real48::fromDouble(value);
        QVERIFY(r.has_value());
        QCOMPARE(r->bytes(), expected);
        QCOMPARE(Real48::fromBytes(expected).toDouble(), value);
    }

    void zeroExponentIsZeroWhateverTheFraction()
    {
        QCOMPARE(Real48::fromBytes(bytes({0, 0x12, 0x34, 0x56, 0x78, 0xFF})).toDouble(), 0.0);
    }

    void rounding_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<double>("expected");
        const double ulp = std::ldexp(1.0, -39); // fraction step at exponent 0
        QTest::newRow("below half drops") << 1.0 + ulp * 0.499 << 1.0;
        QTest::newRow("half rounds up") << 1.0 + ulp * 0.5 << 1.0 + ulp;
        QTest::newRow("negative half rounds away from zero") << -(1.0 + ulp * 0.5) << -(1.0 + ulp);
        QTest::newRow("carry into the exponent") << 2.0 - ulp * 0.5 << 2.0;
        QTest::newRow("0.1 to 39 bits") << 0.1 << std::ldexp(std::round(std::ldexp(0.1, 43)), -43);
        QTest::newRow("too small becomes zero") << std::ldexp(1.0, -130) << 0.0;
        QTest::newRow("subnormal becomes zero") << std::numeric_limits<double>::denorm_min() << 0.0;
    }
    void rounding()
    {
        QFETCH(double, value);
        QFETCH(double, expected);
        const auto r = Real48::fromDouble(value);
        QVERIFY(r.has_value());
        QCOMPARE(r->toDouble(), expected);
    }

    void overflow_data()
    {
        QTest::addColumn<double>("value");
        QTest::newRow("exponent 256") << std::ldexp(1.0, 127);
        QTest::newRow("rounds up past the largest") << std::ldexp(2.0 - std::ldexp(1.0, -41), 126);
        QTest::newRow("negative") << -std::ldexp(1.0, 200);
        QTest::newRow("infinity") << std::numeric_limits<double>::infinity();
        QTest::newRow("nan") << std::numeric_limits<double>::quiet_NaN();
    }
    void overflow()
    {
        QFETCH(double, value);
        QVERIFY(!Real48::fromDouble(value).has_value());
    }

    void roundClampsWhatCannotBeHeld()
    {
        const double largest = std::ldexp(2.0 - std::ldexp(1.0, -39), 126);
        QCOMPARE(Real48::round(1e300), largest);
        QCOMPARE(Real48::round(-1e300), -largest);
        QCOMPARE(Real48::round(12.34), Real48::fromDouble(12.34)->toDouble());
    }

    // Money amounts with two decimals survive the six-byte form to the cent.
    void centsSurvive()
    {
        for (int cents = 0; cents < 200000; cents += 7) {
            const double value = cents / 100.0;
            const double back = Real48::fromDouble(value)->toDouble();
            QVERIFY2(std::fabs(back - value) < 1e-9, qPrintable(QString::number(value)));
        }
    }
};

QTEST_APPLESS_MAIN(TestReal48)
#include "tst_real48.moc"
