// The download step "Herunterladen" and the post-download step, as timer ticks one second apart.
#include "nivex/kern/updatemodell.h"

#include "common/dateiablage.h"

void Updatemodell::herunterladen() {
    herunterladenAktiv = false;
    abbrechenAktiv = false;
    downloadLaeuft = true;
}

void Updatemodell::downloadTick() {
    ++downloadTicks;
    // Ticks that arrive while a box of the downloads is open count on and start nothing, however
    // long the box stays open: the counter wraps after 255 and would reach 6 again.
    if (m_uebertragungLaeuft)
        return;
    switch (downloadTicks) {
    case 1:
        statuszeile[1] = Nivextexte::Ermitteln;
        break;
    case 5:
        herunterladenAktiv = false;
        abbrechenAktiv = false;
        downloadStift = RoterStift;
        statuszeile[1] = Nivextexte::DownloadBeginnt;
        break;
    case 6:
        downloadarbeit();
        break;
    default:
        break;
    }
}

void Updatemodell::downloadarbeit() {
    m_uebertragungLaeuft = true;
    DownloadPfad = downloadOrdner;
    downloadFortschritt = 50;
    dateiHerunterladen(Updatedateien::Programm, DownloadPfad + Updatedateien::Programm);
    downloadFortschritt = 100;
    if (hilfeMarkiert()) {
        downloadFortschritt = 80;
        // A staging folder that is a link would put the help file outside the program folder.
        dateiHerunterladen(Updatedateien::Hilfe, DownloadPfad + Updatedateien::Staging,
                           !istVerknuepfung(DownloadPfad + Updatedateien::StagingOrdner));
        downloadFortschritt = 100;
    }
    nachDownloadLaeuft = true;
    downloadTicks = 0;
    downloadLaeuft = false;
    m_uebertragungLaeuft = false;
}

// A failed download is reported and the step goes on as after a successful one.
void Updatemodell::dateiHerunterladen(const QString& dateiname, const QString& ziel,
                                      bool zielErlaubt) {
    if (vorDerUebertragung)
        vorDerUebertragung();
    if (!zielErlaubt ||
        !m_welt.herunterladen(m_basisadresse + Updatedateien::Ordner + dateiname, ziel))
        m_welt.meldung(Nivextexte::DownloadAbgebrochen);
}

void Updatemodell::nachDownloadTick() {
    switch (++nachDownloadTicks) {
    case 2:
        statuszeile[1] = Nivextexte::DownloadBeendet;
        downloadStift = SchwarzerStift;
        break;
    case 4:
        installierenAktiv = true;
        abbrechenAktiv = true;
        statuszeile[1] = Nivextexte::Fortfahren;
        nachDownloadLaeuft = false;
        break;
    default:
        break;
    }
}
