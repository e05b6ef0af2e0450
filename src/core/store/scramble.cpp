#include "core/store/scramble.h"

#include "core/store/filekey.h"

#include <QtGlobal>

namespace trelfin {

namespace {

std::uint8_t wrapAdd(std::uint8_t b, std::uint8_t k)
{
    int c = b + k;
    if (c > 255)
        c -= 255;
    return static_cast<std::uint8_t>(c);
}

std::uint8_t wrapSubtract(std::uint8_t b, std::uint8_t k)
{
    int c = b - k;
    if (c < 0)
        c += 255;
    return static_cast<std::uint8_t>(c);
}

// Position p (1-based) takes FileKey[(p - 1 + keyShift) mod 40]; odd positions add when
// `addAtOdd`, even positions do the opposite.
void wrapField(std::span<std::uint8_t> chars, int keyShift, bool addAtOdd)
{
    for (std::size_t i = 0; i < chars.size(); ++i) {
        const std::uint8_t k = FileKey[(i + keyShift) % FileKey.size()];
        const bool odd = i % 2 == 0; // position i + 1
        chars[i] = odd == addAtOdd ? wrapAdd(chars[i], k) : wrapSubtract(chars[i], k);
    }
}

void plainField(std::span<std::uint8_t> chars, bool addAtOdd)
{
    for (std::size_t i = 0; i < chars.size(); ++i) {
        const std::uint8_t k = FileKey[i % FileKey.size()];
        const bool odd = i % 2 == 0;
        chars[i] = static_cast<std::uint8_t>(odd == addAtOdd ? chars[i] + k : chars[i] - k);
    }
}

} // namespace

void ScrambleWrapping(std::span<std::uint8_t> chars) { wrapField(chars, 0, true); }
void UnscrambleWrapping(std::span<std::uint8_t> chars) { wrapField(chars, 0, false); }

void ScramblePlain(std::span<std::uint8_t> chars) { plainField(chars, true); }
void UnscramblePlain(std::span<std::uint8_t> chars) { plainField(chars, false); }

void ScrambleShoppingItem(std::span<std::uint8_t> chars) { wrapField(chars, 0, false); }
void UnscrambleShoppingItem(std::span<std::uint8_t> chars) { wrapField(chars, 0, true); }

void ScrambleNoteText(std::span<std::uint8_t> chars) { wrapField(chars, 1, false); }
void UnscrambleNoteText(std::span<std::uint8_t> chars) { wrapField(chars, 1, true); }

std::span<std::uint8_t> textPositions(QByteArray &bytes, qsizetype offset, int width)
{
    Q_ASSERT(offset >= 0 && width >= 0 && offset + 1 + width <= bytes.size());
    auto *data = reinterpret_cast<std::uint8_t *>(bytes.data());
    return {data + offset + 1, static_cast<std::size_t>(width)};
}

} // namespace trelfin
