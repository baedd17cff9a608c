#pragma once

// The new content of a file until it takes the file's place in one rename.
//
// Unnamed (O_TMPFILE) where the folder's file system allows it: a crash while it is written leaves
// nothing behind. It gets a name beside the target only after it is complete and flushed, for the
// moment until the rename. Elsewhere it is named from the start. A named one is locked (flock)
// while its writer lives, so that a later save into the same folder can tell the leftover of a
// crashed writer, which it removes, from the file of another running copy, which it leaves.

#include "common/deskriptor.h"

#include <QByteArray>
#include <QByteArrayView>

#include <sys/types.h>

enum class Zwischendateiart { Unbenannt, Benannt };

class Zwischendatei {
public:
    // Unbenannt falls back to a named file where the file system has no unnamed ones.
    Zwischendatei(int ordner, Zwischendateiart art); // throws EaFehler
    ~Zwischendatei();
    Zwischendatei(const Zwischendatei&) = delete;
    Zwischendatei& operator=(const Zwischendatei&) = delete;

    void schreiben(QByteArrayView inhalt);
    // Set on the file itself; false when the platform refuses.
    bool rechte(mode_t modus);
    // Flushed to disk and named beside the target: false when this process cannot name an
    // unnamed file (no /proc, no privilege), and nothing has changed then. Then renamed over the
    // target, so that a caller can look at the target just before the rename.
    bool sichern();
    void umbenennen(const QByteArray& ziel);
    // The open file; an unnamed one is readable too, so that what it holds can still go into a
    // named one where it cannot be named.
    int fd() const { return m_datei.fd(); }

private:
    void benanntAnlegen();
    bool benennen();

    int m_ordner;
    Deskriptor m_datei;
    QByteArray m_name; // empty while unnamed and after the rename
};

// Removes the leftovers of crashed writers in the folder: the user's own temporary files that no
// running writer holds locked.
void resteEntfernen(int ordner);
