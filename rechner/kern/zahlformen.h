#pragma once

#include <QString>
#include <optional>

// The number forms of every field and roll line: decimal comma, thousands point, digits taken
// from the first 18 significant digits and rounded half away from zero at the cut.

// Shortest general form: up to 15 significant digits, no grouping, exponent form outside the
// plain range (1E-5, 1E15).
QString anzeigeform(double wert);
// Grouped number form: 8 significant digits, `kommastellen` fixed decimals, thousands points.
QString gruppiert(double wert, int kommastellen);
// Currency form: the grouped form with " €", or its exponent fallback without the sign.
QString waehrung(double wert, int kommastellen);
// Roll form: currency in euro mode (1), grouped otherwise.
QString rollenform(double wert, int kommastellen, int rechnerModus);
// Fixed form of the time conversions: 10 significant digits, two decimals.
QString festform(double wert);

// Parses a display text; throws "'%s' ist kein gültiger Gleitkommawert" or
// "Gleitkommaüberlauf".
double anzeigewert(const QString& text);
// Operand rule of the keys: the empty display counts as 0, anything else is parsed.
double anzeigewertOderNull(const QString& text);

// A 32-bit integer in the platform's syntax: leading blanks, optional sign, decimal digits or
// "$" and hexadecimal digits, nothing after them.
std::optional<qint32> ganzzahl(QStringView text);
bool istGanzzahl(const QString& text);
// Like ganzzahl, raising "'%s' ist kein gültiger Integerwert".
qint32 ganzzahlWert(const QString& text);
