// The download step "Herunterladen" and the post-download step, as timer ticks one second apart.
#include "nivex/kern/nivexmodell.h"

#include "common/dateiablage.h"

void Nivexmodell::BitBtn1Click() {
    BitBtn1 = false;
    BitBtn3 = false;
    Timer1 = true;
}

void Nivexmodell::Timer1Timer() {
    ++Timer1Zaehler;
    // Ticks that arrive while a box of the downloads is open count on and start nothing, however
    // long the box stays open: the counter wraps after 255 and would reach 6 again.
    if (m_downloadLaeuft)
        return;
    switch (Timer1Zaehler) {
    case 1:
        Statusleiste[1] = Nivextexte::Ermitteln;
        break;
    case 5:
        BitBtn1 = false;
        BitBtn3 = false;
        Shape1Pen = RoterStift;
        Statusleiste[1] = Nivextexte::DownloadBeginnt;
        break;
    case 6:
        Downloadarbeit();
        break;
    default:
        break;
    }
}

void Nivexmodell::Downloadarbeit() {
    m_downloadLaeuft = true;
    DownloadPfad = Memo1;
    ProgressBar1 = 50;
    herunterladen(Updatedateien::Programm, DownloadPfad + Updatedateien::Programm);
    ProgressBar1 = 100;
    if (hilfeMarkiert()) {
        ProgressBar1 = 80;
        // A staging folder that is a link would put the help file outside the program folder.
        herunterladen(Updatedateien::Hilfe, DownloadPfad + Updatedateien::Staging,
                      !istVerknuepfung(DownloadPfad + Updatedateien::StagingOrdner));
        ProgressBar1 = 100;
    }
    Timer2 = true;
    Timer1Zaehler = 0;
    Timer1 = false;
    m_downloadLaeuft = false;
}

// A failed download is reported and the step goes on as after a successful one.
void Nivexmodell::herunterladen(const QString& dateiname, const QString& ziel, bool zielErlaubt) {
    if (vorDerUebertragung)
        vorDerUebertragung();
    if (!zielErlaubt ||
        !m_welt.herunterladen(m_basisadresse + Updatedateien::Ordner + dateiname, ziel))
        m_welt.meldung(Nivextexte::DownloadAbgebrochen);
}

void Nivexmodell::Timer2Timer() {
    switch (++Timer2Zaehler) {
    case 2:
        Statusleiste[1] = Nivextexte::DownloadBeendet;
        Shape1Pen = SchwarzerStift;
        break;
    case 4:
        BitBtn2 = true;
        BitBtn3 = true;
        Statusleiste[1] = Nivextexte::Fortfahren;
        Timer2 = false;
        break;
    default:
        break;
    }
}
