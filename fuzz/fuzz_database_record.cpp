// The database record reader on any bytes as the ".tf4" file.
#include "fuzzsupport.h"

using namespace trelfin;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    Database db = fuzz::databaseNamed(QStringLiteral(".tf4"));
    fuzz::writeInput(DatabaseFilePath(db, QStringLiteral(".tf4")), data, size);
    fuzz::QuietSink sink;
    if (ReadDatabaseRecord(db, sink)) {
        // A record that was accepted names 1..100 periods.
        if (db.header.periodCount < 1 || db.header.periodCount > MaxPeriods)
            __builtin_trap();
    }
    return 0;
}
