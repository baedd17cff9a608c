// The administration window: showing and locking, unlocking, leaving, the automatic path and
// the settings tab.
#include "rechner/kern/verwaltung.h"

#include "common/fehler.h"
#include "rechner/kern/datendateien.h"

#include <algorithm>

namespace {
const QString FestesPasswort = QStringLiteral("573904");
const QString ClearingFrage =
    QStringLiteral("Achtung, möchten Sie wirklich die gesamte Rolle löschen ?");
const QString AutopfadUnmoeglich = QStringLiteral(
    "Dieser Pfad kann nicht als Autopfad gespeichert werden: Er enthält einen Zeilenumbruch "
    "oder ein Zeichen, das die Einstellungsdatei nicht aufnehmen kann!");
} // namespace

Verwaltung::Verwaltung(Programmwerte& werte, Hauptmodell& hauptmodell, Dialoge& dialoge)
    : m_werte(werte), m_haupt(hauptmodell), m_dialoge(dialoge),
      m_rollen(werte, hauptmodell.rolle(), m_rollenkopie, dialoge) {}

Verwaltung::~Verwaltung() {
    m_haupt.rolle().nichtMehrBeobachten(&m_nachtrag);
}

// The new lines hold no break, so each of them ended by CR is a piece that gives exactly these
// lines again by the append rule.
void Rollennachtrag::angehaengt(qsizetype erste) {
    QString stueck;
    for (qsizetype i = erste; i < m_haupt.anzahl(); ++i)
        stueck += m_haupt.zeile(i) + QLatin1Char('\r');
    m_kopie.anhaengen(stueck);
}

void Verwaltung::beimZeigen() {
    m_sichtbar = true;
    m_seite = Seite::Login;
    m_gesperrt = true;
    m_adminPasswort = FestesPasswort;
    m_pinFeld.clear();
    m_nameFeld.clear();
    m_passwortFeld.clear(); // the empty text never unlocks, so its change needs no check
    m_fokus = Fokus::Passwort;
    m_pinAbdeckungZaehler = 1;
    einstellungenZeigen();
    m_rollenkopie.uebernehmen(m_haupt.rolle());
    m_haupt.rolle().beobachten(&m_nachtrag);
}

// Selecting a radio button, changing the check box and moving the bar run their handlers, which
// store the value just shown; a bar moved down from above 6 thereby sets the decimals to 6.
void Verwaltung::einstellungenZeigen() {
    if (m_werte.euroModus())
        euroGeklickt();
    if (m_werte.standardModus())
        standardGeklickt();
    const bool vorher = m_ohneAnmeldungAngehakt;
    if (m_werte.ohneAnmeldung())
        m_ohneAnmeldungAngehakt = true;
    if (m_werte.anmeldungVerlangt())
        m_ohneAnmeldungAngehakt = false;
    if (m_ohneAnmeldungAngehakt != vorher)
        ohneAnmeldungGeaendert();
    const int position = std::min<int>(m_werte.Kommastellen, 6);
    if (position != m_kommastellenRegler) {
        m_kommastellenRegler = position;
        kommastellenGeaendert();
    }
    m_kommastellenText = QString::number(m_werte.Kommastellen);
    m_firmaFeld = m_werte.Firmenname;
}

void Verwaltung::passwortPruefen() {
    if (m_passwortFeld.isEmpty() || m_passwortFeld != m_adminPasswort)
        return;
    m_seite = Seite::Nutzerverwaltung;
    m_gesperrt = false;
    m_fokus = Fokus::Pin;
    if (m_werte.AutopfadGesetzt)
        m_autopfadAnzeige = m_werte.Autopfad;
}

void Verwaltung::passwortGetippt(const QString& text) {
    m_passwortFeld = text.left(PasswortLaenge);
    passwortPruefen();
}

void Verwaltung::zahlentexteAuffrischen() {
    m_werte.KommastellenText = QString::number(m_werte.Kommastellen);
    m_werte.RechnerModusText = QString::number(m_werte.RechnerModus);
    m_werte.OhneAnmeldungText = QString::number(m_werte.OhneAnmeldung);
    m_werte.Firmenname = m_firmaFeld;
}

void Verwaltung::verlassen() {
    NutzerlisteSpeichern(m_nutzerliste, m_dialoge);
    m_haupt.anmeldenNachListe(!m_nutzerliste.isEmpty());
    zahlentexteAuffrischen();
    EinstellungenSchreiben(m_werte);
    m_haupt.rolle().uebernehmen(m_rollenkopie);
    beimSchliessen();
}

// The next showing fills the copy again; until then it would only keep a second roll alive
// beside the main roll.
void Verwaltung::beimSchliessen() {
    m_sichtbar = false;
    m_haupt.rolle().nichtMehrBeobachten(&m_nachtrag);
    m_rollenkopie.leeren();
    m_haupt.nachVerwaltung();
    m_haupt.firmennameZeigen();
}

// A path the settings file cannot hold would come back as another path at the next start, or
// split the file's lines: it is refused before anything is stored.
void Verwaltung::autopfadSpeichern() {
    if (!einstellungszeileMoeglich(m_werte.Rollenpfad))
        throw Fehler(AutopfadUnmoeglich);
    m_werte.AutopfadGesetzt = true;
    zahlentexteAuffrischen();
    m_werte.AutopfadText = QStringLiteral("True");
    m_werte.Autopfad = m_werte.Rollenpfad;
    EinstellungenSchreiben(m_werte);
    m_autopfadAnzeige = m_werte.Autopfad;
}

void Verwaltung::autopfadLoeschen() {
    m_werte.AutopfadGesetzt = false;
    zahlentexteAuffrischen();
    m_werte.AutopfadText = QStringLiteral("False");
    m_werte.Autopfad.clear();
    EinstellungenSchreiben(m_werte);
    m_autopfadAnzeige = m_werte.Autopfad;
}

void Verwaltung::kommastellenGeschoben(int position) {
    m_kommastellenRegler = position;
    kommastellenGeaendert();
}

void Verwaltung::kommastellenGeaendert() {
    m_werte.Kommastellen = static_cast<quint8>(m_kommastellenRegler);
    m_kommastellenText = QString::number(m_kommastellenRegler);
}

void Verwaltung::euroGeklickt() {
    if (m_modus != Modus::Euro)
        euroWaehlen();
}

void Verwaltung::standardGeklickt() {
    if (m_modus != Modus::Standard)
        standardWaehlen();
}

void Verwaltung::euroWaehlen() {
    m_modus = Modus::Euro;
    m_werte.RechnerModus = Programmwerte::Euromodus;
}

void Verwaltung::standardWaehlen() {
    m_modus = Modus::Standard;
    m_werte.RechnerModus = Programmwerte::Standardmodus;
}

void Verwaltung::ohneAnmeldungGeklickt(bool angehakt) {
    m_ohneAnmeldungAngehakt = angehakt;
    ohneAnmeldungGeaendert();
}

void Verwaltung::ohneAnmeldungGeaendert() {
    m_werte.OhneAnmeldung =
        m_ohneAnmeldungAngehakt ? Programmwerte::AnmeldungAus : Programmwerte::AnmeldungEin;
}

void Verwaltung::rolleLeeren() {
    if (m_dialoge.frage(ClearingFrage) == Dialoge::Antwort::Ja)
        m_haupt.allesLoeschen(m_rollenkopie);
}
