#pragma once

#include <QByteArray>

#include <cstdint>
#include <span>

namespace trelfin {

// The character scrambling of the text fields in a database's files. Each function transforms
// the character positions 1..N of one text field in place: `chars` starts at position 1 (the
// byte after the length byte, which is never scrambled) and covers every position of the field,
// whatever the text's current length.
//
// The database record's texts and every entry description use the *wrapping* scramble: at odd
// positions writing adds the key byte and reading subtracts it, at even positions the reverse;
// the result wraps by 255, not 256. So, with any key byte, a byte 255 at an odd position reads
// back as 0 and a byte 0 at an even position reads back as 255; every other byte survives.
void ScrambleWrapping(std::span<std::uint8_t> chars);
void UnscrambleWrapping(std::span<std::uint8_t> chars);

// The *plain* scramble of the period records' date field: the same additions and subtractions
// modulo 256, so that every byte survives.
void ScramblePlain(std::span<std::uint8_t> chars);
void UnscramblePlain(std::span<std::uint8_t> chars);

// The side files wrap by 255 too but in the opposite direction (writing subtracts at odd
// positions). A shopping item's 40 positions use FileKey[j] for position j; a note text's 255
// positions use the key one further on (position 1 takes FileKey number 2, position 40 number 1).
// Here a byte 0 at an odd position reads back as 255 and a byte 255 at an even position as 0.
void ScrambleShoppingItem(std::span<std::uint8_t> chars);
void UnscrambleShoppingItem(std::span<std::uint8_t> chars);
void ScrambleNoteText(std::span<std::uint8_t> chars);
void UnscrambleNoteText(std::span<std::uint8_t> chars);

// Positions 1..width of the text field whose length byte is at `offset` of `bytes`.
// The field must lie inside `bytes`.
std::span<std::uint8_t> textPositions(QByteArray &bytes, qsizetype offset, int width);

} // namespace trelfin
