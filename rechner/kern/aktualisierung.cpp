#include "rechner/kern/aktualisierung.h"

#include "common/fehler.h"
#include "rechner/kern/zahlformen.h"

#include <optional>

Onlineaktualisierung::Onlineaktualisierung(const Hauptmodell& modell, Aussenwelt welt,
                                           QString basisadresse, QString programmordner)
    : m_modell(modell), m_welt(std::move(welt)), m_basisadresse(std::move(basisadresse)),
      m_programmordner(std::move(programmordner)) {}

void Onlineaktualisierung::Open_Internet(const QString& url) {
    VersionsText = m_welt.abruf(url);
}

void Onlineaktualisierung::ProgrammaktualisierungOnlineUpdate1Click(
    const QString& anwendungstitel) {
    // The version code is the title's version with the dots left out: "2.1.4.0" gives 2140.
    EigeneVersion = anwendungstitel.mid(18, 1) + anwendungstitel.mid(20, 1) +
                    anwendungstitel.mid(22, 1) + anwendungstitel.mid(24, 1);
    Open_Internet(m_basisadresse + QStringLiteral("/UpdateQelvar/Version.txt"));
    const QString serverText = VersionsText.left(4);

    qint32 eigenerCode = 0;
    qint32 serverCode = 0;
    const std::optional<qint32> eigener = Ganzzahl(EigeneVersion);
    const std::optional<qint32> server = eigener ? Ganzzahl(serverText) : std::nullopt;
    if (eigener)
        eigenerCode = *eigener;
    if (server)
        serverCode = *server;
    else
        m_welt.dialoge.meldung(Aktualisierungstexte::KeineVerbindung);

    if (eigenerCode >= serverCode)
        throw Fehler(Aktualisierungstexte::KeineUpdates);
    UPDATE();
}

void Onlineaktualisierung::UPDATE() {
    m_welt.zwischenablage.setzen(m_modell.versionszeile);
    AufrufPfad = m_programmordner + QStringLiteral("Nivex");
    // The updater runs whether or not the close below is refused.
    m_welt.shell.starten(AufrufPfad);
    m_welt.schliessen();
}
