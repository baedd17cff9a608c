// Start-up and shut-down of the main window.
#include "rechner/kern/programmstart.h"

#include "common/fehler.h"
#include "rechner/kern/datendateien.h"
#include "rechner/kern/rollendatei.h"

#include <QCoreApplication>

namespace {
const QString abmeldenZuerst =
    QStringLiteral("Sie müssen sich erst abmelden, um das Programm zu schließen!");
const QString speichernFrage =
    QStringLiteral("Achtung, Sie haben Ihre Daten noch nicht gespeichert! Jetzt speichern ?");
} // namespace

QString Programmordner() {
    return QCoreApplication::applicationDirPath() + QLatin1Char('/');
}

// The program folder needs no storing: Programmordner() asks for it, and it cannot change
// while the program runs.
Programmstart::Programmstart(Verwaltung& verwaltung, std::function<void()> schliessen)
    : w(verwaltung.w), haupt(verwaltung.haupt), m_verwaltung(verwaltung),
      m_schliessen(std::move(schliessen)) {
    haupt.versionszeile = QStringLiteral("Aktuelle Version: ") + DateiVersion();
}

void Programmstart::beimZeigen() {
    w.NeueRolle = false;
    w.AutopfadGesetzt = false;
    haupt.vorDemStart();
    haupt.stdMAktiv = false;
    haupt.Grundstellung();
    haupt.speicherText = haupt.zwischenwertText = QStringLiteral("0");
    w.RolleGespeichert = false;
    haupt.statuszeile[2] = Produktname + QStringLiteral(" Version ") + DateiVersion();
    if (NutzerlisteLaden(m_verwaltung.nutzerliste, m_verwaltung.dialoge()))
        m_verwaltung.nutzerlisteGeaendert();
    EinstellungenLesen(w);
    haupt.firmenText = w.Firmenname;
    if (!w.Autopfad.isEmpty())
        automatischeRolleLaden();
    haupt.nachStarteinstellungen();
    autopfadAuswerten();
    haupt.fenstertitel = Produktname;
}

void Programmstart::automatischeRolleLaden() {
    try {
        haupt.rolle.ersetzen(RollendateiLesen(w.Autopfad));
    } catch (const Oeffnungsfehler& fehler) {
        if (!fehler.dateiFehlt())
            m_unlesbareRolle = w.Autopfad;
        throw;
    } catch (const Fehler&) {
        m_unlesbareRolle = w.Autopfad;
        throw;
    }
    w.Rollenname = Dateiname(w.Autopfad);
    haupt.anmeldenNachListe(!m_verwaltung.nutzerliste.isEmpty());
}

void Programmstart::autopfadAuswerten() {
    if (w.AutopfadText == QLatin1String("True"))
        w.AutopfadGesetzt = true;
    if (w.AutopfadText == QLatin1String("False")) {
        w.AutopfadGesetzt = false;
        m_verwaltung.neueRolle();
        m_verwaltung.rolleOeffnen();
    }
}

bool Programmstart::schliessenErlaubt() {
    if (w.ohneAnmeldung()) {
        haupt.rolle.anhaengen(QStringLiteral("\r"));
        haupt.rolle.anhaengen(QStringLiteral("Gesamtumsatz: ") + haupt.gesamtText +
                              QStringLiteral("  ") + QStringLiteral(" €\r\r"));
    }
    if (haupt.istAngemeldet())
        throw Fehler(abmeldenZuerst);
    const bool autopfadAn = w.AutopfadText == QLatin1String("True");
    // A roll file that exists but could not be read at start is not overwritten unasked: the
    // save dialog lets the user choose, so the old roll is never lost without a question.
    if (autopfadAn && !w.Autopfad.isEmpty() && w.Autopfad == m_unlesbareRolle)
        return rolleSpeichern();
    if (autopfadAn && !w.Autopfad.isEmpty())
        RollendateiSchreiben(w.Autopfad, haupt.rolle.zeilen());
    if (autopfadAn && w.Autopfad.isEmpty())
        return rolleSpeichern();
    if (w.AutopfadText == QLatin1String("False") && !w.RolleGespeichert) {
        const Dialoge::Antwort antwort = m_verwaltung.dialoge().frage(speichernFrage);
        if (antwort == Dialoge::Antwort::Ja)
            return rolleSpeichern();
        if (antwort == Dialoge::Antwort::Nein)
            beenden();
    }
    return true;
}

// A save that was asked for and failed keeps the window open, as a failed automatic save does:
// closing would lose the roll. A cancelled dialog lets the close go on without saving.
bool Programmstart::rolleSpeichern() {
    return m_verwaltung.rolleSpeichernMitErgebnis() != Verwaltung::Speicherung::Fehlgeschlagen;
}

void Programmstart::beenden() {
    w.RolleGespeichert = true;
    m_schliessen();
}
