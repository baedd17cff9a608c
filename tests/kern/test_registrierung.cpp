// The administration window's model: locking and unlocking, the settings tab, the automatic
// path, leaving and closing, clearing the roll copy, and the operator list.
#include "hilfen/tasten.h"
#include "rechner/kern/rollendatei.h"
#include "start_fixture.h"

namespace {

using Seite = Registrierung::Seite;

class Verwaltung : public StartTest {
protected:
    Verwaltung() {
        w.Kommastellen = 2;
        w.RechnerModus = 1;
        w.OhneAnmeldung = 2;
        w.AutopfadText = QStringLiteral("True");
        w.Firmenname = QStringLiteral("Laden Nord");
    }
    void entsperren() {
        reg.FormShow();
        reg.Edit3Getippt(QStringLiteral("573904"));
        ASSERT_FALSE(reg.Gesperrt);
    }
    QStringList einstellungsdatei() const {
        return ansiZuText(lesen(QStringLiteral("AUTMV.txt"))).split(QStringLiteral("\r\n"));
    }
};

TEST_F(Verwaltung, JedesZeigenSperrt) {
    entsperren();
    reg.Edit2 = QStringLiteral("12");
    reg.Edit3Getippt(QStringLiteral("57390"));
    EXPECT_FALSE(reg.Gesperrt) << "no relock while the window is open";
    reg.FormShow();
    EXPECT_TRUE(reg.Gesperrt);
    EXPECT_EQ(reg.PageControl1, Seite::Login);
    EXPECT_EQ(reg.Fokus, QStringLiteral("Edit3"));
    EXPECT_TRUE(reg.Edit2.isEmpty());
    EXPECT_TRUE(reg.Edit3.isEmpty());
    EXPECT_EQ(reg.PinAbdeckungZaehler, 1);
}

// Typing the password character by character: only the sixth character unlocks, and only the
// right six; a seventh character is not taken.
class Passwort : public Verwaltung,
                 public ::testing::WithParamInterface<std::pair<const char*, bool>> {};
TEST_P(Passwort, EntsperrtNurMitDemPasswort) {
    const auto [getippt, entsperrt] = GetParam();
    reg.FormShow();
    const QString text = QString::fromLatin1(getippt);
    for (qsizetype i = 1; i <= text.size(); ++i)
        reg.Edit3Getippt(text.left(i));
    EXPECT_EQ(reg.Gesperrt, !entsperrt);
    EXPECT_EQ(reg.PageControl1, entsperrt ? Seite::Nutzerverwaltung : Seite::Login);
    EXPECT_LE(reg.Edit3.size(), Registrierung::PasswortLaenge);
}
INSTANTIATE_TEST_SUITE_P(Eingaben, Passwort,
                         ::testing::Values(std::pair{"573904", true}, std::pair{"57390", false},
                                           std::pair{"573905", false}, std::pair{"", false},
                                           std::pair{"5739041", true},
                                           std::pair{"0573904", false}));

TEST_F(Verwaltung, EntsperrenZeigtAutopfadNurWennGesetzt) {
    w.Autopfad = QStringLiteral("/rollen/Kasse.KRO");
    w.AutopfadGesetzt = 0;
    entsperren();
    EXPECT_TRUE(reg.Panel2.isEmpty());
    w.AutopfadGesetzt = 1;
    entsperren();
    EXPECT_EQ(reg.Panel2, w.Autopfad);
    EXPECT_EQ(reg.Fokus, QStringLiteral("Edit2"));
}

struct Anzeigefall {
    int modus, ohneAnmeldung, kommastellen;
    bool euro, standard, haken;
    int modusDanach, ohneDanach, kommastellenDanach;
};
class Einstellungsanzeige : public Verwaltung, public ::testing::WithParamInterface<Anzeigefall> {};
// The controls show the settings; a value above 6 moves the bar to 6 and thereby sets it.
TEST_P(Einstellungsanzeige, ZeigtUndUebernimmt) {
    const Anzeigefall& fall = GetParam();
    w.RechnerModus = static_cast<quint8>(fall.modus);
    w.OhneAnmeldung = static_cast<quint8>(fall.ohneAnmeldung);
    w.Kommastellen = static_cast<quint8>(fall.kommastellen);
    reg.FormShow();
    EXPECT_EQ(reg.RadioButton1, fall.euro);
    EXPECT_EQ(reg.RadioButton2, fall.standard);
    EXPECT_EQ(reg.CheckBox1, fall.haken);
    EXPECT_EQ(w.RechnerModus, fall.modusDanach);
    EXPECT_EQ(w.OhneAnmeldung, fall.ohneDanach);
    EXPECT_EQ(w.Kommastellen, fall.kommastellenDanach);
    EXPECT_EQ(reg.TrackBar1, std::min(fall.kommastellen, 6));
    EXPECT_EQ(reg.Label9, QString::number(fall.kommastellenDanach));
    EXPECT_EQ(reg.Edit4, w.Firmenname);
}
INSTANTIATE_TEST_SUITE_P(Werte, Einstellungsanzeige,
                         ::testing::Values(Anzeigefall{1, 1, 2, true, false, true, 1, 1, 2},
                                           Anzeigefall{2, 2, 0, false, true, false, 2, 2, 0},
                                           Anzeigefall{0, 0, 0, false, false, false, 0, 0, 0},
                                           Anzeigefall{1, 2, 9, true, false, false, 1, 2, 6},
                                           Anzeigefall{2, 1, 6, false, true, true, 2, 1, 6}));

TEST_F(Verwaltung, StandartRechnerGiltSofort) {
    entsperren();
    reg.RadioButton2Click();
    druecke(haupt, QStringLiteral("1 2 +"));
    EXPECT_EQ(haupt.rolle.zeilen(), QStringList{QStringLiteral("12,00  ")});
    EXPECT_EQ(w.RechnerModusText, QString()) << "the text changes only with the next write";
}

TEST_F(Verwaltung, VerlassenSchreibtBeideDateienUndUebergibtDieRolle) {
    ordnerAnlegen();
    haupt.rolle.ersetzen({QStringLiteral("alt")});
    w.Autopfad = QStringLiteral("/rollen/Kasse.KRO");
    entsperren();
    reg.Edit2 = QStringLiteral("1234");
    reg.Edit1Getippt(QStringLiteral("Kasse Eins"));
    reg.BitBtn2Click();
    reg.Edit2 = QStringLiteral("77");
    reg.Edit1Getippt(QStringLiteral("Lager"));
    reg.BitBtn2Click();
    reg.TrackBar1 = 3;
    reg.TrackBar1Change();
    reg.Edit4 = QStringLiteral("Café Jörg");
    reg.RichEdit1.anhaengen(QStringLiteral("neu\r"));
    reg.BitBtn1Click();

    EXPECT_EQ(lesen(QStringLiteral("KRAMV.txt")), QByteArray("1234  KASSE EINS\r\n77  LAGER\r\n"));
    EXPECT_EQ(lesen(QStringLiteral("AUTMV.txt")),
              QByteArray("True\r\n/rollen/Kasse.KRO\r\n3\r\n1\r\n2\r\nCaf\xe9 J\xf6rg\r\n"));
    EXPECT_EQ(haupt.rolle.zeilen(), (QStringList{QStringLiteral("alt"), QStringLiteral("neu")}));
    EXPECT_FALSE(reg.Sichtbar);
    EXPECT_TRUE(haupt.anmeldenAktiv());
    EXPECT_TRUE(haupt.anmeldeDeckelSichtbar());
    EXPECT_EQ(haupt.firmenText, QStringLiteral("Café Jörg"));
}

// Leaving while locked writes the list unchanged and the values the locked controls show.
TEST_F(Verwaltung, VerlassenOhneEntsperren) {
    ordnerAnlegen();
    reg.Memo1Getippt(QStringLiteral("1234  KASSE EINS\r\n"));
    reg.FormShow();
    reg.BitBtn1Click();
    EXPECT_EQ(lesen(QStringLiteral("KRAMV.txt")), QByteArray("1234  KASSE EINS\r\n"));
    EXPECT_EQ(
        einstellungsdatei(),
        (QStringList{QStringLiteral("True"), QString(), QStringLiteral("2"), QStringLiteral("1"),
                     QStringLiteral("2"), QStringLiteral("Laden Nord"), QString()}));
}

// Without the data folder: the operator file fails with its message, the settings write raises
// and leaving stops there, open and unlocked, with the main roll not replaced.
TEST_F(Verwaltung, VerlassenMitScheiterndemEinstellungsschreiben) {
    haupt.rolle.ersetzen({QStringLiteral("alt")});
    entsperren();
    reg.Memo1Getippt(QStringLiteral("1234  KASSE EINS\r\n"));
    reg.Edit4 = QStringLiteral("Neu");
    reg.RichEdit1.leeren();
    haupt.firmenText = QStringLiteral("vorher");
    EXPECT_EQ(fehlerVon([&] { reg.BitBtn1Click(); }), Fehlertexte::UngueltigerDateiname);
    EXPECT_EQ(dialoge.protokoll,
              QStringList{QStringLiteral("meldung: Fehler beim Speichern der Datei!")});
    EXPECT_TRUE(haupt.anmeldenAktiv());
    EXPECT_EQ(w.Firmenname, QStringLiteral("Neu"));
    EXPECT_EQ(w.KommastellenText, QStringLiteral("2"));
    EXPECT_EQ(haupt.rolle.zeilen(), QStringList{QStringLiteral("alt")});
    EXPECT_TRUE(reg.Sichtbar);
    EXPECT_FALSE(reg.Gesperrt);
    EXPECT_EQ(haupt.firmenText, QStringLiteral("vorher")) << "FormClose did not run";
    EXPECT_FALSE(QDir(ordner()).exists()) << "the program never creates the data folder";
}

struct Schliessfall {
    int ohneAnmeldung;
    bool deckel, drucken;
};
class Schliessen : public Verwaltung, public ::testing::WithParamInterface<Schliessfall> {};
TEST_P(Schliessen, SchaltetDeckelUndDrucken) {
    const Schliessfall& fall = GetParam();
    haupt.nachAbmeldung();
    w.OhneAnmeldung = static_cast<quint8>(fall.ohneAnmeldung);
    reg.FormClose();
    EXPECT_EQ(haupt.anmeldeDeckelSichtbar(), fall.deckel);
    EXPECT_EQ(haupt.druckenAktiv(), fall.drucken);
    EXPECT_EQ(haupt.firmenText, w.Firmenname);
}
INSTANTIATE_TEST_SUITE_P(Modi, Schliessen,
                         ::testing::Values(Schliessfall{1, false, true},
                                           Schliessfall{2, true, false},
                                           Schliessfall{0, true, false}));

// Clearing the tick with an empty list: nobody can sign in until operators are registered.
TEST_F(Verwaltung, OhneHakenUndOhneNutzerBleibtAnmeldenAus) {
    ordnerAnlegen();
    w.OhneAnmeldung = 1;
    entsperren();
    reg.CheckBox1 = false;
    reg.CheckBox1Click();
    reg.BitBtn1Click();
    EXPECT_TRUE(haupt.anmeldeDeckelSichtbar());
    EXPECT_FALSE(haupt.anmeldenAktiv());
}

TEST_F(Verwaltung, AutopfadSpeichernNimmtDenRollenpfad) {
    ordnerAnlegen();
    entsperren();
    w.Rollenpfad = ordner() + QStringLiteral("Kasse.KRO");
    reg.BitBtn4Click();
    EXPECT_EQ(einstellungsdatei().mid(0, 2), (QStringList{QStringLiteral("True"), w.Rollenpfad}));
    EXPECT_EQ(reg.Panel2, w.Rollenpfad);
    EXPECT_EQ(w.AutopfadGesetzt, 1);
    w.Rollenpfad.clear();
    reg.BitBtn4Click();
    EXPECT_EQ(einstellungsdatei().mid(0, 2), (QStringList{QStringLiteral("True"), QString()}));
    EXPECT_TRUE(reg.Panel2.isEmpty());
}

TEST_F(Verwaltung, AutopfadLoeschenUndDanachLeereAnzeige) {
    ordnerAnlegen();
    w.Autopfad = QStringLiteral("/rollen/Kasse.KRO");
    w.AutopfadGesetzt = 1;
    entsperren();
    reg.BitBtn5Click();
    EXPECT_EQ(lesen(QStringLiteral("AUTMV.txt")).left(9), QByteArray("False\r\n\r\n"));
    EXPECT_TRUE(reg.Panel2.isEmpty());
    entsperren();
    EXPECT_TRUE(reg.Panel2.isEmpty());
}

TEST_F(Verwaltung, AutopfadknopfMitScheiterndemSchreiben) {
    entsperren();
    reg.Panel2 = QStringLiteral("vorher");
    w.Rollenpfad = QStringLiteral("/rollen/Kasse.KRO");
    EXPECT_EQ(fehlerVon([&] { reg.BitBtn4Click(); }), Fehlertexte::UngueltigerDateiname);
    EXPECT_EQ(w.AutopfadGesetzt, 1);
    EXPECT_EQ(w.AutopfadText, QStringLiteral("True"));
    EXPECT_EQ(w.Autopfad, w.Rollenpfad);
    EXPECT_EQ(reg.Panel2, QStringLiteral("vorher"));
}

TEST_F(Verwaltung, RollenkopieLeerenNurNachJa) {
    haupt.rolle.ersetzen({QStringLiteral("a"), QStringLiteral("b")});
    haupt.uhrText = QStringLiteral("07.12.2026 22:40:15");
    entsperren();
    dialoge.antworten = {Dialoge::Antwort::Nein, Dialoge::Antwort::Ja};
    reg.BitBtn29Click();
    EXPECT_EQ(reg.RichEdit1.zeilen(), haupt.rolle.zeilen());
    reg.BitBtn29Click();
    EXPECT_EQ(reg.RichEdit1.anzahl(), 7);
    EXPECT_EQ(reg.RichEdit1.zeile(2), QStringLiteral("07.12.2026 22:40:15  "));
    EXPECT_EQ(haupt.rolle.anzahl(), 2) << "the main roll takes the copy only on leaving";
    EXPECT_EQ(dialoge.protokoll.size(), 2);
    EXPECT_EQ(dialoge.protokoll[0],
              QStringLiteral("frage: Achtung, möchten Sie wirklich die gesamte Rolle löschen ?"));
}

// The operator list.

struct Eintrag {
    const char* pin;
    const char* name;
    const char* zeile;
};
class Hinzufuegen : public Verwaltung, public ::testing::WithParamInterface<Eintrag> {};
TEST_P(Hinzufuegen, OhnePruefungAlsEigeneZeile) {
    const Eintrag& e = GetParam();
    entsperren();
    reg.Memo1Getippt(QStringLiteral("1111  ERSTE\r\n"));
    reg.Edit2 = QString::fromUtf8(e.pin);
    reg.Edit1Getippt(QString::fromUtf8(e.name));
    reg.BitBtn2Click();
    EXPECT_EQ(reg.Nutzerzeilen(),
              (QStringList{QStringLiteral("1111  ERSTE"), QString::fromUtf8(e.zeile)}));
    EXPECT_TRUE(reg.Memo1.endsWith(QStringLiteral("\r\n")));
    EXPECT_EQ(w.NutzerAnzahl, 2);
    EXPECT_EQ(reg.Label6, QStringLiteral("2"));
    EXPECT_EQ(haupt.statuszeile[1], QStringLiteral("Registrierte Nutzer: 2"));
    EXPECT_TRUE(reg.Edit2.isEmpty());
    EXPECT_TRUE(reg.Edit1.isEmpty());
    EXPECT_EQ(reg.Fokus, QStringLiteral("Edit2"));
}
INSTANTIATE_TEST_SUITE_P(Eintraege, Hinzufuegen,
                         ::testing::Values(Eintrag{"", "", "  "},
                                           Eintrag{"12", "Kasse", "12  KASSE"},
                                           Eintrag{"ab1", "Straße", "ab1  STRAßE"},
                                           Eintrag{"1111", "erste", "1111  ERSTE"}));

// A hand edit removed the final line break: the new entry still starts a line of its own.
TEST_F(Verwaltung, HinzufuegenNachHandeingabeOhneZeilenende) {
    entsperren();
    reg.Memo1Getippt(QStringLiteral("1111  ERSTE"));
    EXPECT_EQ(w.NutzerAnzahl, 1);
    reg.Edit2 = QStringLiteral("2222");
    reg.BitBtn2Click();
    EXPECT_EQ(reg.Memo1, QStringLiteral("1111  ERSTE\r\n2222  \r\n"));
    EXPECT_EQ(w.NutzerAnzahl, 2);
}

TEST_F(Verwaltung, AlleLoeschenZaehltNull) {
    entsperren();
    reg.Memo1Getippt(QStringLiteral("1111  ERSTE\r\n2222  ZWEITE\r\n"));
    reg.Edit2 = QStringLiteral("9");
    reg.BitBtn3Click();
    EXPECT_TRUE(reg.Memo1.isEmpty());
    EXPECT_EQ(reg.Label6, QStringLiteral("0"));
    EXPECT_EQ(w.NutzerAnzahl, 0);
    EXPECT_EQ(haupt.statuszeile[1], QStringLiteral("Registrierte Nutzer: 0"));
    EXPECT_TRUE(reg.Edit2.isEmpty());
}

TEST_F(Verwaltung, ZeilenzaehlungNachDerRegelDerListe) {
    const std::pair<const char*, int> faelle[] = {
        {"", 0}, {"\r\n", 1}, {"a\r\n\r\nb", 3}, {"a\r\nb\r\n", 2}, {"a", 1}};
    for (const auto& [text, anzahl] : faelle) {
        reg.Memo1Getippt(QString::fromLatin1(text));
        EXPECT_EQ(w.NutzerAnzahl, anzahl) << text;
    }
}

// Presses alternate: uncover, cover, ...; a showing sets the counter to 1 wherever the panel is.
TEST_F(Verwaltung, PinAbdeckungWechselt) {
    const std::pair<int, int> abgedeckt{24, 267}, offen{256, 35};
    const auto lage = [&] {
        return std::pair{reg.Panel1Top, reg.Panel1Hoehe};
    };
    reg.FormShow();
    EXPECT_EQ(lage(), abgedeckt);
    reg.Panel1MouseDown();
    EXPECT_EQ(lage(), offen);
    reg.Panel1MouseDown();
    EXPECT_EQ(lage(), abgedeckt);
    reg.Panel1MouseDown();
    EXPECT_EQ(lage(), offen);
    reg.FormShow();
    EXPECT_EQ(lage(), offen) << "the showing leaves the panel where it is";
    reg.Panel1MouseDown();
    EXPECT_EQ(lage(), offen);
    reg.Panel1MouseDown();
    EXPECT_EQ(lage(), abgedeckt);
}

TEST_F(Verwaltung, ZeigenKopiertDieHauptrolle) {
    haupt.rolle.ersetzen({QStringLiteral("x"), QString()});
    reg.FormShow();
    EXPECT_EQ(reg.RichEdit1.zeilen(), haupt.rolle.zeilen());
}

// Lines appended to the main roll while the window is open (4 + 4 = on the keypad, a sign-out)
// reach the roll copy by the same rule and stay on the roll after leaving, behind the
// administrator's hand edit and clearing done meanwhile.
TEST_F(Verwaltung, ZeilenWaehrendDesOeffnensBleiben) {
    ordnerAnlegen();
    haupt.rolle.ersetzen({QStringLiteral("alt")});
    haupt.Grundstellung();
    entsperren();
    reg.RichEdit1.bereichErsetzen(0, 1, {QStringLiteral("alt, von Hand")});
    druecke(haupt, QStringLiteral("4 + 4 ="));
    haupt.rolle.anhaengen(QStringLiteral("\rABGEMELDET  \r\r"));
    const QStringList neu{QStringLiteral("4,00 €  "),
                          QStringLiteral("+ 4,00 €  "),
                          QStringLiteral("= 8,00 €  "),
                          QString(),
                          QString(),
                          QStringLiteral("ABGEMELDET  "),
                          QString()};
    EXPECT_EQ(haupt.rolle.zeilen(), QStringList{QStringLiteral("alt")} + neu);
    EXPECT_EQ(reg.RichEdit1.zeilen(), QStringList{QStringLiteral("alt, von Hand")} + neu);
    reg.BitBtn1Click();
    EXPECT_EQ(haupt.rolle.zeilen(), QStringList{QStringLiteral("alt, von Hand")} + neu);

    dialoge.antworten = {Dialoge::Antwort::Ja};
    entsperren();
    reg.BitBtn29Click();
    haupt.rolle.anhaengen(QStringLiteral("nach dem Leeren\r"));
    reg.BitBtn1Click();
    EXPECT_EQ(haupt.rolle.anzahl(), 7 + 1);
    EXPECT_EQ(haupt.rolle.zeile(3), QStringLiteral("Administrator - Alles gelöscht!  "));
    EXPECT_EQ(haupt.rolle.zeile(7), QStringLiteral("nach dem Leeren"));
}

// Once the window is closed the copy follows the main roll no more.
TEST_F(Verwaltung, GeschlossenFolgtDieKopieNichtMehr) {
    ordnerAnlegen();
    entsperren();
    reg.BitBtn1Click();
    haupt.rolle.anhaengen(QStringLiteral("danach\r"));
    EXPECT_TRUE(reg.RichEdit1.zeilen().isEmpty());
    reg.FormShow();
    EXPECT_EQ(reg.RichEdit1.zeilen(), QStringList{QStringLiteral("danach")});
}

} // namespace
