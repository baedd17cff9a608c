#include "rechner/kern/rollenverwaltung.h"

#include "common/eafehler.h"
#include "common/fehler.h"
#include "rechner/kern/rollendatei.h"

const QString Rollenverwaltung::NeueRolleFrage =
    QStringLiteral("Sie erzeugen eine neue Registrierolle. Neue Registrierrolle jetzt anlegen ?");

Rollenverwaltung::Speicherung Rollenverwaltung::speichern() {
    if (m_werte.NeueRolle)
        m_kopie.leeren();
    const std::optional<QString> pfad = m_dialoge.speichernDialog(m_werte.Rollenpfad);
    if (!pfad)
        return Speicherung::Abgebrochen;
    try {
        rollendateiSchreiben(*pfad, m_haupt.zeilen());
    } catch (const Fehler& fehler) {
        dateifehlerProtokollieren("Writing", *pfad, fehler);
        m_dialoge.meldung(meldungstext(fehler, Fehlertexte::FehlerBeimSpeichern));
        return Speicherung::Fehlgeschlagen;
    }
    m_werte.Rollenpfad = *pfad;
    m_werte.RolleGespeichert = true;
    m_werte.NeueRolle = false;
    return Speicherung::Gespeichert;
}

// The file is read once for both rolls, so that a failure leaves both as they were.
void Rollenverwaltung::oeffnen() {
    const std::optional<QString> vorschlag =
        m_werte.Rollenpfad.isEmpty() ? std::nullopt : std::optional<QString>(m_werte.Rollenpfad);
    const std::optional<QString> pfad = m_dialoge.oeffnenDialog(vorschlag);
    if (!pfad)
        return;
    QStringList zeilen;
    try {
        zeilen = rollendateiLesen(*pfad);
    } catch (const Fehler& fehler) {
        dateifehlerProtokollieren("Reading", *pfad, fehler);
        m_dialoge.meldung(meldungstext(fehler, Fehlertexte::FehlerBeimLaden));
        return;
    }
    m_haupt.ersetzen(zeilen);
    m_kopie.ersetzen(std::move(zeilen));
    m_werte.Rollenpfad = *pfad;
    m_werte.Rollenname = dateinamenteil(*pfad);
}

void Rollenverwaltung::neueRolle() {
    m_werte.NeueRolle = true;
    if (m_dialoge.frage(NeueRolleFrage) == Dialoge::Antwort::Ja)
        speichern();
}
