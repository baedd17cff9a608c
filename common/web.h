#pragma once

#include <QString>

// Fetches one URL with a single read: at most 10001 bytes are kept, the text ends at the first
// NUL byte, the HTTP status is not looked at. Returns the empty text on any failure; never throws.
QString Open_Internet(const QString& url);

// Downloads a URL into a file. The body goes to a new file created exclusively beside the
// target, which is renamed over the target only when the whole file arrived: status 200 and, when
// a length was announced, exactly that many bytes. A target that is a link, a folder or a pipe is
// never replaced or written through. A failed download leaves nothing at the target and no
// partial file. Returns success.
bool herunterladen(const QString& url, const QString& zielPfad);
