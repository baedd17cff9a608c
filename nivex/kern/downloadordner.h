#pragma once

// The download folder as the update works in it. It is opened once, when the download step takes
// its path, and every file of the update is created, renamed, set executable, read and removed
// relative to that handle, never through a link at a file's own name: entries swapped into the
// folder while the update runs never lead it elsewhere.

#include "common/deskriptor.h"

#include <QString>

class Downloadordner {
public:
    Downloadordner() = default;
    // The folder of `downloadPfad` followed by a file name: the text up to its last "/". What
    // follows that "/" goes in front of every file name, as the names are appended to the path
    // directly. Throws Fehler when the folder cannot be opened; a control character (a line
    // break typed into the folder field) names no folder.
    explicit Downloadordner(const QString& downloadPfad);

    bool offen() const { return m_ordner.offen(); }
    // The handle; throws Fehler when the folder could not be opened.
    int fd() const;
    // The name of a file of the update inside the folder.
    QString name(const QString& datei) const { return m_vorsatz + datei; }
    // A subfolder of the update ("Temp"), never through a link; throws Fehler.
    Deskriptor unterordner(const QString& datei) const;
    // The path of a file of the update, for the log.
    QString pfad(const QString& datei) const { return m_pfad + datei; }

private:
    Deskriptor m_ordner;
    QString m_pfad;
    QString m_vorsatz;
};
