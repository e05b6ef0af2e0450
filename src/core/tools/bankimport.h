#pragma once

#include "core/store/database.h"
#include "core/tools/bankstatement.h"

#include <QSet>
#include <QString>
#include <QVector>

namespace trelfin {

// What becomes of a bank statement's rows: each booked row is an entry of "Konto bankowe" with
// its kind of operation (money in "ZASILENIE", money out "OBCIĄŻENIE", bank fees "OPŁATY",
// commissions "PROWIZJE", interest "%% MA" or "%% WINIEN"), its amount made positive and a
// description of at most 40 characters made of the other side and the title.

// Where a row stands: new, imported before (its fingerprint is remembered), probably typed by
// hand already (an entry of the same amount within 3 days in the register), a pending block
// (listed, never booked) or not readable.
enum class ImportStatus { fresh, imported, possibleDuplicate, pending, skipped };

// The user's words for a status: "nowy", "już zaimportowany", "możliwy duplikat", "blokada",
// "pominięty".
QString ImportStatusText(ImportStatus status);

struct ImportRow
{
    StatementRow source;
    ImportStatus status = ImportStatus::fresh;
    bool checked = true;         // to be added: only new rows are at first
    int bankKind = 1;            // 1..BankOperationKindCount
    Entry entry;                 // the bank-account entry it becomes
    QString fingerprint;         // what the database remembers it by
    // A card payment or transfer may also go into "Rozchód" (money out, with a spending group)
    // or "Przychód" (money in), when the database's choice says so.
    bool intoRegister = false;
    RegisterKind registerKind = RegisterKind::expenses;
    int group = 0;               // the spending group (1..30) of an expense
};

// The spending group the import rules give a row: the first rule whose text stands in the
// other side's name or the title (letter case aside); else the group named "INNE", else 1.
int GroupByRules(const Database &db, const StatementRow &row);
// Whether a row is a card payment or transfer that may also go into "Rozchód" or "Przychód".
bool GoesIntoRegister(int bankKind);
// The registers a row goes into, as the review names them ("Konto bankowe", "Konto bankowe,
// Rozchód" or "Konto bankowe, Przychód"; "—" for a pending block, which is never booked).
QString ImportRegistersText(const ImportRow &row, bool alsoIntoRegisters);

// The bank operation kind of a row, from its sign and what the bank calls it.
int BankKindOf(const StatementRow &row);

// The 40-character description of a row: the other side, then the title, cut at a word boundary
// and fitted to the code page.
QString ImportDescription(const StatementRow &row);

// What a row is remembered by: the bank's reference when the file has one, else a fingerprint
// of the account, date, amount and text with the row's place among identical rows of the file,
// so that two genuine equal rows are both kept and the same rows in a later, overlapping
// download are recognised.
QStringList ImportFingerprints(const BankStatement &statement);

// The rows of `statement` as the review shows them first, against the database's bank account
// in memory and the fingerprints it remembers.
QVector<ImportRow> PlanImport(const Database &db, const BankStatement &statement, const QSet<QString> &remembered);

// Adds the checked rows (pending blocks never) to the bank account of the period in memory, and
// those marked so to "Rozchód" or "Przychód" too, in the statement's order, as many as each
// register has room for, and marks their fingerprints to be remembered at the next save.
// Returns how many rows went in and how many entries did not fit.
struct ImportApplied
{
    int added = 0;
    int leftOut = 0;
};
ImportApplied ApplyImport(Database &db, const QVector<ImportRow> &rows);

} // namespace trelfin
