// Start-up and shut-down of the main window.
#include "rechner/kern/programmstart.h"

#include "common/fehler.h"
#include "rechner/kern/datendateien.h"
#include "rechner/kern/rollendatei.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace {
const QString abmeldenZuerst =
    QStringLiteral("Sie müssen sich erst abmelden, um das Programm zu schließen!");
const QString speichernFrage =
    QStringLiteral("Achtung, Sie haben Ihre Daten noch nicht gespeichert! Jetzt speichern ?");
} // namespace

QString DateiVersion() {
    return QStringLiteral(RECHNER_DATEIVERSION);
}

QString Programmordner() {
    return QCoreApplication::applicationDirPath() + QLatin1Char('/');
}

Programmstart::Programmstart(Registrierung& registrierung, QString titel,
                             std::function<void()> schliessen)
    : w(registrierung.w), haupt(registrierung.haupt), m_registrierung(registrierung),
      m_titel(std::move(titel)), m_schliessen(std::move(schliessen)) {}

// The program folder needs no storing: Programmordner() asks for it, and it cannot change
// while the program runs.
void Programmstart::FormCreate(Hauptmodell& haupt) {
    haupt.versionszeile = QStringLiteral("Aktuelle Version: ") + DateiVersion();
}

void Programmstart::FormShow() {
    w.NeueRolle = false;
    w.AutopfadGesetzt = false;
    haupt.vorDemStart();
    haupt.stdMAktiv = false;
    haupt.Grundstellung();
    haupt.speicherText = haupt.zwischenwertText = QStringLiteral("0");
    w.RolleGespeichert = false;
    haupt.statuszeile[2] = m_titel.left(17) + QStringLiteral(" Version ") + m_titel.mid(18);
    if (NutzerlisteLaden(m_registrierung.Memo1, m_registrierung.dialoge()))
        m_registrierung.Memo1Change();
    EinstellungenLesen(w);
    haupt.firmenText = w.Firmenname;
    if (!w.Autopfad.isEmpty())
        automatischeRolleLaden();
    anmeldezustandSetzen();
    autopfadAuswerten();
    haupt.fenstertitel = m_titel.left(17);
}

void Programmstart::automatischeRolleLaden() {
    try {
        haupt.rolle.ersetzen(RollendateiLesen(w.Autopfad));
    } catch (const Fehler&) {
        if (QFileInfo::exists(w.Autopfad))
            m_unlesbareRolle = w.Autopfad;
        throw;
    }
    w.Rollenname = Dateiname(w.Autopfad);
    haupt.anmeldenNachListe(!m_registrierung.Memo1.isEmpty());
}

void Programmstart::anmeldezustandSetzen() {
    haupt.nachStarteinstellungen();
}

void Programmstart::autopfadAuswerten() {
    if (w.AutopfadText == QLatin1String("True"))
        w.AutopfadGesetzt = true;
    if (w.AutopfadText == QLatin1String("False")) {
        w.AutopfadGesetzt = false;
        m_registrierung.BitBtn6Click();
        m_registrierung.BitBtn23Click();
    }
}

bool Programmstart::FormCloseQuery() {
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
        const Dialoge::Antwort antwort = m_registrierung.dialoge().frage(speichernFrage);
        if (antwort == Dialoge::Antwort::Ja)
            return rolleSpeichern();
        if (antwort == Dialoge::Antwort::Nein)
            Beenden();
    }
    return true;
}

// A save that was asked for and failed keeps the window open, as a failed automatic save does:
// closing would lose the roll. A cancelled dialog lets the close go on without saving.
bool Programmstart::rolleSpeichern() {
    return m_registrierung.rolleSpeichern() != Registrierung::Speicherung::Fehlgeschlagen;
}

void Programmstart::Beenden() {
    w.RolleGespeichert = true;
    m_schliessen();
}
