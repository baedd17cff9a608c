// The install step "Installieren", the restart of Rechner and "Abbrechen".
#include "nivex/kern/feldtext.h"
#include "nivex/kern/nivexmodell.h"

#include "common/dateiablage.h"

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

void Nivexmodell::BitBtn2Click() {
    Shape2Pen = RoterStift;
    BitBtn3 = false;
    BitBtn2 = false;
    Statusleiste[1] = Nivextexte::Installieren;
    ProgressBar1 = 0;
    ProgrammdateiInstallieren();
    HilfedateiInstallieren();
    Timer3 = true;
}

// Only a regular file is installed: a "Rechner.zip" that is a link, a folder or a pipe counts as
// missing, so the installed program stays and is started again. No result is reported.
void Nivexmodell::ProgrammdateiInstallieren() {
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
void Nivexmodell::HilfedateiInstallieren() {
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

void Nivexmodell::Timer3Timer() {
    switch (++Timer3Zaehler) {
    case 2:
        ProgressBar2 = 20;
        break;
    case 3:
        ProgressBar2 = 40;
        break;
    case 4:
        ProgressBar2 = 60;
        Statusleiste[1] = Nivextexte::Beendet;
        Shape2Pen = SchwarzerStift;
        // "Neuere Version: " is 16 characters long; the version follows it.
        Memo5 = Feldtext(QStringLiteral("Aktualisierte Version ") + Memo2.mid(16, 10));
        Memo2.clear();
        break;
    case 5:
        ProgressBar2 = 80;
        break;
    case 6:
        ProgressBar2 = 100;
        break;
    case 7:
        ProgressBar2 = 0;
        break;
    case 8:
        m_welt.starten(DownloadPfad + Updatedateien::Installiert);
        Timer3 = false;
        Geschlossen = true;
        break;
    default:
        break;
    }
}

void Nivexmodell::BitBtn3Click() {
    if (BitBtn3)
        Geschlossen = true;
}
