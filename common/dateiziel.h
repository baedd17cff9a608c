#pragma once

// The path walk of the file door, for reads and writes alike. A path is walked folder by folder
// with handles, as the kernel walks it: nothing is looked up twice, and a path of any length that
// a chain of folders holds can be reached. Symbolic links are followed only where the kernel's
// protection of shared folders (fs.protected_symlinks) would follow them, whether or not the
// machine switches that protection on: in a sticky folder that everybody may write to, only the
// user's own links and those of the folder's owner are followed; any other raises EaFehler 5.

#include "common/deskriptor.h"

#include <QByteArray>
#include <QString>

// What becomes of a link at a file's own name.
enum class Verweise {
    Folgen,   // followed by the rule above, to the entry it leads to or would create
    Nie,      // never followed: the link counts as an entry that is no regular file
    Ersetzen, // never followed: a new file takes the link's own place (writes only)
};

// The bytes the platform takes for a path. A name that no bytes give back exactly (a byte that
// could not be decoded and shows as U+FFFD, a lone surrogate, a NUL) raises Ursachenfehler with
// its own text: a file of another name must never be read or written in its place.
QByteArray pfadbytes(const QString& pfad);

struct Dateiziel {
    Deskriptor ordner; // the entry's folder, opened as a path only
    QByteArray name;   // an entry of that folder, or a name that is missing there
};

// The folder a path names, walked by the rule. A missing folder raises EaFehler 3.
Deskriptor ordnerOeffnen(const QString& pfad);
// The folder `name` inside `ordner`, never through a link: a link there raises EaFehler 3.
Deskriptor unterordner(int ordner, const QString& name);

// The entry that `name` in `ordner` stands for under `regel`. With Folgen that is the entry its
// links lead to, or the missing name they lead to in an existing folder; where they lead into a
// missing folder or round in a loop, the first link itself. A name that can only mean a folder
// ("", ".", "..") raises EaFehler 5.
Dateiziel zielAufloesen(int ordner, const QString& name, Verweise regel);
// The same for a path: its folder walked by the rule, its name resolved by `regel`.
Dateiziel zielAufloesen(const QString& pfad, Verweise regel = Verweise::Folgen);
