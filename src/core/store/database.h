#pragma once

#include "core/store/real48.h"
#include "core/store/reportspan.h"

#include <QHash>
#include <QSet>
#include <QString>
#include <QVector>

#include <array>
#include <cstdint>
#include <optional>

namespace trelfin {

// Limits of a database.
constexpr int MaxEntries = 3999;     // entries a register accepts from the user
constexpr int EntrySlots = 4000;     // entries a period file may hold per register section
constexpr int MaxPeriods = 100;
constexpr int GroupCount = 30;       // spending groups of a database
constexpr int SettledGroup = 31;     // group number that marks a planned entry as settled
constexpr int RecurringRows = 5;     // recurring incomes, and recurring expenses, per period

// Widths of the stored texts, in characters.
namespace Width {
constexpr int ownerName = 40;
constexpr int otherData = 255;
constexpr int recordDate = 10;
constexpr int password = 10;
constexpr int groupName = 10;
constexpr int periodDates = 20;
constexpr int periodName = 40;
constexpr int entryDate = 10;
constexpr int description = 40;
constexpr int recurringDay = 2;
} // namespace Width

// The five registers of a period.
enum class RegisterKind { expenses = 0, incomes, debts, planned, bankAccount };
constexpr int RegisterCount = 5;

// Kinds of debt (1..4) and of bank operation (1..6).
constexpr int DebtKindCount = 4;
constexpr int BankOperationKindCount = 6;

// The highest value an entry's `group` may hold in a register of `kind` (the lowest is 1): a
// spending group, with "DOKONANE" for planned entries, a debt kind or a bank operation kind.
// Incomes have no group: 0.
constexpr int highestGroup(RegisterKind kind)
{
    switch (kind) {
    case RegisterKind::expenses: return GroupCount;
    case RegisterKind::planned: return SettledGroup;
    case RegisterKind::debts: return DebtKindCount;
    case RegisterKind::bankAccount: return BankOperationKindCount;
    case RegisterKind::incomes: break;
    }
    return 0;
}

// Codes a command leaves in Database::pendingAction for a later step of another command: a save
// that must not ask, a period that could not be read, an import in progress. A window's answer
// comes back to its caller as the window's result instead.
namespace PendingAction {
constexpr std::uint8_t none = 0;
constexpr std::uint8_t saveWithoutQuestion = 1;
constexpr std::uint8_t readFailed = 14;
constexpr std::uint8_t importing = 15;
} // namespace PendingAction

// One register row. Dates are "dd-mm-yyyy" (the due date for planned entries), amounts złoty.
// `group` means: the spending group 1..30 (31 = settled) for expenses and planned entries, the
// debt kind 1..4 for debts, the bank operation kind 1..6 for the bank account; incomes have no
// group and keep 0.
struct Entry
{
    QString date;
    double amount = 0.0;
    std::uint8_t group = 0;
    QString description;

    // The entry with its texts as their fields store them (code page repertoire, widths).
    Entry fitted() const;
    bool operator==(const Entry &) const = default;
};

using IncomeEntry = Entry; // an income row: `group` carries no meaning

// A register of the current period: entries in the order the user arranged them.
// Rows are numbered from 1 in the grids and messages; `entries` is indexed from 0.
struct Register
{
    QVector<Entry> entries;

    int count() const { return static_cast<int>(entries.size()); }
    bool isFull() const { return count() >= MaxEntries; }
    // Appends the fitted entry; refuses (returns false) when the register already holds
    // MaxEntries entries.
    bool append(const Entry &entry);
    bool operator==(const Register &) const = default;
};

struct PeriodInfo
{
    // Characters 1-10: the day the period was created; 11-20: the day of its last save
    // ("brak" until the first save). Both "dd.mm.yyyy".
    QString periodDates;
    QString periodName;

    QString firstWriteDate() const { return periodDates.left(10); }
    QString lastWriteDate() const { return periodDates.mid(10, 10); }
    bool operator==(const PeriodInfo &) const = default;
};

// The database record, written whole to the database file.
struct DatabaseHeader
{
    QString ownerName;
    QString otherData;
    QString createdDate;    // "dd.mm.yyyy"
    QString lastSaveDate;   // "dd.mm.yyyy", or "Brak" before the first save
    std::uint8_t periodCount = 1;
    std::uint8_t confirmDeletes = 1;
    QString password;       // empty: no password
    std::array<QString, GroupCount + 1> groupNames;     // [1..30]; [0] unused
    std::array<PeriodInfo, MaxPeriods + 1> periods;     // [1..100]; [0] unused

    // Cuts every text to its field's width and repertoire.
    void fitTexts();
    bool operator==(const DatabaseHeader &) const = default;
};

struct RecurringIncome
{
    bool active = false;
    QString day;            // day of the month as typed, up to 2 characters
    Real48 amount;
    QString description;
    bool operator==(const RecurringIncome &) const = default;
};

struct RecurringExpense
{
    bool active = false;
    std::uint8_t group = 0; // 0-based index into the group set (0 = group 1)
    Real48 amount;
    QString description;
    bool operator==(const RecurringExpense &) const = default;
};

// The transfer record between the register commands and the entry dialogs.
struct EditBuffer
{
    QString editDate;
    double editAmount = 0.0;
    std::uint8_t editGroup = 0;
    QString editDescription;
};

// Fixed names, padded with blanks to 10 characters as the grids show them.
QString debtKindName(int kind);            // 1..DebtKindCount
QString bankOperationKindName(int kind);   // 1..BankOperationKindCount
extern const QString settledGroupName;     // "DOKONANE  "

// The group set of a new database: names 1-15 padded with blanks to 10 characters, 16-30 as
// they stand ("INNE1" .. "INNE15").
std::array<QString, GroupCount + 1> defaultGroupNames();
void SetDefaultGroups(DatabaseHeader &header);

// One item of the shopping list, held byte for byte as its side file stores it (unscrambled):
// bytes 0-40 the text, string[40] in cp1250; bytes 41-79 reserved, kept as read.
struct ShoppingItem
{
    static constexpr int size = 80;
    static constexpr int textWidth = 40;

    std::array<std::uint8_t, size> bytes{};

    QString text() const;
    // Stores the fitted text and zeroes the character positions behind it; the reserved bytes
    // stay as they are.
    void setText(const QString &text);
    bool isEmpty() const { return bytes[0] == 0; }
    bool operator==(const ShoppingItem &) const = default;
};
constexpr int ShoppingItemCount = 100;

// One note, held byte for byte as its side file stores it (unscrambled): bytes 0-255 the text,
// string[255] in cp1250 with line breaks as CR LF; bytes 256-266 the term "dd-mm-yyyy",
// string[10]; bytes 267-277 reserved, kept as read.
struct Note
{
    static constexpr int size = 278;
    static constexpr int textWidth = 255;
    static constexpr int termOffset = 256;
    static constexpr int termWidth = 10;

    std::array<std::uint8_t, size> bytes{};

    QString text() const;
    void setText(const QString &text);
    QString term() const;
    void setTerm(const QString &term);
    // Blank after trimming.
    bool isEmpty() const { return text().trimmed().isEmpty(); }
    // Empties text and term; the reserved bytes stay as they are.
    void clear();
    bool operator==(const Note &) const = default;
};
constexpr int NoteCount = 30;

// The one open database: its record, the registers and recurring items of the current period,
// and the run-time state through which the commands cooperate.
class Database
{
public:
    DatabaseHeader header;
    std::array<Register, RegisterCount> registers;
    std::array<RecurringIncome, RecurringRows> recurringIncomes;
    std::array<RecurringExpense, RecurringRows> recurringExpenses;

    // Run-time state, never saved.
    bool databaseLoaded = false;
    int currentPeriod = 1;          // 1..periodCount
    int selectedPeriod = 1;         // the period chosen in the options window
    bool modified = false;
    bool saveWithoutAsking = false;
    std::uint8_t pendingAction = PendingAction::none;
    QString databaseDir;            // folder with its trailing separator
    QString databaseName;           // base name
    QString databaseExt;            // the last four characters of the path, e.g. ".tf4"
    bool oldFormatPending = false;
    EditBuffer edit;
    // What the "Bilans" and "Prognoza" pages compute. The charts' group windows store their span
    // in the balance's span too, so the dated balance then shows that span.
    ReportMode balanceMode;
    ReportMode forecastMode;

    // The database's shopping list and notes (item n and note n at index n - 1). They belong to
    // the database, not to a period, and are written with every period save.
    std::array<ShoppingItem, ShoppingItemCount> shoppingItems{};
    std::array<Note, NoteCount> notes{};
    // A side file that exists but could not be read whole is kept as it is on disk: it is not
    // written while this database is open.
    bool shoppingListKept = false;
    bool notesKept = false;
    // What the database remembers it imported from bank statements ("<name>.tfi"), and what the
    // imports since the last save added: written with the next save, in the same step as the
    // period file, so that an import whose period is not saved is not remembered either.
    QSet<QString> importedRows;
    // Each row imported since the last save with the bank-account entry it became: a row whose
    // entry is no longer there (undone, deleted) is not remembered.
    QHash<QString, Entry> importedSinceSave;
    bool importedRowsKept = false; // the file could not be read: it is not written over
    // How bank statement rows are booked ("<name>.tfu"): texts of the other side or the title
    // that give a spending group ("BIEDRONKA" → the food group), and whether card payments and
    // transfers also go into "Rozchód" and "Przychód". Written with the next save once changed.
    struct ImportRule
    {
        QString text;
        int group = 1;
        bool operator==(const ImportRule &) const = default;
    };
    QList<ImportRule> importRules;
    // The columns the user chose for CSV files no preset knows, by their column line: the date,
    // the amount, debit, credit, the other side and the title (-1: none).
    QHash<QString, QVector<int>> importColumnMaps;
    bool importAlsoIntoRegisters = false;
    bool importRulesChanged = false;
    bool importRulesKept = false;

    Register &reg(RegisterKind kind) { return registers[static_cast<int>(kind)]; }
    const Register &reg(RegisterKind kind) const { return registers[static_cast<int>(kind)]; }

    int expenseCount() const { return reg(RegisterKind::expenses).count(); }
    int incomeCount() const { return reg(RegisterKind::incomes).count(); }
    int debtCount() const { return reg(RegisterKind::debts).count(); }
    int plannedCount() const { return reg(RegisterKind::planned).count(); }
    int bankCount() const { return reg(RegisterKind::bankAccount).count(); }

    // Name of group 1..31 (31 is the settled marker); empty for any other number.
    QString groupName(int group) const;

    // The text a grid shows in the group column of `kind` for a group number.
    QString groupColumnText(RegisterKind kind, int group) const;

    const PeriodInfo &currentPeriodInfo() const { return header.periods[currentPeriod]; }

    // Empties the five registers and both recurring tables.
    void clearPeriodData();

    // Sets every byte of the shopping list and the notes to zero, as at program start.
    void clearSideData();
};

} // namespace trelfin
