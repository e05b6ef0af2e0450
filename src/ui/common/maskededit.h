#pragma once

#include "core/registers/registermessages.h"
#include "core/store/helpers.h"
#include "core/store/messagesink.h"

#include <QLineEdit>
#include <QList>
#include <QRegularExpressionValidator>
#include <QString>

namespace trelfin {

// Masks of the date fields: each "0" is a digit position that may stay blank.
inline const QString DayMask = QStringLiteral("00-00-0000; ");    // dd-mm-yyyy
inline const QString MonthMask = QStringLiteral("00-0000; ");     // mm-yyyy
inline const QString YearMask = QStringLiteral("0000; ");         // yyyy

// A field with an input mask whose blank positions read as blanks.
inline QLineEdit *createMaskedEdit(QWidget *parent, const QString &name, const QString &mask)
{
    auto *edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setInputMask(mask);
    return edit;
}

// The field's text with the mask's separators and a blank for every position not filled in
// ("  -  -    " when nothing was typed), as the date routines expect it.
inline QString maskedText(const QLineEdit *edit)
{
    return edit->displayText();
}

// An amount field: it takes the characters amounts are written with (digits, blanks, "." and
// ","), keeps every one typed, and leaves reading them to OK (acceptAmount), which refuses what
// is no amount instead of storing a shortened number.
inline QLineEdit *createAmountEdit(QWidget *parent, const QString &name)
{
    auto *edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9 .,\\x{00A0}\\x{202F}]*")), edit));
    return edit;
}

// Whether the field's amount can be read (ReadTypedAmount). If not, it is refused with
// "Wprowadzona kwota jest niepoprawna" and gets the focus, its text selected.
inline bool acceptAmount(QLineEdit *field, MessageSink &sink)
{
    if (ReadTypedAmount(field->text()))
        return true;
    showMessage(sink, amountUnreadableMessage());
    field->setFocus();
    field->selectAll();
    return false;
}

// Whether every date typed in full in `fields` is a day of the calendar. The first that is not
// is refused with "Wprowadzone daty są niepoprawne" and gets the focus, its text selected.
inline bool acceptDates(const QList<QLineEdit *> &fields, MessageSink &sink)
{
    for (QLineEdit *field : fields) {
        if (!IsImpossibleDate(maskedText(field)))
            continue;
        showMessage(sink, repeatDatesMessage());
        field->setFocus();
        field->selectAll();
        return false;
    }
    return true;
}

// The field's date as the buffers take it: an impossible date counts as no date (and so becomes
// today where a date is required).
inline QString dateOrBlank(const QLineEdit *field)
{
    const QString text = maskedText(field);
    return IsImpossibleDate(text) ? QString() : text;
}

// A password field: what is typed shows as "*".
inline QLineEdit *createPasswordEdit(QWidget *parent, const QString &name, int maxLength = 32767)
{
    auto *edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setEchoMode(QLineEdit::Password);
    edit->setStyleSheet(QStringLiteral("lineedit-password-character: 42")); // typed characters show as "*"
    edit->setMaxLength(maxLength);
    return edit;
}

} // namespace trelfin
