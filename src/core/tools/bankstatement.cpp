#include "core/tools/bankstatement.h"

#include "core/store/cp1250.h"
#include "core/store/helpers.h"

#include <QDate>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QXmlStreamReader>

#include <algorithm>
#include <functional>

namespace trelfin {

namespace {

const QString kUnknownFormat = QStringLiteral("Nie rozpoznano formatu wyciągu bankowego");

// ---- Text ------------------------------------------------------------------------------------

// The text of a statement's bytes, and whether its lines came in two encodings.
struct DecodedText
{
    QString text;
    bool mixed = false;
};

std::optional<QString> validUtf8(QByteArrayView bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (utf8.hasError())
        return std::nullopt;
    return text;
}

DecodedText decodeStatementText(QByteArray bytes)
{
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes.remove(0, 3);
    const auto isHigh = [](char c) { return static_cast<unsigned char>(c) >= 0x80; };
    if (!std::any_of(bytes.cbegin(), bytes.cend(), isHigh))
        return {QString::fromLatin1(bytes)};
    if (std::optional<QString> text = validUtf8(bytes))
        return {*text};
    // Not UTF-8 as a whole: a line that is valid UTF-8 with letters above ASCII is read as UTF-8,
    // any other as code page 1250, so that a file put together from two sources reads right and
    // no letter is broken silently; the review says so.
    DecodedText decoded;
    decoded.text.reserve(bytes.size());
    qsizetype start = 0;
    while (start <= bytes.size()) {
        qsizetype end = bytes.indexOf('\n', start);
        if (end < 0)
            end = bytes.size();
        const QByteArrayView line = QByteArrayView(bytes).sliced(start, end - start);
        std::optional<QString> utf8;
        if (std::any_of(line.begin(), line.end(), isHigh) && (utf8 = validUtf8(line))) {
            decoded.text += *utf8;
            decoded.mixed = true;
        } else {
            decoded.text += fromCp1250(line.toByteArray());
        }
        if (end < bytes.size())
            decoded.text += u'\n';
        start = end + 1;
    }
    return decoded;
}

const QString kMixedEncodings = QStringLiteral("Część wierszy pliku jest zapisana w UTF-8, a część w Windows-1250; każdy "
                                               "odczytano w jego kodowaniu - sprawdź polskie litery w opisach");

// The lines of the text, line ends of any kind.
QStringList linesOf(const QString &text)
{
    QString t = text;
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
    return t.split(u'\n');
}

// One line of CSV: fields separated by `separator`, each optionally in double quotes (a quote
// inside doubled).
QStringList csvCells(const QString &line, QChar separator)
{
    QStringList cells;
    QString cell;
    bool quoted = false;
    qsizetype start = 0; // where the plain run of characters not yet in `cell` begins
    const auto flush = [&](qsizetype end) {
        if (end > start)
            cell.append(QStringView(line).mid(start, end - start));
    };
    for (qsizetype i = 0; i < line.size(); ++i) {
        const QChar c = line.at(i);
        if (quoted) {
            if (c != u'"')
                continue;
            flush(i);
            if (i + 1 < line.size() && line.at(i + 1) == u'"') {
                cell += u'"';
                ++i;
            } else {
                quoted = false;
            }
            start = i + 1;
        } else if (c == u'"') {
            flush(i);
            quoted = true;
            start = i + 1;
        } else if (c == separator) {
            flush(i);
            cells.append(cell);
            cell.clear();
            start = i + 1;
        }
    }
    flush(line.size());
    cells.append(cell);
    return cells;
}

// A header cell as a name: without quotes, "#" and blanks around it.
QString headerName(QString cell)
{
    cell = cell.trimmed();
    if (cell.startsWith(u'#'))
        cell.remove(0, 1);
    return cell.trimmed();
}

QString squeezed(QString text)
{
    return std::move(text).simplified();
}

// ---- CSV presets ---------------------------------------------------------------------------

// Which columns of a CSV layout hold what, by their header names; the first name found counts.
struct CsvPreset
{
    QString format = {};
    QChar separator = {};
    QStringList recognisedBy = {}; // every one of these must be a column
    QStringList date = {};         // operation date, then booking date
    QStringList amount = {};       // a signed amount; empty: debit and credit
    QString debit = {}, credit = {};
    QStringList currency = {};
    QStringList counterparty = {};
    QStringList payee = {};        // the other side of money out, when it has a column of its own
    QStringList title = {};
    QStringList kind = {};
    QStringList reference = {};
    QString blockAmount = {};      // a pending block's own amount column
};

const QList<CsvPreset> &csvPresets()
{
    static const QList<CsvPreset> presets = {
        {.format = QStringLiteral("PKO BP"), .separator = u',',
         .recognisedBy = {QStringLiteral("Data operacji"), QStringLiteral("Data waluty"), QStringLiteral("Typ transakcji"), QStringLiteral("Kwota")},
         .date = {QStringLiteral("Data operacji"), QStringLiteral("Data waluty")}, .amount = {QStringLiteral("Kwota")},
         .currency = {QStringLiteral("Waluta")}, .kind = {QStringLiteral("Typ transakcji")}},
        {.format = QStringLiteral("mBank"), .separator = u';',
         .recognisedBy = {QStringLiteral("Data operacji"), QStringLiteral("Opis operacji"), QStringLiteral("Kwota")},
         .date = {QStringLiteral("Data operacji"), QStringLiteral("Data księgowania")}, .amount = {QStringLiteral("Kwota")},
         .counterparty = {QStringLiteral("Nadawca/Odbiorca")}, .title = {QStringLiteral("Tytuł")}, .kind = {QStringLiteral("Opis operacji")}},
        {.format = QStringLiteral("ING Bank Śląski"), .separator = u';',
         .recognisedBy = {QStringLiteral("Data transakcji"), QStringLiteral("Dane kontrahenta"), QStringLiteral("Kwota transakcji (waluta rachunku)")},
         .date = {QStringLiteral("Data transakcji"), QStringLiteral("Data księgowania")},
         .amount = {QStringLiteral("Kwota transakcji (waluta rachunku)")}, .currency = {QStringLiteral("Waluta")},
         .counterparty = {QStringLiteral("Dane kontrahenta")}, .title = {QStringLiteral("Tytuł")}, .kind = {QStringLiteral("Szczegóły")},
         .reference = {QStringLiteral("Nr transakcji")}, .blockAmount = QStringLiteral("Kwota blokady/zwolnienie blokady")},
        {.format = QStringLiteral("Bank Millennium"), .separator = u',',
         .recognisedBy = {QStringLiteral("Data transakcji"), QStringLiteral("Obciążenia"), QStringLiteral("Uznania")},
         .date = {QStringLiteral("Data transakcji"), QStringLiteral("Data rozliczenia")}, .debit = QStringLiteral("Obciążenia"),
         .credit = QStringLiteral("Uznania"), .currency = {QStringLiteral("Waluta")},
         .counterparty = {QStringLiteral("Odbiorca/Zleceniodawca"), QStringLiteral("Nazwa")}, .title = {QStringLiteral("Opis")},
         .kind = {QStringLiteral("Typ transakcji"), QStringLiteral("Rodzaj transakcji")}},
        {.format = QStringLiteral("Pekao SA"), .separator = u';',
         .recognisedBy = {QStringLiteral("Data księgowania"), QStringLiteral("Nadawca / Odbiorca"), QStringLiteral("Kwota operacji")},
         .date = {QStringLiteral("Data księgowania"), QStringLiteral("Data waluty")}, .amount = {QStringLiteral("Kwota operacji")},
         .currency = {QStringLiteral("Waluta")}, .counterparty = {QStringLiteral("Nadawca / Odbiorca")}, .title = {QStringLiteral("Tytułem")},
         .kind = {QStringLiteral("Typ operacji")}, .reference = {QStringLiteral("Numer referencyjny")}},
        // Alior Bank: a line of search criteria above the column line; the sender and the
        // receiver have columns of their own; the amount in the account's currency counts.
        {.format = QStringLiteral("Alior Bank"), .separator = u';',
         .recognisedBy = {QStringLiteral("Data transakcji"), QStringLiteral("Nazwa nadawcy"), QStringLiteral("Nazwa odbiorcy")},
         .date = {QStringLiteral("Data transakcji"), QStringLiteral("Data księgowania")},
         .amount = {QStringLiteral("Kwota w walucie rachunku"), QStringLiteral("Kwota operacji"), QStringLiteral("Kwota")},
         .currency = {QStringLiteral("Waluta rachunku"), QStringLiteral("Waluta operacji"), QStringLiteral("Waluta")},
         .counterparty = {QStringLiteral("Nazwa nadawcy")}, .payee = {QStringLiteral("Nazwa odbiorcy")},
         .title = {QStringLiteral("Szczegóły transakcji"), QStringLiteral("Tytuł")}},
    };
    return presets;
}

int columnOf(const QStringList &header, const QStringList &names)
{
    for (const QString &name : names) {
        const qsizetype i = header.indexOf(name);
        if (i >= 0)
            return int(i);
    }
    return -1;
}

QString cellAt(const QStringList &cells, int column)
{
    return column >= 0 && column < cells.size() ? cells.at(column).trimmed() : QString();
}

// The "label: value" cells after PKO BP's named columns: the title, the other side's name and,
// for a card payment, the place.
void readPkoDetails(const QStringList &cells, int from, StatementRow &row)
{
    QString place;
    for (int i = std::max(from, 0); i < cells.size(); ++i) {
        const QString cell = cells.at(i).trimmed();
        const auto valueAfter = [&cell](const QString &label) { return squeezed(cell.mid(label.size())); };
        if (cell.startsWith(QStringLiteral("Tytuł:")))
            row.title = valueAfter(QStringLiteral("Tytuł:"));
        else if (cell.startsWith(QStringLiteral("Nazwa nadawcy:")))
            row.counterparty = valueAfter(QStringLiteral("Nazwa nadawcy:"));
        else if (cell.startsWith(QStringLiteral("Nazwa odbiorcy:")))
            row.counterparty = valueAfter(QStringLiteral("Nazwa odbiorcy:"));
        else if (cell.startsWith(QStringLiteral("Lokalizacja:"))) {
            static const QRegularExpression address(QStringLiteral("Adres:\\s*(.*?)\\s*(Miasto:|Kraj:|$)"));
            const auto m = address.match(cell);
            place = m.hasMatch() ? squeezed(m.captured(1)) : valueAfter(QStringLiteral("Lokalizacja:"));
        }
    }
    if (row.counterparty.isEmpty())
        row.counterparty = place;
}

// Which column of a CSV file holds what (-1: none), however it was found: by a preset's names,
// by the shape of the rows, or as the user mapped it.
struct CsvColumns
{
    QChar separator;
    int date = -1, booking = -1;
    int amount = -1, debit = -1, credit = -1;
    int currency = -1;
    int counterparty = -1;
    int payee = -1; // the other side of money out, where the file has its own column for it
    int title = -1, kind = -1, reference = -1;
    int block = -1;
    int pkoDetails = -1; // PKO BP: where the "label: value" cells begin
};

// The rows of a CSV file from line `first` on. Blank lines and the bank's own "#" lines are no
// rows; a line whose date or amount cannot be read is listed as skipped, unless it comes before
// the first row and `quietBeforeFirst` (a summary line above rows without a column line).
void readCsvRows(const QStringList &lines, qsizetype first, const CsvColumns &c, BankStatement &statement,
                 bool quietBeforeFirst = false)
{
    for (qsizetype l = first; l < lines.size(); ++l) {
        const QString &line = lines.at(l);
        const QStringList cells = csvCells(line, c.separator);
        const auto startsWithHash = [](const QString &cell) {
            for (const QChar ch : cell) {
                if (!ch.isSpace())
                    return ch == u'#';
            }
            return false;
        };
        if (QStringView(line).trimmed().isEmpty() || std::any_of(cells.begin(), cells.end(), startsWithHash))
            continue;
        StatementRow row;
        row.line = int(l + 1);
        const QString operationDate = cellAt(cells, c.date);
        const QString bookingDate = cellAt(cells, c.booking);
        std::optional<double> value;
        if (c.amount >= 0) {
            value = cellAt(cells, c.amount).isEmpty() ? std::nullopt : ReadBankAmount(cellAt(cells, c.amount));
        } else {
            const auto out = ReadBankAmount(cellAt(cells, c.debit));
            const auto in = ReadBankAmount(cellAt(cells, c.credit));
            if (out && *out != 0)
                value = -std::abs(*out);
            else if (in)
                value = std::abs(*in);
        }
        row.kind = squeezed(cellAt(cells, c.kind));
        row.counterparty = squeezed(cellAt(cells, value && *value < 0 && c.payee >= 0 ? c.payee : c.counterparty));
        row.title = squeezed(cellAt(cells, c.title));
        row.reference = squeezed(cellAt(cells, c.reference));
        const QString currencyText = cellAt(cells, c.currency);
        row.currency = currencyText.isEmpty() ? QStringLiteral("PLN") : currencyText;
        if (c.pkoDetails >= 0)
            readPkoDetails(cells, c.pkoDetails, row);
        // A pending block: named so, or with only the block's own amount.
        const auto blockValue = c.block >= 0 ? ReadBankAmount(cellAt(cells, c.block)) : std::nullopt;
        row.pending = row.kind.contains(QStringLiteral("Blokada"), Qt::CaseInsensitive)
            || row.kind.contains(QStringLiteral("W rozliczeniu"), Qt::CaseInsensitive)
            || (!value && blockValue && *blockValue != 0);
        if (!value && row.pending)
            value = blockValue;
        const auto day = ReadBankDate(operationDate.isEmpty() ? bookingDate : operationDate);
        if (!day || !value) {
            if (quietBeforeFirst && statement.rows.isEmpty() && statement.skipped.isEmpty())
                continue;
            statement.skipped.append(QStringLiteral("wiersz %1: %2").arg(l + 1).arg(
                !day ? QStringLiteral("nie można odczytać daty") : QStringLiteral("nie można odczytać kwoty")));
            continue;
        }
        row.date = *day;
        row.amount = *value;
        statement.rows.append(row);
    }
}

// mBank's header block: the period, the account and the balances, each on the line after its
// label; the closing balance in a footer line, in the cell after its label.
void readMbankSummary(const QStringList &lines, qsizetype header, BankStatement &statement)
{
    for (qsizetype i = 0; i + 1 < header; ++i) {
        const QString label = lines.at(i).trimmed();
        const QStringList next = csvCells(lines.at(i + 1), u';');
        if (label.startsWith(QStringLiteral("#Za okres:")) && next.size() >= 2) {
            statement.from = ReadBankDate(next.at(0)).value_or(QString());
            statement.to = ReadBankDate(next.at(1)).value_or(QString());
        } else if (label.startsWith(QStringLiteral("#Numer rachunku"))) {
            statement.account = squeezed(next.value(0));
        } else if (label.startsWith(QStringLiteral("#Saldo początkowe"))) {
            statement.opening = ReadBankAmount(next.value(0));
        }
    }
    for (qsizetype i = header + 1; i < lines.size(); ++i) {
        if (!lines.at(i).contains(QStringLiteral("#Saldo końcowe")))
            continue;
        const QStringList cells = csvCells(lines.at(i), u';');
        const qsizetype at = cells.indexOf(QStringLiteral("#Saldo końcowe"));
        if (at >= 0)
            statement.closing = ReadBankAmount(cells.value(at + 1));
    }
}

std::optional<BankStatement> readCsv(const QStringList &lines)
{
    // The column line comes within the first lines (ING has about 20 of account information).
    const qsizetype headerSearch = std::min<qsizetype>(lines.size(), 60);
    for (const CsvPreset &preset : csvPresets()) {
        for (qsizetype h = 0; h < headerSearch; ++h) {
            if (!lines.at(h).contains(preset.recognisedBy.first()))
                continue;
            QStringList header = csvCells(lines.at(h), preset.separator);
            for (QString &cell : header)
                cell = headerName(cell);
            if (!std::all_of(preset.recognisedBy.begin(), preset.recognisedBy.end(),
                             [&header](const QString &name) { return header.contains(name); }))
                continue;
            BankStatement statement;
            statement.format = preset.format;
            if (preset.format == QStringLiteral("mBank"))
                readMbankSummary(lines, h, statement);
            CsvColumns c;
            c.separator = preset.separator;
            c.date = columnOf(header, preset.date);
            c.booking = preset.date.size() > 1 ? columnOf(header, preset.date.mid(1)) : -1;
            c.amount = columnOf(header, preset.amount);
            c.debit = int(header.indexOf(preset.debit));
            c.credit = int(header.indexOf(preset.credit));
            c.currency = columnOf(header, preset.currency);
            c.counterparty = columnOf(header, preset.counterparty);
            c.payee = columnOf(header, preset.payee);
            c.title = columnOf(header, preset.title);
            c.kind = columnOf(header, preset.kind);
            c.reference = columnOf(header, preset.reference);
            c.block = preset.blockAmount.isEmpty() ? -1 : int(header.indexOf(preset.blockAmount));
            if (preset.format == QStringLiteral("PKO BP"))
                c.pkoDetails = std::max(int(header.indexOf(QStringLiteral("Opis transakcji"))), 0);
            readCsvRows(lines, h + 1, c, statement);
            return statement;
        }
    }
    return std::nullopt;
}

// Santander Bank Polska gives no column line: comma-separated rows of (a number), the date
// "DD-MM-YYYY", the title, the other side, its account, the amount and the balance, with a
// summary line of the account above them. Recognised when such a row comes within the first
// lines.
std::optional<BankStatement> readSantander(const QStringList &lines)
{
    static const QRegularExpression dashDate(QStringLiteral("^\\d{2}-\\d{2}-\\d{4}$"));
    const qsizetype search = std::min<qsizetype>(lines.size(), 60);
    for (qsizetype l = 0; l < search; ++l) {
        if (!lines.at(l).contains(u','))
            continue;
        const QStringList cells = csvCells(lines.at(l), u',');
        if (cells.size() < 7 || !dashDate.match(cells.at(1).trimmed()).hasMatch() || !ReadBankDate(cells.at(1))
            || !ReadBankAmount(cells.at(5)) || !ReadBankAmount(cells.at(6)))
            continue;
        BankStatement statement;
        statement.format = QStringLiteral("Santander Bank Polska");
        CsvColumns c;
        c.separator = u',';
        c.date = 1;
        c.title = 2;
        c.counterparty = 3;
        c.amount = 5;
        readCsvRows(lines, 0, c, statement, true);
        return statement;
    }
    return std::nullopt;
}

// ---- MT940 -----------------------------------------------------------------------------------

// "YYMMDD" as "dd-mm-yyyy" (years 00..79 are 2000..2079).
std::optional<QString> mt940Date(const QString &text)
{
    if (text.size() < 6)
        return std::nullopt;
    bool ok = false;
    const int yy = text.left(2).toInt(&ok);
    if (!ok)
        return std::nullopt;
    const QDate date(yy < 80 ? 2000 + yy : 1900 + yy, text.mid(2, 2).toInt(), text.mid(4, 2).toInt());
    if (!date.isValid())
        return std::nullopt;
    return FormatDashDate(date);
}

// A balance line ":60F:C261001PLN1234,56".
std::optional<double> mt940Balance(const QString &value)
{
    static const QRegularExpression form(QStringLiteral("^([CD])(\\d{6})([A-Z]{3})([0-9,]+)$"));
    const auto m = form.match(value.trimmed());
    if (!m.hasMatch())
        return std::nullopt;
    const auto amount = ReadBankAmount(m.captured(4));
    if (!amount)
        return std::nullopt;
    return m.captured(1) == u'D' ? -*amount : *amount;
}

// The ":86:" details: with subfields (separator "~", "^" or "<" and a two-digit code) the kind,
// the title and the other side; without them the whole text is the title.
void readMt940Details(const QString &details, StatementRow &row)
{
    QChar separator;
    for (const QChar candidate : {QChar(u'~'), QChar(u'^'), QChar(u'<')}) {
        if (QRegularExpression(QStringLiteral("\\%1\\d\\d").arg(candidate)).match(details).hasMatch()) {
            separator = candidate;
            break;
        }
    }
    if (separator.isNull()) {
        row.title = squeezed(details);
        return;
    }
    QString title, name;
    const QStringList parts = details.split(separator);
    for (qsizetype i = 1; i < parts.size(); ++i) {
        const QString &part = parts.at(i);
        bool ok = false;
        const int code = part.left(2).toInt(&ok);
        if (!ok)
            continue;
        const QString value = part.mid(2);
        if (code == 0)
            row.kind = squeezed(value);
        else if (code >= 20 && code <= 25)
            title += value;
        else if ((code >= 27 && code <= 29) || code == 32 || code == 33)
            name += value;
    }
    row.title = squeezed(title);
    row.counterparty = squeezed(name);
    // The transaction type code before the first separator, when no "00" subfield names a kind.
    if (row.kind.isEmpty())
        row.kind = squeezed(parts.first());
}

std::optional<BankStatement> readMt940(const QStringList &lines)
{
    // Each tag with its continuation lines, and the line it starts on.
    struct Tag
    {
        QString name, value;
        int line;
    };
    QList<Tag> tags;
    static const QRegularExpression tagLine(QStringLiteral("^:(\\d\\d[A-Z]?):(.*)$"));
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString &line = lines.at(i);
        const auto m = tagLine.match(line);
        if (m.hasMatch())
            tags.append({m.captured(1), m.captured(2), int(i + 1)});
        else if (!tags.isEmpty() && !line.startsWith(u'-') && !line.trimmed().isEmpty())
            tags.last().value += (tags.last().name == QStringLiteral("86") ? QString() : QStringLiteral("\n")) + line;
    }
    const auto has = [&tags](const char *name) {
        return std::any_of(tags.begin(), tags.end(), [name](const Tag &t) { return t.name == QLatin1String(name); });
    };
    if (!has("20") || !has("61"))
        return std::nullopt;
    BankStatement statement;
    statement.format = QStringLiteral("MT940");
    static const QRegularExpression entry(QStringLiteral("^(\\d{6})(\\d{4})?(R?[CD])([A-Z])?([0-9,]+)(N?[A-Z0-9]{3})?(.*)$"));
    for (qsizetype t = 0; t < tags.size(); ++t) {
        const Tag &tag = tags.at(t);
        if (tag.name == QStringLiteral("25")) {
            statement.account = tag.value.trimmed();
        } else if (tag.name == QStringLiteral("60F") || tag.name == QStringLiteral("60M")) {
            if (!statement.opening)
                statement.opening = mt940Balance(tag.value);
            statement.from = mt940Date(tag.value.mid(1, 6)).value_or(statement.from);
        } else if (tag.name == QStringLiteral("62F") || tag.name == QStringLiteral("62M")) {
            statement.closing = mt940Balance(tag.value);
            statement.to = mt940Date(tag.value.mid(1, 6)).value_or(statement.to);
        } else if (tag.name == QStringLiteral("61")) {
            const QString first = tag.value.section(u'\n', 0, 0).trimmed();
            const auto m = entry.match(first);
            const auto day = m.hasMatch() ? mt940Date(m.captured(1)) : std::nullopt;
            const auto amount = m.hasMatch() ? ReadBankAmount(m.captured(5)) : std::nullopt;
            if (!day || !amount) {
                statement.skipped.append(QStringLiteral("wiersz %1: nie można odczytać linii :61:").arg(tag.line));
                continue;
            }
            StatementRow row;
            row.line = tag.line;
            row.date = *day;
            const QString mark = m.captured(3);
            // A debit and a reversed credit take money out; a credit and a reversed debit bring it in.
            row.amount = mark == QStringLiteral("D") || mark == QStringLiteral("RC") ? -*amount : *amount;
            row.currency = QStringLiteral("PLN");
            row.kind = m.captured(6);
            const QString refs = m.captured(7);
            const qsizetype bank = refs.indexOf(QStringLiteral("//"));
            row.reference = squeezed(bank >= 0 ? refs.mid(bank + 2) : QString());
            if (t + 1 < tags.size() && tags.at(t + 1).name == QStringLiteral("86"))
                readMt940Details(tags.at(t + 1).value, row);
            statement.rows.append(row);
        }
    }
    return statement;
}

// ---- camt.053 --------------------------------------------------------------------------------

std::optional<BankStatement> readCamt(const QString &text)
{
    if (!text.contains(QStringLiteral("BkToCstmrStmt")))
        return std::nullopt;
    BankStatement statement;
    statement.format = QStringLiteral("camt.053");
    QXmlStreamReader xml(text);
    QStringList path;
    StatementRow row;
    QString creditDebit, status, balanceType, balanceSign, debtor, creditor;
    std::optional<double> balanceAmount;
    const auto under = [&path](std::initializer_list<const char *> names) {
        // Whether the element's path ends with `names`.
        if (path.size() < qsizetype(names.size()))
            return false;
        qsizetype i = path.size() - qsizetype(names.size());
        for (const char *name : names) {
            if (path.at(i++) != QLatin1String(name))
                return false;
        }
        return true;
    };
    while (!xml.atEnd()) {
        const auto token = xml.readNext();
        if (token == QXmlStreamReader::StartElement) {
            path.append(xml.name().toString());
            if (path.last() == QStringLiteral("Ntry")) {
                row = StatementRow();
                row.line = int(xml.lineNumber());
                creditDebit.clear();
                status.clear();
                debtor.clear();
                creditor.clear();
            } else if (path.last() == QStringLiteral("Bal")) {
                balanceType.clear();
                balanceSign.clear();
                balanceAmount.reset();
            } else if (path.last() == QStringLiteral("Amt") && path.contains(QStringLiteral("Ntry"))
                       && path.at(path.size() - 2) == QStringLiteral("Ntry")) {
                row.currency = xml.attributes().value(QStringLiteral("Ccy")).toString();
            }
            continue;
        }
        if (token == QXmlStreamReader::Characters && !xml.isWhitespace() && !path.isEmpty()) {
            const QString value = xml.text().toString().trimmed();
            const bool inEntry = path.contains(QStringLiteral("Ntry"));
            if (under({"Stmt", "Acct", "Id", "IBAN"}))
                statement.account = value;
            else if (!inEntry && under({"Bal", "Tp", "CdOrPrtry", "Cd"}))
                balanceType = value;
            else if (!inEntry && under({"Bal", "Amt"}))
                balanceAmount = ReadBankAmount(value);
            else if (!inEntry && under({"Bal", "CdtDbtInd"}))
                balanceSign = value;
            else if (inEntry && under({"Ntry", "Amt"}))
                row.amount = ReadBankAmount(value).value_or(0);
            else if (inEntry && under({"Ntry", "CdtDbtInd"}))
                creditDebit = value;
            else if (inEntry && (under({"Ntry", "Sts"}) || under({"Ntry", "Sts", "Cd"})))
                status = value;
            else if (inEntry && (under({"Ntry", "BookgDt", "Dt"}) || under({"Ntry", "BookgDt", "DtTm"})))
                row.date = ReadBankDate(value.left(10)).value_or(row.date);
            else if (inEntry && row.date.isEmpty() && under({"Ntry", "ValDt", "Dt"}))
                row.date = ReadBankDate(value.left(10)).value_or(QString());
            else if (inEntry && under({"Ntry", "AcctSvcrRef"}))
                row.reference = value;
            else if (inEntry && under({"RmtInf", "Ustrd"}))
                row.title = squeezed(row.title + u' ' + value);
            else if (inEntry && (under({"Dbtr", "Nm"}) || under({"Dbtr", "Pty", "Nm"})))
                debtor = value;
            else if (inEntry && (under({"Cdtr", "Nm"}) || under({"Cdtr", "Pty", "Nm"})))
                creditor = value;
            else if (inEntry && under({"Ntry", "AddtlNtryInf"}))
                row.kind = squeezed(value);
            continue;
        }
        if (token == QXmlStreamReader::EndElement) {
            const QString name = path.isEmpty() ? QString() : path.takeLast();
            if (name == QStringLiteral("Ntry")) {
                if (creditDebit == QStringLiteral("DBIT"))
                    row.amount = -std::abs(row.amount);
                row.counterparty = creditDebit == QStringLiteral("DBIT") ? creditor : debtor;
                row.pending = status == QStringLiteral("PDNG");
                if (row.currency.isEmpty())
                    row.currency = QStringLiteral("PLN");
                if (row.date.isEmpty())
                    statement.skipped.append(QStringLiteral("wiersz %1: nie można odczytać daty").arg(row.line));
                else
                    statement.rows.append(row);
            } else if (name == QStringLiteral("Bal") && balanceAmount) {
                const double signedAmount = balanceSign == QStringLiteral("DBIT") ? -*balanceAmount : *balanceAmount;
                if (balanceType == QStringLiteral("OPBD"))
                    statement.opening = signedAmount;
                else if (balanceType == QStringLiteral("CLBD"))
                    statement.closing = signedAmount;
            }
        }
    }
    if (xml.hasError())
        return std::nullopt;
    return statement;
}

} // namespace

QStringList KnownStatementFormats()
{
    QStringList formats;
    for (const CsvPreset &preset : csvPresets())
        formats.append(preset.format);
    return formats << QStringLiteral("Santander Bank Polska") << QStringLiteral("MT940") << QStringLiteral("camt.053");
}

std::optional<double> ReadBankAmount(const QString &typed)
{
    QString text = typed;
    text.replace(QChar(0x00A0), u' ').replace(QChar(0x202F), u' ');
    text = text.trimmed();
    // A currency after the number ("PLN", "zł", "EUR").
    qsizetype letters = 0;
    while (letters < text.size() && letters < 4 && text.at(text.size() - 1 - letters).isLetter())
        ++letters;
    if (letters >= 2 && letters <= 3)
        text = text.left(text.size() - letters).trimmed();
    bool negative = false;
    if (text.startsWith(u'-') || text.startsWith(QChar(0x2212))) {
        negative = true;
        text.remove(0, 1);
    } else if (text.startsWith(u'+')) {
        text.remove(0, 1);
    }
    text = text.trimmed();
    // Digits grouped by single blanks in threes ("1 234"), or not grouped at all, then at most
    // two decimals after a comma or a dot: read by hand, as it runs for every row.
    const qsizetype decimalMark = std::max(text.lastIndexOf(u','), text.lastIndexOf(u'.'));
    const qsizetype wholeEnd = decimalMark < 0 ? text.size() : decimalMark;
    const qsizetype decimals = decimalMark < 0 ? 0 : text.size() - decimalMark - 1;
    if (wholeEnd == 0 || (decimalMark >= 0 && (decimals < 1 || decimals > 2)))
        return std::nullopt;
    const auto isDigit = [](QChar ch) { return ch >= u'0' && ch <= u'9'; };
    qint64 whole = 0;
    int digitsInGroup = 0;
    bool grouped = false;
    for (qsizetype i = 0; i < wholeEnd; ++i) {
        const QChar ch = text.at(i);
        if (isDigit(ch)) {
            if (++digitsInGroup > 3 && grouped)
                return std::nullopt;
            if (whole > 99'999'999'999'999LL)
                return std::nullopt;
            whole = whole * 10 + (ch.unicode() - u'0');
        } else if (ch == u' ' && digitsInGroup > 0 && (grouped ? digitsInGroup == 3 : digitsInGroup <= 3)) {
            grouped = true;
            digitsInGroup = 0;
        } else {
            return std::nullopt;
        }
    }
    if (grouped && digitsInGroup != 3)
        return std::nullopt;
    int fraction = 0;
    for (qsizetype i = decimalMark + 1; decimalMark >= 0 && i < text.size(); ++i) {
        if (!isDigit(text.at(i)))
            return std::nullopt;
        fraction = fraction * 10 + (text.at(i).unicode() - u'0');
    }
    if (decimals == 1)
        fraction *= 10;
    // Grosze over 100: the nearest double to the decimal, as reading the text would give.
    const double value = double(whole * 100 + fraction) / 100.0;
    return negative ? -value : value;
}

std::optional<QString> ReadBankDate(const QString &typed)
{
    // "yyyy-mm-dd" or "dd-mm-yyyy" with "-", "." or "/": read by hand, as it runs for every row.
    const QString text = typed.trimmed();
    if (text.size() != 10)
        return std::nullopt;
    const auto digits = [&text](int from, int count) {
        int value = 0;
        for (int i = from; i < from + count; ++i) {
            const QChar c = text.at(i);
            if (!c.isDigit() || c.unicode() > u'9')
                return -1;
            value = value * 10 + (c.unicode() - u'0');
        }
        return value;
    };
    const auto separator = [&text](int at, bool dashOnly) {
        const QChar c = text.at(at);
        return c == u'-' || (!dashOnly && (c == u'.' || c == u'/'));
    };
    int year = -1, month = -1, day = -1;
    if (separator(4, true) && separator(7, true)) {
        year = digits(0, 4), month = digits(5, 2), day = digits(8, 2);
    } else if (separator(2, false) && separator(5, false) && text.at(2) == text.at(5)) {
        year = digits(6, 4), month = digits(3, 2), day = digits(0, 2);
    }
    // A character that is no digit gives -1, which must not pass as a year before Christ.
    const QDate date = year >= 1 && month >= 1 && day >= 1 ? QDate(year, month, day) : QDate();
    if (!date.isValid())
        return std::nullopt;
    return FormatDashDate(date);
}

QString CsvHeader::key() const
{
    QStringList parts = names;
    for (QString &part : parts)
        part.replace(u'\t', u' ').replace(u'\n', u' ').replace(u'\r', u' ').replace(u'|', u'/');
    return (separator == u'\t' ? QStringLiteral("TAB") : QString(separator)) + u'|' + parts.join(u'|');
}

bool CsvColumnMapping::usable(const CsvHeader &header) const
{
    const auto within = [&header](int column) { return column >= -1 && column < header.names.size(); };
    return date >= 0 && (amount >= 0 || debit >= 0 || credit >= 0) && within(date) && within(amount) && within(debit)
        && within(credit) && within(counterparty) && within(title);
}

QVector<int> CsvColumnMapping::numbers() const
{
    return {date, amount, debit, credit, counterparty, title};
}

CsvColumnMapping CsvColumnMapping::fromNumbers(const QVector<int> &n)
{
    if (n.size() != 6)
        return {};
    return {n[0], n[1], n[2], n[3], n[4], n[5]};
}

std::optional<CsvHeader> FindCsvHeader(const QByteArray &bytes)
{
    const QStringList lines = linesOf(decodeStatementText(bytes).text);
    const qsizetype search = std::min<qsizetype>(lines.size(), 60);
    std::optional<CsvHeader> best;
    for (const QChar separator : {u';', u',', u'\t'}) {
        for (qsizetype l = 0; l + 1 < lines.size() && l < search; ++l) {
            if (!lines.at(l).contains(separator))
                continue;
            QStringList names = csvCells(lines.at(l), separator);
            for (QString &name : names)
                name = headerName(name);
            const qsizetype named = std::count_if(names.begin(), names.end(), [](const QString &n) { return !n.isEmpty(); });
            if (named < 3 || std::any_of(names.begin(), names.end(), [](const QString &n) {
                    return ReadBankDate(n) || ReadBankAmount(n);
                }))
                continue;
            qsizetype next = l + 1;
            while (next < lines.size() && lines.at(next).trimmed().isEmpty())
                ++next;
            if (next >= lines.size())
                break;
            const QStringList cells = csvCells(lines.at(next), separator);
            const auto date = std::find_if(cells.begin(), cells.end(), [](const QString &c) { return ReadBankDate(c).has_value(); });
            const bool amount = std::any_of(cells.begin(), cells.end(), [](const QString &c) {
                return !ReadBankDate(c) && c.trimmed().size() > 0 && ReadBankAmount(c) && c.contains(QRegularExpression(QStringLiteral("[.,]\\d")));
            });
            if (date == cells.end() || !amount)
                continue;
            if (!best || names.size() > best->names.size()) {
                QStringList sample = cells;
                for (QString &cell : sample)
                    cell = squeezed(cell);
                best = CsvHeader{separator, int(l), names, sample};
            }
            break;
        }
    }
    return best;
}

CsvColumnMapping GuessCsvColumns(const CsvHeader &header)
{
    const auto find = [&header](std::initializer_list<QStringView> words, int other = -1) {
        for (int i = 0; i < header.names.size(); ++i) {
            const QString name = header.names.at(i).toLower();
            if (i != other && std::any_of(words.begin(), words.end(), [&name](QStringView w) { return name.contains(w); }))
                return i;
        }
        return -1;
    };
    CsvColumnMapping m;
    m.date = find({u"data", u"dzień", u"dzien", u"date"});
    m.amount = find({u"kwota", u"amount", u"wartość"});
    if (m.amount < 0) {
        m.debit = find({u"obciąż", u"wypływ", u"debet", u"wydatk"});
        m.credit = find({u"uznani", u"wpływ", u"przychod"}, m.debit);
    }
    m.counterparty = find({u"kontrahent", u"odbiorca", u"nadawca", u"nazwa", u"druga strona"});
    m.title = find({u"tytuł", u"tytul", u"opis", u"szczegóły"}, m.counterparty);
    return m;
}

std::optional<BankStatement> ReadMappedCsvStatement(const QByteArray &bytes, const CsvHeader &header,
                                                    const CsvColumnMapping &mapping, QString &problem)
{
    if (!mapping.usable(header)) {
        problem = QStringLiteral("Nie wskazano kolumny daty lub kwoty");
        return std::nullopt;
    }
    const DecodedText decoded = decodeStatementText(bytes);
    const QStringList lines = linesOf(decoded.text);
    BankStatement statement;
    statement.format = QStringLiteral("CSV");
    if (decoded.mixed)
        statement.notice = kMixedEncodings;
    CsvColumns c;
    c.separator = header.separator;
    c.date = mapping.date;
    c.amount = mapping.amount;
    c.debit = mapping.debit;
    c.credit = mapping.credit;
    c.counterparty = mapping.counterparty;
    c.title = mapping.title;
    readCsvRows(lines, header.line + 1, c, statement);
    return statement;
}

std::optional<BankStatement> ReadBankStatement(const QByteArray &bytes, QString &problem)
{
    const DecodedText decoded = decodeStatementText(bytes);
    std::optional<BankStatement> statement = readCamt(decoded.text);
    if (!statement) {
        const QStringList lines = linesOf(decoded.text);
        if (!(statement = readMt940(lines)) && !(statement = readCsv(lines)))
            statement = readSantander(lines);
    }
    if (statement) {
        if (decoded.mixed)
            statement->notice = kMixedEncodings;
        return statement;
    }
    problem = kUnknownFormat + QStringLiteral(" (sprawdzono: ") + KnownStatementFormats().join(QStringLiteral(", ")) + u')';
    return std::nullopt;
}

} // namespace trelfin
