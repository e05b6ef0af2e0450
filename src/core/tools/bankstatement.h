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
};

// The formats the reader knows, in the order it tries them.
QStringList KnownStatementFormats();

// Reads a statement from the bytes of a bank's file. The format is recognised by the content,
// never the file name; the text is UTF-8 when it is valid UTF-8 with bytes above 0x7F (a
// byte-order mark is dropped), code page 1250 otherwise. Nothing, with the reason in `problem`
// ("Nie rozpoznano formatu wyciągu bankowego" and the formats tried), for a file that is no
// statement it knows.
std::optional<BankStatement> ReadBankStatement(const QByteArray &bytes, QString &problem);

// An amount as banks write it: a decimal comma or dot, blanks or non-breaking blanks between
// thousands, an optional sign in front and an optional currency after ("-1 234,56 PLN",
// "+2000.00", "38,17"). Nothing when it is none of these.
std::optional<double> ReadBankAmount(const QString &text);

// A date as banks write it ("2026-10-02", "02.10.2026", "02-10-2026", "02/10/2026") as
// "dd-mm-yyyy"; nothing when it is no day of the calendar.
std::optional<QString> ReadBankDate(const QString &text);

} // namespace trelfin
