#pragma once

#include <array>
#include <cstdint>
#include <optional>

namespace trelfin {

// The six-byte floating-point form used for recurring amounts, per-group sums and the oldest
// period files. Byte 0 is the exponent e biased by 129 (e = 0 means the value 0); bytes 1-5
// hold, little-endian, a 39-bit fraction f in their lower 39 bits and the sign in the top bit
// of byte 5. The value is (-1)^sign * 2^(e - 129) * (1 + f / 2^39).
class Real48
{
public:
    using Bytes = std::array<std::uint8_t, 6>;

    Real48() = default; // zero

    static Real48 fromBytes(const Bytes &bytes);

    // The nearest six-byte value: the fraction is rounded to 39 bits, a dropped half rounding
    // up in magnitude; a value too small for e >= 1 becomes 0. Returns nothing when the
    // exponent would exceed 255 (the value is too large) or the value is not a number.
    static std::optional<Real48> fromDouble(double value);
    // The same from extended precision, so that a sum computed there is rounded only once.
    static std::optional<Real48> fromLongDouble(long double value);

    // A double rounded through the six-byte form; values too large keep the largest magnitude
    // the form can hold, with their sign, so that callers that cannot report an error still get
    // a defined result.
    static double round(long double value);

    double toDouble() const;
    const Bytes &bytes() const { return m_bytes; }

    bool operator==(const Real48 &other) const = default;

    static constexpr int fractionBits = 39;
    static constexpr int bias = 129;

private:
    Bytes m_bytes{};
};

} // namespace trelfin
