#pragma once

// Readable GoogleTest failure messages for the Qt texts, lists and bytes the tests compare.

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <ostream>

inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}
inline void PrintTo(const QStringList& liste, std::ostream* os) {
    *os << '[';
    for (const QString& zeile : liste)
        *os << '"' << zeile.toStdString() << "\" ";
    *os << ']';
}
inline void PrintTo(const QByteArray& bytes, std::ostream* os) {
    *os << '"' << bytes.toStdString() << '"';
}
