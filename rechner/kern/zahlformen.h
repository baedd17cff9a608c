#pragma once

#include <QString>
#include <optional>

// The number forms of every field and roll line: decimal comma, thousands point, digits taken
// from the first 18 significant digits and rounded half away from zero at the cut.

// Shortest general form: up to 15 significant digits, no grouping, exponent form outside the
// plain range (1E-5, 1E15).
QString Anzeigeform(double wert);
// Grouped number form: 8 significant digits, `kommastellen` fixed decimals, thousands points.
QString Gruppiert(double wert, int kommastellen);
// Currency form: the grouped form with " €", or its exponent fallback without the sign.
QString Waehrung(double wert, int kommastellen);
// Roll form: currency in euro mode (1), grouped otherwise.
QString Rollenform(double wert, int kommastellen, int rechnerModus);
// Fixed form of the time conversions: 10 significant digits, two decimals.
QString Festform(double wert);

// Parses a display text; throws "'%s' ist kein gültiger Gleitkommawert" or
// "Gleitkommaüberlauf".
double ParseAnzeige(const QString& text);
// Operand rule of the keys: the empty display counts as 0, anything else is parsed.
double AnzeigeOderNull(const QString& text);

// A 32-bit integer in the platform's syntax: leading blanks, optional sign, decimal digits or
// "$" and hexadecimal digits, nothing after them.
std::optional<qint32> Ganzzahl(QStringView text);
bool IstGanzzahl(const QString& text);
// Like Ganzzahl, raising "'%s' ist kein gültiger Integerwert".
qint32 StrToInt(const QString& text);
