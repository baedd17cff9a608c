#pragma once

#include <QString>

class Ablagedatei;

// The update server's base address, compiled in (no command line, no environment).
QString updateServer();
// Points updateServer() at another base address. Only tests call this, to reach the server
// they start on 127.0.0.1; the programs always use the compiled-in address.
void setzeUpdateServer(const QString& basisadresse);

// Fetches one URL with a single read: at most 10001 bytes are kept, the text ends at the first
// NUL byte, the HTTP status is not looked at. Returns the empty text on any failure; never throws.
QString Open_Internet(const QString& url);

// Downloads a URL into a new file, which the caller then puts in place. True only when the whole
// file arrived: status 200, at least one byte and, when a length was announced, exactly that many
// bytes. A failure is logged with its cause; the caller drops the new file, so that nothing stays
// at the target.
bool herunterladen(const QString& url, Ablagedatei& datei);
