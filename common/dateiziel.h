#pragma once

// The directory entry that a whole-file write replaces. Symbolic links are followed only where
// the kernel's protection of shared folders (fs.protected_symlinks) would follow them, whether
// or not the machine switches that protection on: resolving a path first and renaming into the
// result must not reach further than a plain open would.

#include "common/deskriptor.h"

#include <QByteArray>
#include <QString>

struct Dateiziel {
    Deskriptor ordner; // the entry's folder, opened as a path only
    QByteArray name;   // a regular file, a missing name, or a link that leads nowhere
};

// Follows the links of `pfad`. In a sticky folder that everybody may write to, a link is followed
// only when it belongs to the user or to the folder's owner; any other raises EaFehler 5. When
// the links at the name lead to no existing entry, that first link is the entry, as a missing
// file would be. A missing folder raises EaFehler 3.
Dateiziel ZielAufloesen(const QString& pfad);
