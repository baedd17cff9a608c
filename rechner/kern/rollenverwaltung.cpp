#include "rechner/kern/rollenverwaltung.h"

#include "common/eafehler.h"
#include "common/fehler.h"
#include "rechner/kern/rollendatei.h"

const QString Rollenverwaltung::NeueRolleFrage =
    QStringLiteral("Sie erzeugen eine neue Registrierolle. Neue Registrierrolle jetzt anlegen ?");

void Rollenverwaltung::speichern() {
    if (w.NeueRolle)
        m_kopie.leeren();
    const std::optional<QString> pfad = m_dialoge.speichernDialog(w.Rollenpfad);
    if (!pfad)
        return;
    try {
        RollendateiSchreiben(*pfad, m_haupt.zeilen());
    } catch (const Fehler& fehler) {
        DateifehlerProtokollieren("Writing", *pfad, fehler);
        m_dialoge.meldung(Meldungstext(fehler, Fehlertexte::FehlerBeimSpeichern));
        return;
    }
    w.Rollenpfad = *pfad;
    w.RolleGespeichert = true;
    w.NeueRolle = false;
}

// The file is read once for both rolls, so that a failure leaves both as they were.
void Rollenverwaltung::oeffnen() {
    const std::optional<QString> vorschlag =
        w.Rollenpfad.isEmpty() ? std::nullopt : std::optional<QString>(w.Rollenpfad);
    const std::optional<QString> pfad = m_dialoge.oeffnenDialog(vorschlag);
    if (!pfad)
        return;
    QStringList zeilen;
    try {
        zeilen = RollendateiLesen(*pfad);
    } catch (const Fehler& fehler) {
        DateifehlerProtokollieren("Reading", *pfad, fehler);
        m_dialoge.meldung(Meldungstext(fehler, Fehlertexte::FehlerBeimLaden));
        return;
    }
    m_haupt.ersetzen(zeilen);
    m_kopie.ersetzen(std::move(zeilen));
    w.Rollenpfad = *pfad;
    w.Rollenname = Dateiname(*pfad);
}

void Rollenverwaltung::neueRolle() {
    w.NeueRolle = true;
    if (m_dialoge.frage(NeueRolleFrage) == Dialoge::Antwort::Ja)
        speichern();
}
