#pragma once

// A long day's roll: value lines with an empty line after every third.

#include <QStringList>

constexpr qsizetype MillionZeilen = 1'000'000;

inline QStringList typischeZeilen(qsizetype anzahl) {
    QStringList zeilen;
    zeilen.reserve(anzahl);
    for (qsizetype i = 0; i < anzahl; ++i)
        zeilen.append(i % 4 == 3 ? QString() : QStringLiteral("+ %1,00 €  ").arg(i % 1000));
    return zeilen;
}
