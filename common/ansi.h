#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// Every file the programs read or write is Windows-1252; these convert at the file boundary.
// Characters outside Windows-1252 are written as "?".
QString ansiZuText(QByteArrayView bytes);
QByteArray textZuAnsi(QStringView text);
// The Windows-1252 byte of one character, or '?' when it has none.
char ansiByte(QChar zeichen);
// The character of one Windows-1252 byte.
QChar ansiZeichen(unsigned char byte);
// A text as a Windows-1252 file keeps it: every character outside Windows-1252 becomes one "?",
// a surrogate pair too; every other character stays.
QString ansiTauglich(QStringView text);
