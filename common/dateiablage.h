#pragma once

// Putting a new file in place of another in a folder that others may write to: nothing is ever
// written through a link or into an entry planted under the name the new file is built under.

#include "common/deskriptor.h"
#include "common/zwischendatei.h"

#include <QByteArray>
#include <QString>
#include <memory>
#include <sys/types.h>

// A new file built beside its target as a temporary file of zwischendatei.h: unnamed while it is
// written where the file system allows it, so that a killed program leaves nothing behind, and
// otherwise under a fresh name created exclusively, which the next new file in the folder removes
// when its writer died. It takes the target's place in one rename, or is dropped. Failures are
// logged with their cause and reported as false.
class Ablagedatei {
public:
    explicit Ablagedatei(const QString& ziel);
    Ablagedatei(const Ablagedatei&) = delete;
    Ablagedatei& operator=(const Ablagedatei&) = delete;

    // False when the file could not be created, for instance in a missing folder.
    bool offen() const { return m_datei != nullptr; }
    bool schreiben(const char* daten, qint64 laenge);
    // Copies what is left to read from an open file.
    bool kopierenAus(int quelle);
    bool rechteSetzen(mode_t rechte);
    // Which entry at the target the new file may replace. The rename replaces a link itself,
    // never what it points to; a folder is never replaced.
    enum class Ziel { NurDatei, Jedes };
    // Written to disk, then renamed over the target. Where only a regular file may be replaced,
    // a target that is a link, a folder or a pipe stays, and the new file is removed.
    bool ersetzen(Ziel ziel = Ziel::NurDatei);

private:
    bool benanntSichern();
    void fehlgeschlagen(const char* schritt, int ursache);

    QString m_ziel;
    QByteArray m_zielname;
    Deskriptor m_ordner;
    std::unique_ptr<Zwischendatei> m_datei;
};

// True when nothing is at the path or a regular file is there; false for a link, a folder, a
// pipe or a device, which a new file must not replace.
bool ersetzbar(const QString& pfad);
// True when the path names a link itself, whatever it points to.
bool istVerknuepfung(const QString& pfad);
// Opens a regular file for reading, never through a link and never waiting on a pipe; -1 for
// anything else. `info` receives the file's status.
int regulaereDateiOeffnen(const QString& pfad, struct stat& info);
