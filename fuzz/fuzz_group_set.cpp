// The group file reader on any bytes; a group set it accepts writes back to the same bytes'
// length.
#include "core/store/groupset.h"
#include "fuzzsupport.h"

using namespace trelfin;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    if (const auto names = ReadGroupSetBytes(bytes)) {
        if (GroupSetBytes(*names).size() != GroupSetFileSize)
            __builtin_trap();
    }
    return 0;
}
