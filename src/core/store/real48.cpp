#include "core/store/real48.h"

#include <cmath>

namespace trelfin {

namespace {
constexpr std::uint64_t kFractionMask = (std::uint64_t{1} << Real48::fractionBits) - 1;
constexpr std::uint64_t kSignBit = std::uint64_t{1} << 39;
} // namespace

Real48 Real48::fromBytes(const Bytes &bytes)
{
    Real48 r;
    r.m_bytes = bytes;
    return r;
}

std::optional<Real48> Real48::fromDouble(double value)
{
    return fromLongDouble(value);
}

std::optional<Real48> Real48::fromLongDouble(long double value)
{
    if (std::isnan(value) || std::isinf(value))
        return std::nullopt;
    if (value == 0.0L)
        return Real48();

    const bool negative = std::signbit(value);
    int exp2 = 0;
    const long double mantissa = std::frexp(std::fabs(value), &exp2); // in [0.5, 1)
    // 64 significant bits as an integer with the leading 1 at bit 63: exact for a long double
    // of 64 mantissa bits, and for a double.
    const auto bits = static_cast<std::uint64_t>(std::ldexp(mantissa, 64));
    constexpr int dropped = 63 - fractionBits;
    std::uint64_t fraction = bits & ((std::uint64_t{1} << 63) - 1);
    fraction = (fraction + (std::uint64_t{1} << (dropped - 1))) >> dropped; // half rounds up
    int exponent = exp2 - 1 + bias;
    if (fraction > kFractionMask) { // rounding carried into the leading bit
        fraction = 0;
        ++exponent;
    }
    if (exponent < 1)
        return Real48();
    if (exponent > 255)
        return std::nullopt;

    std::uint64_t packed = fraction | (negative ? kSignBit : 0);
    Real48 r;
    r.m_bytes[0] = static_cast<std::uint8_t>(exponent);
    for (int i = 1; i <= 5; ++i) {
        r.m_bytes[i] = static_cast<std::uint8_t>(packed & 0xFF);
        packed >>= 8;
    }
    return r;
}

double Real48::round(long double value)
{
    if (const auto r = fromLongDouble(value))
        return r->toDouble();
    if (std::isnan(value))
        return 0.0;
    Bytes largest{255, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F};
    if (std::signbit(value))
        largest[5] |= 0x80;
    return fromBytes(largest).toDouble();
}

double Real48::toDouble() const
{
    const int exponent = m_bytes[0];
    if (exponent == 0)
        return 0.0;
    std::uint64_t packed = 0;
    for (int i = 5; i >= 1; --i)
        packed = (packed << 8) | m_bytes[i];
    const std::uint64_t fraction = packed & kFractionMask;
    const double magnitude =
        std::ldexp(1.0 + std::ldexp(static_cast<double>(fraction), -fractionBits), exponent - bias);
    return (packed & kSignBit) ? -magnitude : magnitude;
}

} // namespace trelfin
