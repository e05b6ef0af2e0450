// The bank statement reader on any bytes: it recognises a statement or says it did not, and every
// row it gives has a date of the calendar and a finite amount.
#include "core/store/helpers.h"
#include "core/tools/bankstatement.h"
#include "fuzzsupport.h"

#include <cmath>

using namespace trelfin;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    QString problem;
    if (const auto statement = ReadBankStatement(bytes, problem)) {
        for (const StatementRow &row : statement->rows) {
            if (!std::isfinite(row.amount) || !ParseDate(row.date) || IsImpossibleDate(row.date))
                __builtin_trap();
        }
    } else if (problem.isEmpty()) {
        __builtin_trap();
    }
    return 0;
}
