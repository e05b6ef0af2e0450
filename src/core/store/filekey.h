#pragma once

#include <array>
#include <cstdint>

namespace trelfin {

// The 40-byte key of the character scrambling used by the database file, the period files and
// the two side files (shopping list, notes).
//
// THESE VALUES MUST NEVER CHANGE. Every file this program has ever written was scrambled with
// them; a program with different values reads those files as garbage.
//
// Every value lies in 1..254, so that each scrambled position really moves. The first four are
// chosen so that the text whose scrambled date field reads "fu2u" (the period files' end-of-section
// mark) consists of control characters (0x05 0x0C 0x07 0x13): no date a user can type is ever
// stored as bytes that look like an end record.
//
// FileKey[0] is the key the file formats number 1, FileKey[39] the one they number 40.
inline constexpr std::array<std::uint8_t, 40> FileKey = {
    97,  151, 43,  158, 171, 7,   225, 48,  113, 88,
    206, 202, 89,  123, 30,  104, 59,  132, 86,  212,
    35,  252, 132, 235, 169, 172, 122, 27,  214, 143,
    15,  241, 38,  145, 173, 144, 223, 245, 75,  216,
};

constexpr bool fileKeyValuesInRange()
{
    for (std::uint8_t k : FileKey)
        if (k < 1 || k > 254)
            return false;
    return true;
}
static_assert(fileKeyValuesInRange(), "every FileKey value must lie in 1..254");

} // namespace trelfin
