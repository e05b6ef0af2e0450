#pragma once

#include <QByteArray>
#include <QString>

namespace trelfin {

// Conversion between the program's texts and the single-byte Polish code page (Windows-1250)
// that every file of a database uses. The table is our own, so the result does not depend on
// which codecs the Qt build carries.
//
// Bytes 0x00-0x7F are ASCII. The five byte values the code page leaves undefined (0x81, 0x83,
// 0x88, 0x90, 0x98) are read as the C1 control character of the same value, so that every byte
// a file may hold reads back and writes out unchanged.

// The character a file byte stands for.
QChar cp1250ToChar(unsigned char byte);

// The byte for a character; a character the code page cannot express becomes '?'.
unsigned char charToCp1250(QChar ch);

QString fromCp1250(const QByteArray &bytes);

// One byte per character of `text`; a character outside the code page (a surrogate pair counts
// as one character) becomes '?'.
QByteArray toCp1250(const QString &text);

// The text as a field of `width` characters will hold it: limited to the code page's repertoire
// (anything else becomes '?') and cut to `width` characters. Every text that enters the data
// model goes through this.
QString fitText(const QString &text, int width);

} // namespace trelfin
