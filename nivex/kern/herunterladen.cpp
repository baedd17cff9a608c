// The download step "Herunterladen" and the post-download step, as timer ticks one second apart.
#include "nivex/kern/updatemodell.h"

#include "common/dateiablage.h"
#include "common/eafehler.h"

void Updatemodell::herunterladen() {
    m_herunterladenAktiv = false;
    m_abbrechenAktiv = false;
    m_schritt = Schritt::Download;
}

void Updatemodell::downloadTick() {
    ++m_downloadTicks;
    // Ticks that arrive while a box of the downloads is open count on and start nothing, however
    // long the box stays open: the counter wraps after 255 and would reach 6 again.
    if (m_uebertragungLaeuft)
        return;
    switch (m_downloadTicks) {
    case 1:
        m_statuszeile[1] = Nivextexte::Ermitteln;
        break;
    case 5:
        m_herunterladenAktiv = false;
        m_abbrechenAktiv = false;
        m_downloadStift = RoterStift;
        m_statuszeile[1] = Nivextexte::DownloadBeginnt;
        break;
    case 6:
        downloadarbeit();
        break;
    default:
        break;
    }
}

// The folder is opened here, once: the downloads and the installation work in it, whatever is
// swapped into its path later.
void Updatemodell::downloadarbeit() {
    m_uebertragungLaeuft = true;
    m_downloadPfad = m_downloadOrdner;
    try {
        m_ordner = Downloadordner(m_downloadPfad);
    } catch (const Fehler& fehler) {
        m_ordner = Downloadordner();
        dateifehlerProtokollieren("Opening the download folder of", m_downloadPfad, fehler);
    }
    m_downloadFortschritt = 50;
    dateiHerunterladen(Updatedateien::Programm, QString());
    m_downloadFortschritt = 100;
    if (hilfeMarkiert()) {
        m_downloadFortschritt = 80;
        dateiHerunterladen(Updatedateien::Hilfe, Updatedateien::StagingOrdner);
        m_downloadFortschritt = 100;
    }
    m_schritt = Schritt::NachDownload;
    m_downloadTicks = 0;
    m_uebertragungLaeuft = false;
}

// A failed download is reported and the step goes on as after a successful one. `ordner` is
// the subfolder the file goes to, or empty for the download folder itself.
void Updatemodell::dateiHerunterladen(const QString& dateiname, const QString& ordner) {
    if (m_vorDerUebertragung)
        m_vorDerUebertragung();
    const QString url = m_basisadresse + Updatedateien::Ordner + dateiname;
    bool geladen = false;
    try {
        if (ordner.isEmpty()) {
            geladen = herunterladenNach(url, m_ordner.fd(), m_ordner.name(dateiname));
        } else {
            const Deskriptor unterordner = m_ordner.unterordner(ordner);
            geladen = herunterladenNach(url, unterordner.fd(), dateiname);
        }
    } catch (const Fehler& fehler) {
        const QString ziel = ordner.isEmpty() ? dateiname : ordner + u'/' + dateiname;
        dateifehlerProtokollieren("Downloading into", m_ordner.pfad(ziel), fehler);
    }
    if (!geladen)
        m_welt.meldung(Nivextexte::DownloadAbgebrochen);
}

// The new file takes the target's place only when the whole file arrived; a link, a folder or a
// pipe at the target stays.
bool Updatemodell::herunterladenNach(const QString& url, int ordner, const QString& name) {
    Ablagedatei datei(ordner, name, Verweise::Nie);
    if (!m_welt.herunterladen(url, datei))
        return false;
    datei.ersetzen();
    return true;
}

void Updatemodell::nachDownloadTick() {
    switch (++m_nachDownloadTicks) {
    case 2:
        m_statuszeile[1] = Nivextexte::DownloadBeendet;
        m_downloadStift = SchwarzerStift;
        break;
    case 4:
        m_installierenAktiv = true;
        m_abbrechenAktiv = true;
        m_statuszeile[1] = Nivextexte::Fortfahren;
        m_schritt = Schritt::Keiner;
        break;
    default:
        break;
    }
}
