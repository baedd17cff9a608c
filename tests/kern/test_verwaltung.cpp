// The administration window's model: locking and unlocking, the settings tab, the automatic
// path, leaving and closing, and the roll copy.
#include "rechner/kern/datendateien.h"
#include "rechner/kern/rollendatei.h"
#include "tests/hilfen/tasten.h"
#include "tests/kern/verwaltung_fixture.h"

namespace {

using Seite = Verwaltung::Seite;

TEST_F(Verwaltungsmodell, JedesZeigenSperrt) {
    entsperren();
    verwaltung.pinGetippt(QStringLiteral("12"));
    verwaltung.passwortGetippt(QStringLiteral("57390"));
    EXPECT_FALSE(verwaltung.gesperrt()) << "no relock while the window is open";
    verwaltung.beimZeigen();
    EXPECT_TRUE(verwaltung.gesperrt());
    EXPECT_EQ(verwaltung.seite(), Seite::Login);
    EXPECT_EQ(verwaltung.fokusNehmen(), Verwaltung::Fokus::Passwort);
    EXPECT_TRUE(verwaltung.pinFeld().isEmpty());
    EXPECT_TRUE(verwaltung.passwortFeld().isEmpty());
    verwaltung.pinDeckelGedrueckt();
    EXPECT_TRUE(verwaltung.pinsAufgedeckt()) << "the first press after a showing uncovers";
}

// Typing the password character by character: only the sixth character unlocks, and only the
// right six; a seventh character is not taken.
class Passwort : public Verwaltungsmodell,
                 public ::testing::WithParamInterface<std::pair<const char*, bool>> {};
TEST_P(Passwort, EntsperrtNurMitDemPasswort) {
    const auto [getippt, entsperrt] = GetParam();
    verwaltung.beimZeigen();
    const QString text = QString::fromLatin1(getippt);
    for (qsizetype i = 1; i <= text.size(); ++i)
        verwaltung.passwortGetippt(text.left(i));
    EXPECT_EQ(verwaltung.gesperrt(), !entsperrt);
    EXPECT_EQ(verwaltung.seite(), entsperrt ? Seite::Nutzerverwaltung : Seite::Login);
    EXPECT_LE(verwaltung.passwortFeld().size(), Verwaltung::PasswortLaenge);
}
INSTANTIATE_TEST_SUITE_P(Eingaben, Passwort,
                         ::testing::Values(std::pair{"573904", true}, std::pair{"57390", false},
                                           std::pair{"573905", false}, std::pair{"", false},
                                           std::pair{"5739041", true},
                                           std::pair{"0573904", false}));

TEST_F(Verwaltungsmodell, EntsperrenZeigtAutopfadNurWennGesetzt) {
    w.Autopfad = QStringLiteral("/rollen/Kasse.KRO");
    w.AutopfadGesetzt = false;
    entsperren();
    EXPECT_TRUE(verwaltung.autopfadAnzeige().isEmpty());
    w.AutopfadGesetzt = true;
    entsperren();
    EXPECT_EQ(verwaltung.autopfadAnzeige(), w.Autopfad);
    EXPECT_EQ(verwaltung.fokusNehmen(), Verwaltung::Fokus::Pin);
}

struct Anzeigefall {
    int modus, ohneAnmeldung, kommastellen;
    bool euro, standard, haken;
    int modusDanach, ohneDanach, kommastellenDanach;
};
class Einstellungsanzeige : public Verwaltungsmodell,
                            public ::testing::WithParamInterface<Anzeigefall> {};
// The controls show the settings; a value above 6 moves the bar to 6 and thereby sets it.
TEST_P(Einstellungsanzeige, ZeigtUndUebernimmt) {
    const Anzeigefall& fall = GetParam();
    w.RechnerModus = static_cast<quint8>(fall.modus);
    w.OhneAnmeldung = static_cast<quint8>(fall.ohneAnmeldung);
    w.Kommastellen = static_cast<quint8>(fall.kommastellen);
    verwaltung.beimZeigen();
    EXPECT_EQ(verwaltung.modus() == Verwaltung::Modus::Euro, fall.euro);
    EXPECT_EQ(verwaltung.modus() == Verwaltung::Modus::Standard, fall.standard);
    EXPECT_EQ(verwaltung.ohneAnmeldungAngehakt(), fall.haken);
    EXPECT_EQ(w.RechnerModus, fall.modusDanach);
    EXPECT_EQ(w.OhneAnmeldung, fall.ohneDanach);
    EXPECT_EQ(w.Kommastellen, fall.kommastellenDanach);
    EXPECT_EQ(verwaltung.kommastellenRegler(), std::min(fall.kommastellen, 6));
    EXPECT_EQ(verwaltung.kommastellenText(), QString::number(fall.kommastellenDanach));
    EXPECT_EQ(verwaltung.firmaFeld(), w.Firmenname);
}
INSTANTIATE_TEST_SUITE_P(Werte, Einstellungsanzeige,
                         ::testing::Values(Anzeigefall{1, 1, 2, true, false, true, 1, 1, 2},
                                           Anzeigefall{2, 2, 0, false, true, false, 2, 2, 0},
                                           Anzeigefall{0, 0, 0, false, false, false, 0, 0, 0},
                                           Anzeigefall{1, 2, 9, true, false, false, 1, 2, 6},
                                           Anzeigefall{2, 1, 6, false, true, true, 2, 1, 6}));

TEST_F(Verwaltungsmodell, StandartRechnerGiltSofort) {
    entsperren();
    verwaltung.standardGeklickt();
    druecke(haupt, QStringLiteral("1 2 +"));
    EXPECT_EQ(haupt.rolle().zeilen(), QStringList{QStringLiteral("12,00  ")});
    EXPECT_EQ(w.RechnerModusText, QString()) << "the text changes only with the next write";
}

TEST_F(Verwaltungsmodell, VerlassenSchreibtBeideDateienUndUebergibtDieRolle) {
    ordnerAnlegen();
    haupt.rolle().ersetzen({QStringLiteral("alt")});
    w.Autopfad = QStringLiteral("/rollen/Kasse.KRO");
    entsperren();
    verwaltung.pinGetippt(QStringLiteral("1234"));
    verwaltung.nameGetippt(QStringLiteral("Kasse Eins"));
    verwaltung.nutzerHinzufuegen();
    verwaltung.pinGetippt(QStringLiteral("77"));
    verwaltung.nameGetippt(QStringLiteral("Lager"));
    verwaltung.nutzerHinzufuegen();
    verwaltung.kommastellenGeschoben(3);
    verwaltung.firmaGetippt(QStringLiteral("Café Jörg"));
    verwaltung.rollenkopie().anhaengen(QStringLiteral("neu\r"));
    verwaltung.verlassen();

    EXPECT_EQ(lesen(QStringLiteral("KRAMV.txt")), QByteArray("1234  KASSE EINS\r\n77  LAGER\r\n"));
    EXPECT_EQ(lesen(QStringLiteral("AUTMV.txt")),
              QByteArray("True\r\n/rollen/Kasse.KRO\r\n3\r\n1\r\n2\r\nCaf\xe9 J\xf6rg\r\n"));
    EXPECT_EQ(haupt.rolle().zeilen(), (QStringList{QStringLiteral("alt"), QStringLiteral("neu")}));
    EXPECT_FALSE(verwaltung.sichtbar());
    EXPECT_TRUE(haupt.anmeldenAktiv());
    EXPECT_TRUE(haupt.anmeldeDeckelSichtbar());
    EXPECT_EQ(haupt.firmenText(), QStringLiteral("Café Jörg"));
}

// Leaving while locked writes the list unchanged and the values the locked controls show.
TEST_F(Verwaltungsmodell, VerlassenOhneEntsperren) {
    ordnerAnlegen();
    verwaltung.nutzerlisteGetippt(QStringLiteral("1234  KASSE EINS\r\n"));
    verwaltung.beimZeigen();
    verwaltung.verlassen();
    EXPECT_EQ(lesen(QStringLiteral("KRAMV.txt")), QByteArray("1234  KASSE EINS\r\n"));
    EXPECT_EQ(
        einstellungsdatei(),
        (QStringList{QStringLiteral("True"), QString(), QStringLiteral("2"), QStringLiteral("1"),
                     QStringLiteral("2"), QStringLiteral("Laden Nord"), QString()}));
}

// Without the data folder: the operator file fails with its message, the settings write raises
// and leaving stops there, open and unlocked, with the main roll not replaced.
TEST_F(Verwaltungsmodell, VerlassenMitScheiterndemEinstellungsschreiben) {
    haupt.rolle().ersetzen({QStringLiteral("alt")});
    entsperren();
    verwaltung.nutzerlisteGetippt(QStringLiteral("1234  KASSE EINS\r\n"));
    verwaltung.firmaGetippt(QStringLiteral("Neu"));
    verwaltung.rollenkopie().leeren();
    const QString firmaVorher = haupt.firmenText();
    EXPECT_EQ(fehlerVon([&] { verwaltung.verlassen(); }), Fehlertexte::UngueltigerDateiname);
    EXPECT_EQ(dialoge.protokoll,
              QStringList{QStringLiteral("meldung: Fehler beim Speichern der Datei!")});
    EXPECT_TRUE(haupt.anmeldenAktiv());
    EXPECT_EQ(w.Firmenname, QStringLiteral("Neu"));
    EXPECT_EQ(w.KommastellenText, QStringLiteral("2"));
    EXPECT_EQ(haupt.rolle().zeilen(), QStringList{QStringLiteral("alt")});
    EXPECT_TRUE(verwaltung.sichtbar());
    EXPECT_FALSE(verwaltung.gesperrt());
    EXPECT_EQ(haupt.firmenText(), firmaVorher) << "the closing steps did not run";
    EXPECT_FALSE(QDir(ordner()).exists()) << "the program never creates the data folder";
}

struct Schliessfall {
    int ohneAnmeldung;
    bool deckel, drucken;
};
class Schliessen : public Verwaltungsmodell, public ::testing::WithParamInterface<Schliessfall> {};
TEST_P(Schliessen, SchaltetDeckelUndDrucken) {
    const Schliessfall& fall = GetParam();
    haupt.nachAbmeldung();
    w.OhneAnmeldung = static_cast<quint8>(fall.ohneAnmeldung);
    verwaltung.beimSchliessen();
    EXPECT_EQ(haupt.anmeldeDeckelSichtbar(), fall.deckel);
    EXPECT_EQ(haupt.druckenAktiv(), fall.drucken);
    EXPECT_EQ(haupt.firmenText(), w.Firmenname);
}
INSTANTIATE_TEST_SUITE_P(Modi, Schliessen,
                         ::testing::Values(Schliessfall{1, false, true},
                                           Schliessfall{2, true, false},
                                           Schliessfall{0, true, false}));

// Leaving enables "Anmelden" when somebody is registered and the settings require sign-in, and
// leaves "Abmelden" as it is; the cover follows the setting, even over a signed-in operator, and
// stays as it was for a setting other than 1 and 2.
struct Verlassensfall {
    int ohneAnmeldung;
    bool nutzer, angemeldet;
    bool anmelden, deckel;
};
class Verlassen : public Verwaltungsmodell, public ::testing::WithParamInterface<Verlassensfall> {};
TEST_P(Verlassen, AnmeldenNachDerListe) {
    const Verlassensfall& fall = GetParam();
    ordnerAnlegen();
    w.OhneAnmeldung = static_cast<quint8>(fall.ohneAnmeldung);
    if (fall.nutzer)
        verwaltung.nutzerlisteGetippt(QStringLiteral("1234  KASSE EINS\r\n"));
    fall.angemeldet ? haupt.nachAnmeldung() : haupt.nachAbmeldung();
    verwaltung.beimZeigen();
    verwaltung.verlassen();
    EXPECT_EQ(haupt.anmeldenAktiv(), fall.anmelden);
    EXPECT_EQ(haupt.abmeldenAktiv(), fall.angemeldet);
    EXPECT_EQ(haupt.anmeldeDeckelSichtbar(), fall.deckel);
}
INSTANTIATE_TEST_SUITE_P(Faelle, Verlassen,
                         ::testing::Values(Verlassensfall{1, true, false, false, false},
                                           Verlassensfall{1, true, true, false, false},
                                           Verlassensfall{2, true, false, true, true},
                                           Verlassensfall{2, false, false, false, true},
                                           Verlassensfall{2, true, true, true, true},
                                           Verlassensfall{0, true, false, true, true},
                                           Verlassensfall{0, true, true, true, false}));

// Clearing the tick with an empty list: nobody can sign in until operators are registered.
TEST_F(Verwaltungsmodell, OhneHakenUndOhneNutzerBleibtAnmeldenAus) {
    ordnerAnlegen();
    w.OhneAnmeldung = 1;
    entsperren();
    verwaltung.ohneAnmeldungGeklickt(false);
    verwaltung.verlassen();
    EXPECT_TRUE(haupt.anmeldeDeckelSichtbar());
    EXPECT_FALSE(haupt.anmeldenAktiv());
}

TEST_F(Verwaltungsmodell, AutopfadSpeichernNimmtDenRollenpfad) {
    ordnerAnlegen();
    entsperren();
    w.Rollenpfad = ordner() + QStringLiteral("Kasse.KRO");
    verwaltung.autopfadSpeichern();
    EXPECT_EQ(einstellungsdatei().mid(0, 2), (QStringList{QStringLiteral("True"), w.Rollenpfad}));
    EXPECT_EQ(verwaltung.autopfadAnzeige(), w.Rollenpfad);
    EXPECT_TRUE(w.AutopfadGesetzt);
    w.Rollenpfad.clear();
    verwaltung.autopfadSpeichern();
    EXPECT_EQ(einstellungsdatei().mid(0, 2), (QStringList{QStringLiteral("True"), QString()}));
    EXPECT_TRUE(verwaltung.autopfadAnzeige().isEmpty());
}

// A path the settings file cannot hold as one line of Windows-1252 is refused before anything
// is stored: it would split the file's lines or come back as another path at the next start.
// Every path it can hold reads back as it was.
struct Autopfadfall {
    const char* name;
    const char16_t* pfad;
    bool gespeichert;
};

void PrintTo(const Autopfadfall& fall, std::ostream* os) {
    *os << fall.name;
}

class Autopfade : public Verwaltungsmodell, public ::testing::WithParamInterface<Autopfadfall> {};

TEST_P(Autopfade, NurWasDieEinstellungsdateiHaeltWirdGespeichert) {
    ordnerAnlegen();
    einstellungen({QStringLiteral("False"), QString(), QStringLiteral("2"), QStringLiteral("1"),
                   QStringLiteral("2"), QStringLiteral("Laden Nord")});
    const QByteArray vorher = lesen(QStringLiteral("AUTMV.txt"));
    entsperren();
    const QString anzeigeVorher = verwaltung.autopfadAnzeige();
    w.AutopfadText = QStringLiteral("False");
    w.Rollenpfad = ordner() + QString::fromUtf16(GetParam().pfad);
    const QString fehler = fehlerVon([&] { verwaltung.autopfadSpeichern(); });
    if (!GetParam().gespeichert) {
        EXPECT_EQ(fehler, QStringLiteral("Dieser Pfad kann nicht als Autopfad gespeichert werden: "
                                         "Er enthält einen Zeilenumbruch oder ein Zeichen, das "
                                         "die Einstellungsdatei nicht aufnehmen kann!"));
        EXPECT_EQ(lesen(QStringLiteral("AUTMV.txt")), vorher);
        EXPECT_FALSE(w.AutopfadGesetzt);
        EXPECT_EQ(w.AutopfadText, QStringLiteral("False"));
        EXPECT_TRUE(w.Autopfad.isEmpty());
        EXPECT_EQ(verwaltung.autopfadAnzeige(), anzeigeVorher);
        return;
    }
    EXPECT_EQ(fehler, QString());
    Programmwerte gelesen;
    EinstellungenLesen(gelesen);
    EXPECT_EQ(gelesen.AutopfadText, QStringLiteral("True"));
    EXPECT_EQ(gelesen.Autopfad, w.Rollenpfad);
    EXPECT_EQ(gelesen.Firmenname, QStringLiteral("Laden Nord"));
}

INSTANTIATE_TEST_SUITE_P(
    Pfade, Autopfade,
    ::testing::Values(Autopfadfall{"zeilenvorschub", u"eins.KRO\nzwei.KRO", false},
                      Autopfadfall{"wagenruecklauf", u"eins.KRO\rzwei.KRO", false},
                      Autopfadfall{"crlf", u"eins\r\n.KRO", false},
                      Autopfadfall{"ausserhalbVon1252", u"Kasse \u2713.KRO", false},
                      Autopfadfall{"nichtDarstellbar", u"K\uFFFDse.KRO", false},
                      Autopfadfall{"umlauteUndEuro", u"Käse € Œ.KRO", true},
                      Autopfadfall{"fragezeichen", u"Wer?.KRO", true},
                      Autopfadfall{"tabulator", u"a\tb.KRO", true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Verwaltungsmodell, AutopfadLoeschenUndDanachLeereAnzeige) {
    ordnerAnlegen();
    w.Autopfad = QStringLiteral("/rollen/Kasse.KRO");
    w.AutopfadGesetzt = true;
    entsperren();
    verwaltung.autopfadLoeschen();
    EXPECT_EQ(lesen(QStringLiteral("AUTMV.txt")).left(9), QByteArray("False\r\n\r\n"));
    EXPECT_TRUE(verwaltung.autopfadAnzeige().isEmpty());
    entsperren();
    EXPECT_TRUE(verwaltung.autopfadAnzeige().isEmpty());
}

TEST_F(Verwaltungsmodell, AutopfadknopfMitScheiterndemSchreiben) {
    entsperren();
    const QString anzeigeVorher = verwaltung.autopfadAnzeige();
    w.Rollenpfad = QStringLiteral("/rollen/Kasse.KRO");
    EXPECT_EQ(fehlerVon([&] { verwaltung.autopfadSpeichern(); }),
              Fehlertexte::UngueltigerDateiname);
    EXPECT_TRUE(w.AutopfadGesetzt);
    EXPECT_EQ(w.AutopfadText, QStringLiteral("True"));
    EXPECT_EQ(w.Autopfad, w.Rollenpfad);
    EXPECT_EQ(verwaltung.autopfadAnzeige(), anzeigeVorher);
}

TEST_F(Verwaltungsmodell, RollenkopieLeerenNurNachJa) {
    haupt.rolle().ersetzen({QStringLiteral("a"), QStringLiteral("b")});
    haupt.uhrtextSetzen(QStringLiteral("07.12.2026 22:40:15"));
    entsperren();
    dialoge.antworten = {Dialoge::Antwort::Nein, Dialoge::Antwort::Ja};
    verwaltung.rolleLeeren();
    EXPECT_EQ(verwaltung.rollenkopie().zeilen(), haupt.rolle().zeilen());
    verwaltung.rolleLeeren();
    EXPECT_EQ(verwaltung.rollenkopie().anzahl(), 7);
    EXPECT_EQ(verwaltung.rollenkopie().zeile(2), QStringLiteral("07.12.2026 22:40:15  "));
    EXPECT_EQ(haupt.rolle().anzahl(), 2) << "the main roll takes the copy only on leaving";
    EXPECT_EQ(dialoge.protokoll.size(), 2);
    EXPECT_EQ(dialoge.protokoll[0],
              QStringLiteral("frage: Achtung, möchten Sie wirklich die gesamte Rolle löschen ?"));
}

TEST_F(Verwaltungsmodell, ZeigenKopiertDieHauptrolle) {
    haupt.rolle().ersetzen({QStringLiteral("x"), QString()});
    verwaltung.beimZeigen();
    EXPECT_EQ(verwaltung.rollenkopie().zeilen(), haupt.rolle().zeilen());
}

// Lines appended to the main roll while the window is open (4 + 4 = on the keypad, a sign-out)
// reach the roll copy by the same rule and stay on the roll after leaving, behind the
// administrator's hand edit and clearing done meanwhile.
TEST_F(Verwaltungsmodell, ZeilenWaehrendDesOeffnensBleiben) {
    ordnerAnlegen();
    haupt.rolle().ersetzen({QStringLiteral("alt")});
    haupt.Grundstellung();
    entsperren();
    verwaltung.rollenkopie().bereichErsetzen(0, 1, {QStringLiteral("alt, von Hand")});
    druecke(haupt, QStringLiteral("4 + 4 ="));
    haupt.rolle().anhaengen(QStringLiteral("\rABGEMELDET  \r\r"));
    const QStringList neu{QStringLiteral("4,00 €  "),
                          QStringLiteral("+ 4,00 €  "),
                          QStringLiteral("= 8,00 €  "),
                          QString(),
                          QString(),
                          QStringLiteral("ABGEMELDET  "),
                          QString()};
    EXPECT_EQ(haupt.rolle().zeilen(), QStringList{QStringLiteral("alt")} + neu);
    EXPECT_EQ(verwaltung.rollenkopie().zeilen(),
              QStringList{QStringLiteral("alt, von Hand")} + neu);
    verwaltung.verlassen();
    EXPECT_EQ(haupt.rolle().zeilen(), QStringList{QStringLiteral("alt, von Hand")} + neu);

    dialoge.antworten = {Dialoge::Antwort::Ja};
    entsperren();
    verwaltung.rolleLeeren();
    haupt.rolle().anhaengen(QStringLiteral("nach dem Leeren\r"));
    verwaltung.verlassen();
    EXPECT_EQ(haupt.rolle().anzahl(), 7 + 1);
    EXPECT_EQ(haupt.rolle().zeile(3), QStringLiteral("Administrator - Alles gelöscht!  "));
    EXPECT_EQ(haupt.rolle().zeile(7), QStringLiteral("nach dem Leeren"));
}

// Once the window is closed the copy follows the main roll no more.
TEST_F(Verwaltungsmodell, GeschlossenFolgtDieKopieNichtMehr) {
    ordnerAnlegen();
    entsperren();
    verwaltung.verlassen();
    haupt.rolle().anhaengen(QStringLiteral("danach\r"));
    EXPECT_TRUE(verwaltung.rollenkopie().zeilen().isEmpty());
    verwaltung.beimZeigen();
    EXPECT_EQ(verwaltung.rollenkopie().zeilen(), QStringList{QStringLiteral("danach")});
}

} // namespace
