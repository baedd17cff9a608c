// The install step "Installieren", the restart of Rechner and "Abbrechen".
#include "nivex/kern/updatemodell.h"

#include "common/dateiablage.h"
#include "common/dateizugriff.h"
#include "common/zeilen.h"

#include <sys/stat.h>

namespace {

// Whoever may read the program may also run it.
mode_t ausfuehrbar(mode_t rechte) {
    return (rechte & 0777) | ((rechte & 0444) >> 2);
}

// The new file takes the installed one's place as a copy under a fresh name, renamed over it:
// a failure keeps the installed file whole, and the mode is set on the copy before anything is
// written into it. A link at the installed name is replaced itself, never followed.
void einsetzen(const Lesedatei& quelle, mode_t rechte, int ordner, const QString& name) {
    Ablagedatei kopie(ordner, name, Verweise::Ersetzen);
    kopie.rechteSetzen(rechte);
    kopie.kopierenAus(quelle.fd());
    kopie.ersetzen();
}

} // namespace

void Updatemodell::installieren() {
    m_installStift = RoterStift;
    m_abbrechenAktiv = false;
    m_installierenAktiv = false;
    m_statuszeile[1] = Nivextexte::Installieren;
    m_downloadFortschritt = 0;
    programmdateiInstallieren();
    hilfedateiInstallieren();
    m_schritt = Schritt::Installation;
}

// Only a regular file is installed: a "Rechner.zip" that is missing, a link, a folder or a pipe
// leaves the installed program as it is, which is started again. Nothing is shown; the log says
// why.
void Updatemodell::programmdateiInstallieren() {
    try {
        Lesedatei neu(m_ordner.fd(), m_ordner.name(Updatedateien::Programm), Verweise::Nie);
        einsetzen(neu, ausfuehrbar(neu.rechte()), m_ordner.fd(),
                  m_ordner.name(Updatedateien::Installiert));
        neu.entfernen();
    } catch (const Fehler& fehler) {
        dateifehlerProtokollieren("Installing", m_ordner.pfad(Updatedateien::Programm), fehler);
    }
}

// The staged help file is installed the same way, and it goes in any case once it was read. A
// staging folder that is a link is not read from.
void Updatemodell::hilfedateiInstallieren() {
    if (!hilfeMarkiert())
        return;
    try {
        const Deskriptor staging = m_ordner.unterordner(Updatedateien::StagingOrdner);
        Lesedatei neu(staging.fd(), Updatedateien::Hilfe, Verweise::Nie);
        try {
            einsetzen(neu, neu.rechte() & 0777, m_ordner.fd(), m_ordner.name(Updatedateien::Hilfe));
        } catch (const Fehler& fehler) {
            dateifehlerProtokollieren("Installing", m_ordner.pfad(Updatedateien::Staging), fehler);
        }
        neu.entfernen();
    } catch (const Fehler& fehler) {
        dateifehlerProtokollieren("Installing", m_ordner.pfad(Updatedateien::Staging), fehler);
    }
}

void Updatemodell::installTick() {
    switch (++m_installTicks) {
    case 2:
        m_installFortschritt = 20;
        break;
    case 3:
        m_installFortschritt = 40;
        break;
    case 4:
        m_installFortschritt = 60;
        m_statuszeile[1] = Nivextexte::Beendet;
        m_installStift = SchwarzerStift;
        // "Neuere Version: " is 16 characters long; the version follows it.
        m_aktuelleVersion =
            mitCrLf(QStringLiteral("Aktualisierte Version ") + m_neueVersionFeld.mid(16, 10));
        m_neueVersionFeld.clear();
        break;
    case 5:
        m_installFortschritt = 80;
        break;
    case 6:
        m_installFortschritt = 100;
        break;
    case 7:
        m_installFortschritt = 0;
        break;
    case 8:
        m_welt.starten(m_downloadPfad + Updatedateien::Installiert);
        m_schritt = Schritt::Keiner;
        m_geschlossen = true;
        break;
    default:
        break;
    }
}

void Updatemodell::abbrechen() {
    if (m_abbrechenAktiv)
        m_geschlossen = true;
}
