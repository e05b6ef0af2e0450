// The reader of 2000-version period files on any bytes as period file 1 of a ".tfc" database.
#include "core/store/olderformats.h"
#include "fuzzsupport.h"

using namespace trelfin;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    Database db = fuzz::databaseNamed(QStringLiteral(".tfc"));
    fuzz::writeInput(PeriodFilePath(db, 0), data, size);
    fuzz::QuietSink sink;
    LoadPeriod2000(db, 0, sink);
    for (const Register &r : db.registers) {
        if (r.count() > EntrySlots)
            __builtin_trap();
    }
    return 0;
}
