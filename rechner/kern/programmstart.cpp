// Start-up and shut-down of the main window.
#include "rechner/kern/programmstart.h"

#include "common/fehler.h"
#include "rechner/kern/datendateien.h"
#include "rechner/kern/rollendatei.h"

#include <QCoreApplication>

namespace {
const QString AbmeldenZuerst =
    QStringLiteral("Sie müssen sich erst abmelden, um das Programm zu schließen!");
const QString SpeichernFrage =
    QStringLiteral("Achtung, Sie haben Ihre Daten noch nicht gespeichert! Jetzt speichern ?");
} // namespace

QString Programmordner() {
    return QCoreApplication::applicationDirPath() + QLatin1Char('/');
}

Programmstart::Programmstart(Programmwerte& werte, Hauptmodell& hauptmodell, Verwaltung& verwaltung,
                             Dialoge& dialoge)
    : m_werte(werte), m_haupt(hauptmodell), m_verwaltung(verwaltung), m_dialoge(dialoge) {}

void Programmstart::beimZeigen() {
    m_werte.NeueRolle = false;
    m_werte.AutopfadGesetzt = false;
    m_haupt.vorDemStart();
    m_werte.RolleGespeichert = false;
    m_verwaltung.nutzerlisteLaden();
    EinstellungenLesen(m_werte);
    m_haupt.firmennameZeigen();
    if (!m_werte.Autopfad.isEmpty())
        automatischeRolleLaden();
    m_haupt.nachStarteinstellungen();
    autopfadAuswerten();
    m_haupt.nachDemStart();
}

void Programmstart::automatischeRolleLaden() {
    try {
        m_haupt.rolle().ersetzen(rollendateiLesen(m_werte.Autopfad));
    } catch (const Oeffnungsfehler& fehler) {
        if (!fehler.dateiFehlt())
            m_unlesbareRolle = m_werte.Autopfad;
        throw;
    } catch (const Fehler&) {
        m_unlesbareRolle = m_werte.Autopfad;
        throw;
    }
    m_werte.Rollenname = dateinamenteil(m_werte.Autopfad);
    m_haupt.anmeldenNachListe(!m_verwaltung.nutzerliste().isEmpty());
}

void Programmstart::autopfadAuswerten() {
    if (m_werte.AutopfadText == QLatin1String("True"))
        m_werte.AutopfadGesetzt = true;
    if (m_werte.AutopfadText == QLatin1String("False")) {
        m_werte.AutopfadGesetzt = false;
        m_verwaltung.neueRolle();
        m_verwaltung.rolleOeffnen();
    }
}

Programmstart::Schliessantwort Programmstart::schliessenAnfragen() {
    if (m_werte.ohneAnmeldung()) {
        m_haupt.rolle().anhaengen(QStringLiteral("\r"));
        m_haupt.rolle().anhaengen(QStringLiteral("Gesamtumsatz: ") + m_haupt.gesamtText() +
                                  QStringLiteral("  ") + QStringLiteral(" €\r\r"));
    }
    if (m_haupt.istAngemeldet())
        throw Fehler(AbmeldenZuerst);
    const bool autopfadAn = m_werte.AutopfadText == QLatin1String("True");
    // A roll file that exists but could not be read at start is not overwritten unasked: the
    // save dialog lets the user choose, so the old roll is never lost without a question.
    if (autopfadAn && !m_werte.Autopfad.isEmpty() && m_werte.Autopfad == m_unlesbareRolle)
        return rolleSpeichern();
    if (autopfadAn && !m_werte.Autopfad.isEmpty())
        rollendateiSchreiben(m_werte.Autopfad, m_haupt.rolle().zeilen());
    if (autopfadAn && m_werte.Autopfad.isEmpty())
        return rolleSpeichern();
    if (m_werte.AutopfadText == QLatin1String("False") && !m_werte.RolleGespeichert) {
        const Dialoge::Antwort antwort = m_dialoge.frage(SpeichernFrage);
        if (antwort == Dialoge::Antwort::Ja)
            return rolleSpeichern();
        if (antwort == Dialoge::Antwort::Nein)
            return beenden();
    }
    return Schliessantwort::Schliessen;
}

// A save that was asked for and failed keeps the window open, as a failed automatic save does:
// closing would lose the roll. A cancelled dialog lets the close go on without saving.
Programmstart::Schliessantwort Programmstart::rolleSpeichern() {
    return m_verwaltung.rolleSpeichern() == Verwaltung::Speicherung::Fehlgeschlagen
               ? Schliessantwort::Offenbleiben
               : Schliessantwort::Schliessen;
}

// "Nein" to the save question ends the program without saving: the roll counts as saved, so
// that a later request neither asks nor saves.
Programmstart::Schliessantwort Programmstart::beenden() {
    m_werte.RolleGespeichert = true;
    return Schliessantwort::Schliessen;
}
