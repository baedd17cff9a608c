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
    haupt.Memo1 = QStringLiteral("Aktuelle Version: ") + DateiVersion();
}

void Programmstart::FormShow() {
    w.NeueRolle = 0;
    w.AutopfadGesetzt = 0;
    haupt.Abmelden1 = haupt.Anmelden1 = haupt.Drucken2 = false;
    haupt.BitBtn29 = false;
    haupt.Grundstellung();
    haupt.Panel4 = haupt.Panel6 = QStringLiteral("0");
    w.RolleGespeichert = 0;
    haupt.Statusleiste[2] = m_titel.left(17) + QStringLiteral(" Version ") + m_titel.mid(18);
    if (NutzerlisteLaden(m_registrierung.Memo1, m_registrierung.dialoge()))
        m_registrierung.Memo1Change();
    EinstellungenLesen(w);
    haupt.Panel33 = w.Firmenname;
    if (!w.Autopfad.isEmpty())
        automatischeRolleLaden();
    anmeldezustandSetzen();
    autopfadAuswerten();
    haupt.Beschriftung = m_titel.left(17);
}

void Programmstart::automatischeRolleLaden() {
    try {
        haupt.RichEdit1.ersetzen(RollendateiLesen(w.Autopfad));
    } catch (const Fehler&) {
        if (QFileInfo::exists(w.Autopfad))
            m_unlesbareRolle = w.Autopfad;
        throw;
    }
    w.Rollenname = Dateiname(w.Autopfad);
    if (!m_registrierung.Memo1.isEmpty() && w.OhneAnmeldung != 1)
        haupt.Anmelden1 = true;
}

void Programmstart::anmeldezustandSetzen() {
    if (w.OhneAnmeldung == 1) {
        haupt.Panel3Sichtbar = false;
        haupt.Anmelden1 = false;
        haupt.Drucken2 = true;
    }
    if (w.OhneAnmeldung == 2)
        haupt.Panel3Sichtbar = true;
}

void Programmstart::autopfadAuswerten() {
    if (w.AutopfadText == QLatin1String("True"))
        w.AutopfadGesetzt = 1;
    if (w.AutopfadText == QLatin1String("False")) {
        w.AutopfadGesetzt = 0;
        m_registrierung.BitBtn6Click();
        m_registrierung.BitBtn23Click();
    }
}

bool Programmstart::FormCloseQuery() {
    if (w.OhneAnmeldung == 1) {
        haupt.RichEdit1.anhaengen(QStringLiteral("\r"));
        haupt.RichEdit1.anhaengen(QStringLiteral("Gesamtumsatz: ") + haupt.Edit2 +
                                  QStringLiteral("  ") + QStringLiteral(" €\r\r"));
    }
    if (haupt.Abmelden1)
        throw Fehler(abmeldenZuerst);
    const bool autopfadAn = w.AutopfadText == QLatin1String("True");
    // A roll file that exists but could not be read at start is not overwritten unasked: the
    // save dialog lets the user choose, so the old roll is never lost without a question.
    if (autopfadAn && !w.Autopfad.isEmpty() && w.Autopfad == m_unlesbareRolle)
        return rolleSpeichern();
    if (autopfadAn && !w.Autopfad.isEmpty())
        RollendateiSchreiben(w.Autopfad, haupt.RichEdit1.zeilen());
    if (autopfadAn && w.Autopfad.isEmpty())
        return rolleSpeichern();
    if (w.AutopfadText == QLatin1String("False") && w.RolleGespeichert == 0) {
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
    w.RolleGespeichert = 1;
    m_schliessen();
}
