#pragma once

#include <QLineEdit>
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
