#pragma once

// The text rules of the window's memo fields, which hold Windows line breaks.

#include <QString>

// The text as a field holds it: every lone CR and every lone LF becomes CR LF.
QString Feldtext(const QString& text);
// The text without its first line; the removed line takes its line break with it.
QString OhneErsteZeile(const QString& text);
