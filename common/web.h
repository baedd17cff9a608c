#pragma once

#include <QString>

// The update server's base address, compiled in (no command line, no environment).
QString updateServer();
// Points updateServer() at another base address. Only tests call this, to reach the server
// they start on 127.0.0.1; the programs always use the compiled-in address.
void setzeUpdateServer(const QString& basisadresse);

// Fetches one URL with a single read: at most 10001 bytes are kept, the text ends at the first
// NUL byte, the HTTP status is not looked at. Returns the empty text on any failure; never throws.
QString Open_Internet(const QString& url);

// Downloads a URL into a file. The body goes to a new file created exclusively beside the
// target, which is renamed over the target only when the whole file arrived: status 200 and, when
// a length was announced, exactly that many bytes. A target that is a link, a folder or a pipe is
// never replaced or written through. A failed download leaves nothing at the target and no
// partial file. Returns success.
bool herunterladen(const QString& url, const QString& zielPfad);
