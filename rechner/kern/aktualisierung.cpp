#include "rechner/kern/aktualisierung.h"

#include "common/fehler.h"
#include "rechner/kern/zahlformen.h"

#include <optional>

Onlineaktualisierung::Onlineaktualisierung(const Hauptmodell& modell, Aussenwelt welt,
                                           QString basisadresse, QString programmordner,
                                           QString version)
    : m_modell(modell), m_welt(std::move(welt)), m_basisadresse(std::move(basisadresse)),
      m_programmordner(std::move(programmordner)), m_version(std::move(version)) {}

void Onlineaktualisierung::Open_Internet(const QString& url) {
    VersionsText = m_welt.abruf(url);
}

void Onlineaktualisierung::pruefen() {
    EigeneVersion = Versionscode(m_version);
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
    uebergeben();
}

void Onlineaktualisierung::uebergeben() {
    m_welt.zwischenablage.setzen(m_modell.versionszeile);
    AufrufPfad = m_programmordner + QStringLiteral("Nivex");
    // The updater runs whether or not the close below is refused.
    m_welt.shell.starten(AufrufPfad);
    m_welt.schliessen();
}
