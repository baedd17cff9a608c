// The administration window: showing and locking, unlocking, leaving, the automatic path and
// the settings tab.
#include "rechner/kern/registrierung.h"

#include "rechner/kern/datendateien.h"

#include <algorithm>

namespace {
const QString adminPasswort = QStringLiteral("573904");
const QString clearingFrage =
    QStringLiteral("Achtung, möchten Sie wirklich die gesamte Rolle löschen ?");
} // namespace

Registrierung::Registrierung(Programmwerte& werte, Hauptmodell& hauptmodell, Dialoge& dialoge)
    : w(werte), haupt(hauptmodell), m_dialoge(dialoge),
      m_rollen(werte, hauptmodell.rolle, RichEdit1, m_dialoge) {}

Registrierung::~Registrierung() {
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
Registrierung::Speicherung Registrierung::rolleSpeichern() {
    const bool vorher = w.RolleGespeichert;
    w.RolleGespeichert = false;
    m_dialoge.dateiGewaehlt = false;
    try {
        m_rollen.BitBtn24Click();
    } catch (...) {
        w.RolleGespeichert = vorher;
        throw;
    }
    if (w.RolleGespeichert)
        return Speicherung::Gespeichert;
    w.RolleGespeichert = vorher;
    return m_dialoge.dateiGewaehlt ? Speicherung::Fehlgeschlagen : Speicherung::Abgebrochen;
}

void Registrierung::FormShow() {
    Sichtbar = true;
    PageControl1 = Seite::Login;
    Gesperrt = true;
    AdminPasswort = adminPasswort;
    Edit2.clear();
    Edit1.clear();
    Edit3.clear(); // the empty text never unlocks, so its change needs no check
    Fokus = QStringLiteral("Edit3");
    PinAbdeckungZaehler = 1;
    einstellungenZeigen();
    RichEdit1.uebernehmen(haupt.rolle);
    haupt.rolle.beobachten(&m_nachtrag);
}

// Selecting a radio button, changing the check box and moving the bar run their handlers, which
// store the value just shown; a bar moved down from above 6 thereby sets the decimals to 6.
void Registrierung::einstellungenZeigen() {
    if (w.euroModus()) {
        RadioButton2 = false;
        if (!RadioButton1)
            RadioButton1Click();
    }
    if (w.standardModus()) {
        RadioButton1 = false;
        if (!RadioButton2)
            RadioButton2Click();
    }
    const bool vorher = CheckBox1;
    if (w.ohneAnmeldung())
        CheckBox1 = true;
    if (w.anmeldungVerlangt())
        CheckBox1 = false;
    if (CheckBox1 != vorher)
        CheckBox1Click();
    const int position = std::min<int>(w.Kommastellen, 6);
    if (position != TrackBar1) {
        TrackBar1 = position;
        TrackBar1Change();
    }
    Label9 = QString::number(w.Kommastellen);
    Edit4 = w.Firmenname;
}

void Registrierung::Edit3Change() {
    if (Edit3.isEmpty() || Edit3 != AdminPasswort)
        return;
    PageControl1 = Seite::Nutzerverwaltung;
    Gesperrt = false;
    Fokus = QStringLiteral("Edit2");
    if (w.AutopfadGesetzt)
        Panel2 = w.Autopfad;
}

void Registrierung::Edit3Getippt(const QString& text) {
    Edit3 = text.left(PasswortLaenge);
    Edit3Change();
}

void Registrierung::zahlentexteAuffrischen() {
    w.KommastellenText = QString::number(w.Kommastellen);
    w.RechnerModusText = QString::number(w.RechnerModus);
    w.OhneAnmeldungText = QString::number(w.OhneAnmeldung);
    w.Firmenname = Edit4;
}

void Registrierung::BitBtn1Click() {
    NutzerlisteSpeichern(Memo1, m_dialoge);
    haupt.anmeldenNachListe(!Memo1.isEmpty());
    zahlentexteAuffrischen();
    EinstellungenSchreiben(w);
    haupt.rolle.uebernehmen(RichEdit1);
    FormClose();
}

// The next showing fills the copy again; until then it would only keep a second roll alive
// beside the main roll.
void Registrierung::FormClose() {
    Sichtbar = false;
    haupt.rolle.nichtMehrBeobachten(&m_nachtrag);
    RichEdit1.leeren();
    haupt.nachVerwaltung();
    haupt.firmenText = w.Firmenname;
}

void Registrierung::BitBtn4Click() {
    w.AutopfadGesetzt = true;
    zahlentexteAuffrischen();
    w.AutopfadText = QStringLiteral("True");
    w.Autopfad = w.Rollenpfad;
    EinstellungenSchreiben(w);
    Panel2 = w.Autopfad;
}

void Registrierung::BitBtn5Click() {
    w.AutopfadGesetzt = false;
    zahlentexteAuffrischen();
    w.AutopfadText = QStringLiteral("False");
    w.Autopfad.clear();
    EinstellungenSchreiben(w);
    Panel2 = w.Autopfad;
}

void Registrierung::TrackBar1Change() {
    w.Kommastellen = static_cast<quint8>(TrackBar1);
    Label9 = QString::number(TrackBar1);
}

void Registrierung::RadioButton1Click() {
    RadioButton1 = true;
    RadioButton2 = false;
    w.RechnerModus = Programmwerte::Euromodus;
}

void Registrierung::RadioButton2Click() {
    RadioButton2 = true;
    RadioButton1 = false;
    w.RechnerModus = Programmwerte::Standardmodus;
}

void Registrierung::CheckBox1Click() {
    w.OhneAnmeldung = CheckBox1 ? Programmwerte::AnmeldungAus : Programmwerte::AnmeldungEin;
}

void Registrierung::BitBtn29Click() {
    if (m_dialoge.frage(clearingFrage) == Dialoge::Antwort::Ja)
        haupt.allesLoeschen(RichEdit1);
}
