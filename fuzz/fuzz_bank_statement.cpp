// The bank statement reader on any bytes: it recognises a statement or says it did not, and every
// row it gives has a date of the calendar and a finite amount. A CSV file it does not know is
// also read with columns taken from its first bytes, as a user might choose them.
#include "core/store/helpers.h"
#include "core/tools/bankstatement.h"
#include "fuzzsupport.h"

#include <cmath>

using namespace trelfin;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const auto checkRows = [](const BankStatement &statement) {
        for (const StatementRow &row : statement.rows) {
            if (!std::isfinite(row.amount) || !ParseDate(row.date) || IsImpossibleDate(row.date))
                __builtin_trap();
        }
    };
    QString problem;
    if (const auto statement = ReadBankStatement(bytes, problem)) {
        checkRows(*statement);
    } else if (problem.isEmpty()) {
        __builtin_trap();
    } else if (const auto header = FindCsvHeader(bytes)) {
        const auto column = [&bytes, &header](int at) -> int {
            return at < bytes.size() ? int(static_cast<unsigned char>(bytes.at(at)) % (header->names.size() + 1)) - 1 : -1;
        };
        const CsvColumnMapping mapping{column(0), column(1), column(2), column(3), column(4), column(5)};
        const auto statement = ReadMappedCsvStatement(bytes, *header, mapping, problem);
        if (statement.has_value() != mapping.usable(*header))
            __builtin_trap();
        if (statement)
            checkRows(*statement);
    }
    return 0;
}
