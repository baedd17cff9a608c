#include "rechner/kern/aktualisierung.h"

#include "common/fehler.h"
#include "rechner/kern/zahlformen.h"

#include <optional>

Onlineaktualisierung::Onlineaktualisierung(const Hauptmodell& modell, Aussenwelt welt,
                                           QString basisadresse, QString programmordner,
                                           QString version)
    : m_modell(modell), m_welt(std::move(welt)), m_basisadresse(std::move(basisadresse)),
      m_programmordner(std::move(programmordner)), m_version(std::move(version)) {}

void Onlineaktualisierung::pruefen() {
    const QString eigeneVersion = versionscode(m_version);
    const QString versionsText =
        m_welt.abruf(m_basisadresse + QStringLiteral("/UpdateQelvar/Version.txt"));
    const QString serverText = versionsText.left(4);

    qint32 eigenerCode = 0;
    qint32 serverCode = 0;
    const std::optional<qint32> eigener = ganzzahl(eigeneVersion);
    const std::optional<qint32> server = eigener ? ganzzahl(serverText) : std::nullopt;
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
    m_welt.zwischenablage.setzen(m_modell.versionszeile());
    // The updater runs whether or not the close below is refused.
    m_welt.shell.starten(m_programmordner + QStringLiteral("Nivex"));
    m_welt.schliessen();
}
