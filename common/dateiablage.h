#pragma once

// Writing through the file door: a new file takes the place of the old one whole, or nothing
// changes. QSaveFile stages and renames too, but gives no platform error numbers for the German
// texts, does not sync the folder after the rename, and follows links by no rule of dateiziel.h.

#include "common/dateiziel.h"
#include "common/zwischendatei.h"

#include <QByteArrayView>
#include <QString>
#include <memory>
#include <optional>
#include <sys/types.h>

// A new file built beside its target as a temporary file of zwischendatei.h: unnamed while it is
// written where the file system allows it, so that a killed program leaves nothing behind, and
// otherwise under a fresh name created exclusively, which the next new file in the folder removes
// when its writer died. It is flushed to disk and takes the target's place in one rename; a
// failure at any step raises EaFehler, and the new file is dropped with the object, leaving the old
// one as it was.
//
// Which entry at the target it may replace is the link rule `regel`:
// - Folgen: the calculator's files. Links are followed by the rule of dateiziel.h; the target must
//   be a regular file that may be written (one without any write permission counts as read-only
//   and is refused, as the platform refuses it), or missing, and is then created where the links
//   lead (a link into a missing folder fails and stays); the new file keeps the old one's mode,
//   its group where the writer is in it and, for root, its owner. A mode it cannot keep (a setgid
//   bit without its group) fails the write.
// - Nie: only a regular file or nothing is replaced; a link, a folder or a pipe at the name stays.
// - Ersetzen: a link at the name is replaced itself, never what it points to; a folder never.
class Ablagedatei {
public:
    explicit Ablagedatei(const QString& pfad, Verweise regel = Verweise::Folgen,
                         Zwischendateiart art = Zwischendateiart::Unbenannt);
    // The target `name` in the open folder `ordner`.
    Ablagedatei(int ordner, const QString& name, Verweise regel,
                Zwischendateiart art = Zwischendateiart::Unbenannt);
    Ablagedatei(const Ablagedatei&) = delete;
    Ablagedatei& operator=(const Ablagedatei&) = delete;

    void schreiben(QByteArrayView inhalt);
    // Copies what is left to read from an open file.
    void kopierenAus(int quelle);
    // Set before anything is written, so that nobody reads the content under a wider mode. Where
    // the platform refuses, the new file must have the mode already, or the write fails.
    void rechteSetzen(mode_t rechte);
    // Flushed, then renamed over the target, and the rename made durable.
    void ersetzen();

private:
    void anlegen(Zwischendateiart art);
    void benanntSichern();

    Dateiziel m_ziel;
    Verweise m_regel;
    std::unique_ptr<Zwischendatei> m_datei;
};

// The whole content as a new file at `pfad`, by the rule Folgen. `art` Benannt takes the way of
// file systems without unnamed files.
void dateiErsetzen(const QString& pfad, QByteArrayView inhalt,
                   Zwischendateiart art = Zwischendateiart::Unbenannt);
