// The administration window: showing and locking, unlocking, leaving, the automatic path and
// the settings tab.
#include "rechner/kern/verwaltung.h"

#include "common/fehler.h"
#include "rechner/kern/datendateien.h"

#include <algorithm>

namespace {
const QString festesPasswort = QStringLiteral("573904");
const QString clearingFrage =
    QStringLiteral("Achtung, möchten Sie wirklich die gesamte Rolle löschen ?");
const QString autopfadUnmoeglich = QStringLiteral(
    "Dieser Pfad kann nicht als Autopfad gespeichert werden: Er enthält einen Zeilenumbruch "
    "oder ein Zeichen, das die Einstellungsdatei nicht aufnehmen kann!");
} // namespace

Verwaltung::Verwaltung(Programmwerte& werte, Hauptmodell& hauptmodell, Dialoge& dialoge)
    : w(werte), haupt(hauptmodell), m_dialoge(dialoge),
      m_rollen(werte, hauptmodell.rolle, rollenkopie, m_dialoge) {}

Verwaltung::~Verwaltung() {
    haupt.rolle.nichtMehrBeobachten(&m_nachtrag);
}

// The new lines hold no break, so each of them ended by CR is a piece that gives exactly these
// lines again by the append rule.
void Rollennachtrag::angehaengt(qsizetype erste) {
    QString stueck;
    for (qsizetype i = erste; i < m_haupt.anzahl(); ++i)
        stueck += m_haupt.zeile(i) + QLatin1Char('\r');
    m_kopie.anhaengen(stueck);
}

std::optional<QString> DialogProtokoll::speichernDialog(const QString& dateiname) {
    std::optional<QString> pfad = m_dialoge.speichernDialog(dateiname);
    dateiGewaehlt = pfad.has_value();
    return pfad;
}

// Only a successful save sets RolleGespeichert, so it is cleared for the call and put back when
// nothing was written.
Verwaltung::Speicherung Verwaltung::rolleSpeichernMitErgebnis() {
    const bool vorher = w.RolleGespeichert;
    w.RolleGespeichert = false;
    m_dialoge.dateiGewaehlt = false;
    try {
        m_rollen.speichern();
    } catch (...) {
        w.RolleGespeichert = vorher;
        throw;
    }
    if (w.RolleGespeichert)
        return Speicherung::Gespeichert;
    w.RolleGespeichert = vorher;
    return m_dialoge.dateiGewaehlt ? Speicherung::Fehlgeschlagen : Speicherung::Abgebrochen;
}

void Verwaltung::beimZeigen() {
    sichtbar = true;
    seite = Seite::Login;
    gesperrt = true;
    adminPasswort = festesPasswort;
    pinFeld.clear();
    nameFeld.clear();
    passwortFeld.clear(); // the empty text never unlocks, so its change needs no check
    fokus = Fokus::Passwort;
    pinAbdeckungZaehler = 1;
    einstellungenZeigen();
    rollenkopie.uebernehmen(haupt.rolle);
    haupt.rolle.beobachten(&m_nachtrag);
}

// Selecting a radio button, changing the check box and moving the bar run their handlers, which
// store the value just shown; a bar moved down from above 6 thereby sets the decimals to 6.
void Verwaltung::einstellungenZeigen() {
    if (w.euroModus()) {
        standardMarkiert = false;
        if (!euroMarkiert)
            euroWaehlen();
    }
    if (w.standardModus()) {
        euroMarkiert = false;
        if (!standardMarkiert)
            standardWaehlen();
    }
    const bool vorher = ohneAnmeldungAngehakt;
    if (w.ohneAnmeldung())
        ohneAnmeldungAngehakt = true;
    if (w.anmeldungVerlangt())
        ohneAnmeldungAngehakt = false;
    if (ohneAnmeldungAngehakt != vorher)
        ohneAnmeldungGeaendert();
    const int position = std::min<int>(w.Kommastellen, 6);
    if (position != kommastellenRegler) {
        kommastellenRegler = position;
        kommastellenGeaendert();
    }
    kommastellenText = QString::number(w.Kommastellen);
    firmaFeld = w.Firmenname;
}

void Verwaltung::passwortPruefen() {
    if (passwortFeld.isEmpty() || passwortFeld != adminPasswort)
        return;
    seite = Seite::Nutzerverwaltung;
    gesperrt = false;
    fokus = Fokus::Pin;
    if (w.AutopfadGesetzt)
        autopfadAnzeige = w.Autopfad;
}

void Verwaltung::passwortGetippt(const QString& text) {
    passwortFeld = text.left(PasswortLaenge);
    passwortPruefen();
}

void Verwaltung::zahlentexteAuffrischen() {
    w.KommastellenText = QString::number(w.Kommastellen);
    w.RechnerModusText = QString::number(w.RechnerModus);
    w.OhneAnmeldungText = QString::number(w.OhneAnmeldung);
    w.Firmenname = firmaFeld;
}

void Verwaltung::verlassen() {
    NutzerlisteSpeichern(nutzerliste, m_dialoge);
    haupt.anmeldenNachListe(!nutzerliste.isEmpty());
    zahlentexteAuffrischen();
    EinstellungenSchreiben(w);
    haupt.rolle.uebernehmen(rollenkopie);
    beimSchliessen();
}

// The next showing fills the copy again; until then it would only keep a second roll alive
// beside the main roll.
void Verwaltung::beimSchliessen() {
    sichtbar = false;
    haupt.rolle.nichtMehrBeobachten(&m_nachtrag);
    rollenkopie.leeren();
    haupt.nachVerwaltung();
    haupt.firmenText = w.Firmenname;
}

// A path the settings file cannot hold would come back as another path at the next start, or
// split the file's lines: it is refused before anything is stored.
void Verwaltung::autopfadSpeichern() {
    if (!EinstellungszeileMoeglich(w.Rollenpfad))
        throw Fehler(autopfadUnmoeglich);
    w.AutopfadGesetzt = true;
    zahlentexteAuffrischen();
    w.AutopfadText = QStringLiteral("True");
    w.Autopfad = w.Rollenpfad;
    EinstellungenSchreiben(w);
    autopfadAnzeige = w.Autopfad;
}

void Verwaltung::autopfadLoeschen() {
    w.AutopfadGesetzt = false;
    zahlentexteAuffrischen();
    w.AutopfadText = QStringLiteral("False");
    w.Autopfad.clear();
    EinstellungenSchreiben(w);
    autopfadAnzeige = w.Autopfad;
}

void Verwaltung::kommastellenGeaendert() {
    w.Kommastellen = static_cast<quint8>(kommastellenRegler);
    kommastellenText = QString::number(kommastellenRegler);
}

void Verwaltung::euroWaehlen() {
    euroMarkiert = true;
    standardMarkiert = false;
    w.RechnerModus = Programmwerte::Euromodus;
}

void Verwaltung::standardWaehlen() {
    standardMarkiert = true;
    euroMarkiert = false;
    w.RechnerModus = Programmwerte::Standardmodus;
}

void Verwaltung::ohneAnmeldungGeaendert() {
    w.OhneAnmeldung =
        ohneAnmeldungAngehakt ? Programmwerte::AnmeldungAus : Programmwerte::AnmeldungEin;
}

void Verwaltung::rolleLeeren() {
    if (m_dialoge.frage(clearingFrage) == Dialoge::Antwort::Ja)
        haupt.allesLoeschen(rollenkopie);
}
