#pragma once

// Reading through the file door. A file is opened only when it is a regular file, reached by the
// path walk of dateiziel.h: a pipe, a socket, a device or a folder is refused before anything is
// opened, so that no read waits on a writer and no device is touched; the open itself never waits
// either. Failures raise EaFehler with the platform's German texts.

#include "common/dateiziel.h"
#include "common/deskriptor.h"
#include "common/eafehler.h"

#include <QByteArray>
#include <QString>

#include <sys/types.h>

// A regular file opened for reading, read in pieces; closed when it goes out of scope.
class Lesedatei {
public:
    // The file a path names; its links followed by the rule of dateiziel.h.
    explicit Lesedatei(const QString& pfad);
    // The file `name` in the open folder `ordner`.
    Lesedatei(int ordner, const QString& name, Verweise regel);

    // Appends up to `anzahl` bytes to `ziel`; false at the end of the file.
    bool weiterlesen(QByteArray& ziel, qsizetype anzahl);
    // Its size and mode when it was opened.
    qint64 groesse() const { return m_groesse; }
    mode_t rechte() const { return m_rechte; }
    int fd() const { return m_datei.fd(); }
    // Removes the file from its folder, as long as its name still stands for it: what was put
    // there since stays.
    void entfernen();

private:
    void oeffnen(Verweise regel);

    Dateiziel m_ziel;
    Deskriptor m_datei;
    qint64 m_groesse = 0;
    mode_t m_rechte = 0;
    dev_t m_geraet = 0;
    ino_t m_knoten = 0;
};

// The whole file. One larger than `hoechstens` bytes raises E/A-Fehler 8 (not enough memory)
// rather than taking the machine's memory.
QByteArray dateiLesen(const QString& pfad, qint64 hoechstens);

// The most memory that what one read gives may take: half of the machine's memory, or of what
// the process's own limits (address space, data) leave free where they are set. A file that would
// need more is refused as too large instead of taking the memory the rest of the machine needs.
qint64 lesespeichergrenze();
