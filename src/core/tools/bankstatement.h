#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVector>

#include <optional>

namespace trelfin {

// One row of a bank statement as the bank's file gives it.
struct StatementRow
{
    QString date;         // "dd-mm-yyyy": the operation date, else the booking date
    double amount = 0;    // signed: money in above 0, money out below
    QString currency;     // "PLN" unless the file says otherwise
    QString counterparty; // the other side's name
    QString title;        // the transfer title or the card payment's description
    QString kind;         // the bank's kind of operation, as it names it
    QString reference;    // the bank's own reference of the transaction, when the file has one
    int line = 0;         // the line of the file it came from (1-based)
    bool pending = false; // a card block or another operation not booked yet
    bool operator==(const StatementRow &) const = default;
};

// A bank statement read from a file: which format it was recognised as, the account and the
// statement's dates and balances when the file gives them, the rows, and the rows that could not
// be read ("wiersz N: reason"), left out.
struct BankStatement
{
    QString format; // "PKO BP", "mBank", "ING Bank Śląski", "Bank Millennium", "Pekao SA", "MT940", "camt.053"
    QString account;
    QString from, to; // "dd-mm-yyyy"
    std::optional<double> opening, closing;
    QVector<StatementRow> rows;
    QStringList skipped;
    QString notice; // what the user should check, such as lines in two encodings
};

// The formats the reader knows, in the order it tries them.
QStringList KnownStatementFormats();

// Reads a statement from the bytes of a bank's file. The format is recognised by the content,
// never the file name; the text is UTF-8 when it is valid UTF-8 with bytes above 0x7F (a
// byte-order mark is dropped), code page 1250 otherwise; in a file of both, each line is read in
// its own encoding and `notice` says so. Nothing, with the reason in `problem`
// ("Nie rozpoznano formatu wyciągu bankowego" and the formats tried), for a file that is no
// statement it knows.
std::optional<BankStatement> ReadBankStatement(const QByteArray &bytes, QString &problem);

// A CSV file that no preset knows: its column line, for the user to say which column holds what.
struct CsvHeader
{
    QChar separator;
    int line = -1;      // the column line, 0-based
    QStringList names;  // the column names, without quotes and "#"
    QStringList sample; // the cells of the first row below, to show beside the names
    // What the user's mapping is remembered by: the separator and the names.
    QString key() const;
};

// The columns the user chose for a CSV file (0-based; -1 for none). A date and an amount (signed,
// or in debit and credit columns) are needed; the other side and the title make the description.
struct CsvColumnMapping
{
    int date = -1;
    int amount = -1;
    int debit = -1, credit = -1;
    int counterparty = -1;
    int title = -1;
    bool usable(const CsvHeader &header) const;
    // The six numbers in that order, as the database keeps them; numbers that are not six give
    // the empty mapping.
    QVector<int> numbers() const;
    static CsvColumnMapping fromNumbers(const QVector<int> &numbers);
    bool operator==(const CsvColumnMapping &) const = default;
};

// The column line of a CSV file (";", "," or tab) within its first lines: a line of at least three
// names, no dates or amounts among them, followed by a row that has a date and an amount.
std::optional<CsvHeader> FindCsvHeader(const QByteArray &bytes);

// A first guess of the columns from their names ("Data ...", "Kwota", "Obciążenia" and "Uznania",
// "Kontrahent", "Tytuł" ...), for the user to check.
CsvColumnMapping GuessCsvColumns(const CsvHeader &header);

// The statement of a CSV file read with the user's mapping ("CSV"); nothing, with the reason in
// `problem`, when the mapping lacks a date or an amount.
std::optional<BankStatement> ReadMappedCsvStatement(const QByteArray &bytes, const CsvHeader &header,
                                                    const CsvColumnMapping &mapping, QString &problem);

// An amount as banks write it: a decimal comma or dot, blanks or non-breaking blanks between
// thousands, an optional sign in front and an optional currency after ("-1 234,56 PLN",
// "+2000.00", "38,17"). Nothing when it is none of these.
std::optional<double> ReadBankAmount(const QString &text);

// A date as banks write it ("2026-10-02", "02.10.2026", "02-10-2026", "02/10/2026") as
// "dd-mm-yyyy"; nothing when it is no day of the calendar.
std::optional<QString> ReadBankDate(const QString &text);

} // namespace trelfin
