// The install step "Installieren", the restart of Rechner and "Abbrechen".
#include "nivex/kern/updatemodell.h"

#include "common/dateiablage.h"
#include "common/zeilen.h"

#include <QFile>

#include <sys/stat.h>
#include <unistd.h>

namespace {

// Whoever may read the program may also run it.
mode_t ausfuehrbar(mode_t rechte) {
    return (rechte & 0777) | ((rechte & 0444) >> 2);
}

// The new file takes the installed one's place as a copy under a fresh name, renamed over it:
// a failure keeps the installed file whole, and the mode is set on the copy itself.
bool einsetzen(int quelle, mode_t rechte, const QString& ziel) {
    Ablagedatei kopie(ziel);
    return kopie.kopierenAus(quelle) && kopie.rechteSetzen(rechte) &&
           kopie.ersetzen(Ablagedatei::Ziel::Jedes);
}

} // namespace

void Updatemodell::installieren() {
    installStift = RoterStift;
    abbrechenAktiv = false;
    installierenAktiv = false;
    statuszeile[1] = Nivextexte::Installieren;
    downloadFortschritt = 0;
    programmdateiInstallieren();
    hilfedateiInstallieren();
    installLaeuft = true;
}

// Only a regular file is installed: a "Rechner.zip" that is a link, a folder or a pipe counts as
// missing, so the installed program stays and is started again. No result is reported.
void Updatemodell::programmdateiInstallieren() {
    const QString neu = DownloadPfad + Updatedateien::Programm;
    struct stat info {};
    const int quelle = regulaereDateiOeffnen(neu, info);
    if (quelle < 0)
        return;
    const bool eingesetzt =
        einsetzen(quelle, ausfuehrbar(info.st_mode), DownloadPfad + Updatedateien::Installiert);
    ::close(quelle);
    if (eingesetzt)
        QFile::remove(neu);
}

// The staged help file is installed the same way, and it goes in any case once it was read. A
// staging folder that is a link is not read from.
void Updatemodell::hilfedateiInstallieren() {
    const QString staging = DownloadPfad + Updatedateien::Staging;
    if (!hilfeMarkiert() || istVerknuepfung(DownloadPfad + Updatedateien::StagingOrdner))
        return;
    struct stat info {};
    const int quelle = regulaereDateiOeffnen(staging, info);
    if (quelle < 0)
        return;
    einsetzen(quelle, info.st_mode & 0777, DownloadPfad + Updatedateien::Hilfe);
    ::close(quelle);
    QFile::remove(staging);
}

void Updatemodell::installTick() {
    switch (++installTicks) {
    case 2:
        installFortschritt = 20;
        break;
    case 3:
        installFortschritt = 40;
        break;
    case 4:
        installFortschritt = 60;
        statuszeile[1] = Nivextexte::Beendet;
        installStift = SchwarzerStift;
        // "Neuere Version: " is 16 characters long; the version follows it.
        aktuelleVersion =
            mitCrLf(QStringLiteral("Aktualisierte Version ") + neueVersionFeld.mid(16, 10));
        neueVersionFeld.clear();
        break;
    case 5:
        installFortschritt = 80;
        break;
    case 6:
        installFortschritt = 100;
        break;
    case 7:
        installFortschritt = 0;
        break;
    case 8:
        m_welt.starten(DownloadPfad + Updatedateien::Installiert);
        installLaeuft = false;
        geschlossen = true;
        break;
    default:
        break;
    }
}

void Updatemodell::abbrechen() {
    if (abbrechenAktiv)
        geschlossen = true;
}
