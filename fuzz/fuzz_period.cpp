// The period file reader on any bytes as period file 1.
#include "fuzzsupport.h"

using namespace trelfin;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    Database db = fuzz::databaseNamed(QStringLiteral(".tf4"));
    fuzz::writeInput(PeriodFilePath(db, 0), data, size);
    fuzz::QuietSink sink;
    const bool read = LoadPeriod(db, 0, sink);
    for (const Register &r : db.registers) {
        if (r.count() > EntrySlots)
            __builtin_trap();
    }
    // What was read writes back and reads again as the same registers.
    if (read) {
        const Database first = db;
        const QByteArray again = PeriodFileBytes(db);
        fuzz::writeInput(PeriodFilePath(db, 0), reinterpret_cast<const std::uint8_t *>(again.constData()),
                         static_cast<std::size_t>(again.size()));
        if (!LoadPeriod(db, 0, sink))
            __builtin_trap();
        for (int r = 0; r < RegisterCount; ++r) {
            if (db.registers[r].count() != first.registers[r].count())
                __builtin_trap();
        }
    }
    return 0;
}
