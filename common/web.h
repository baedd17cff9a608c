#pragma once

#include <QString>

class Ablagedatei;

// Fetches one URL with a single read: at most 10001 bytes are kept, the text ends at the first
// NUL byte, the HTTP status is not looked at. Returns the empty text on any failure; never throws.
QString Open_Internet(const QString& url);

// Downloads a URL into a new file, which the caller then puts in place. True only when the whole
// file arrived: status 200, at least one byte and, when a length was announced, exactly that many
// bytes. A failure is logged with its cause; the caller drops the new file, so that nothing stays
// at the target.
bool herunterladen(const QString& url, Ablagedatei& datei);
