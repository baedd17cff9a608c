// The start-up sequence of the main window against data folders of every kind.
#include "rechner/kern/rollendatei.h"
#include "tests/kern/start_fixture.h"

namespace {

const QString Autorolle = QStringLiteral("<rolle>"); // stands for the automatic roll's path
const QString LadenFehler = QStringLiteral("meldung: Fehler beim Laden der Datei!");
const QString NeueRolleFrage = QStringLiteral(
    "frage: Sie erzeugen eine neue Registrierolle. Neue Registrierrolle jetzt anlegen ?");

// The settings file as its lines joined by "|" (nullptr: no file); "<rolle>" stands for the
// automatic roll's path. The state afterwards as the words of what is on: the cover, the items
// "Anmelden" and "Drucken", the caption, AutopfadGesetzt.
struct Startfall {
    const char* name;
    bool ordner; // the data folder exists
    const char* einstellungen;
    bool nutzer;      // KRAMV.txt holds one operator
    bool rollendatei; // the automatic roll file exists
    QString fehler;   // raised
    QStringList dialoge;
    const char* zahlen; // Kommastellen, RechnerModus, OhneAnmeldung afterwards
    const char* zustand;
};

const char* const MitRolle = "True|<rolle>|2|1|2|Laden";

std::vector<Startfall> startfaelle() {
    using namespace Fehlertexte;
    const QString abc = keinGueltigerIntegerwert(QStringLiteral("abc"));
    const QString leer = keinGueltigerIntegerwert(QString());
    const QString oeffnen = QStringLiteral("oeffnen: -");
    // clang-format off
    return {
        {"ohneDatenordner", false, nullptr, false, false, UngueltigerDateiname, {LadenFehler}, "0 0 0", "deckel"},
        {"ohneEinstellungsdatei", true, nullptr, true, false, DateiNichtGefunden, {}, "0 0 0", "deckel"},
        {"zeileVierKeineZahl", true, "True|<rolle>|2|abc|2|", true, true, abc, {}, "2 0 0", "deckel"},
        {"nurZweiZeilen", true, "True|", true, false, leer, {}, "0 0 0", "deckel"},
        {"autorolleNutzerUndAnmeldung", true, MitRolle, true, true, {}, {}, "2 1 2", "deckel anmelden titel autopfad"},
        {"autopfadLeer", true, "True||2|1|2|", true, false, {}, {}, "2 1 2", "deckel titel autopfad"},
        {"autorolleOhneNutzer", true, MitRolle, false, true, {}, {LadenFehler}, "2 1 2", "deckel titel autopfad"},
        {"ohneAnmeldung", true, "True|<rolle>|2|1|1|", true, true, {}, {}, "2 1 1", "drucken titel autopfad"},
        {"anmeldungWederEinsNochZwei", true, "True|<rolle>|2|1|3|", true, true, {}, {}, "2 1 3", "deckel anmelden titel autopfad"},
        {"autopfadKleingeschrieben", true, "true|<rolle>|2|1|2|", true, true, {}, {}, "2 1 2", "deckel anmelden titel"},
        {"autopfadAus", true, "False|<rolle>|2|1|2|", true, true, {}, {NeueRolleFrage, oeffnen}, "2 1 2", "deckel anmelden titel"},
        {"autorolleFehlt", true, MitRolle, true, false, dateiNichtOeffenbar(Autorolle), {}, "2 1 2", "deckel"},
    };
    // clang-format on
}

class Startsequenz : public StartTest, public ::testing::WithParamInterface<Startfall> {
protected:
    QString rollenpfad() const { return ordner() + QStringLiteral("Registrierrolle.KRO"); }
    QString mitPfad(QString text) const { return text.replace(Autorolle, rollenpfad()); }

    void vorbereiten(const Startfall& fall) {
        if (fall.ordner)
            ordnerAnlegen();
        if (fall.nutzer)
            nutzer({QStringLiteral("1234  KASSE EINS")});
        if (fall.einstellungen) {
            QStringList zeilen;
            for (const QString& zeile : QString::fromUtf8(fall.einstellungen).split(u'|'))
                zeilen << mitPfad(zeile);
            einstellungen(zeilen);
        }
        if (fall.rollendatei)
            schreiben(QStringLiteral("Registrierrolle.KRO"), crlf({QStringLiteral("12,00 €  ")}));
    }
};

TEST_P(Startsequenz, FolgtDenSchrittenBisZumFehler) {
    const Startfall& fall = GetParam();
    vorbereiten(fall);
    // Every question and file dialog is cancelled.
    for (const QString& dialog : fall.dialoge) {
        if (dialog.startsWith(QStringLiteral("frage: ")))
            dialoge.antworten.push_back(Dialoge::Antwort::Abgebrochen);
        else if (!dialog.startsWith(QStringLiteral("meldung: ")))
            dialoge.dateien.push_back(std::nullopt);
    }
    EXPECT_EQ(fehlerVon([&] { start.beimZeigen(); }), mitPfad(fall.fehler));
    EXPECT_EQ(dialoge.protokoll, fall.dialoge);
    EXPECT_EQ(
        QStringLiteral("%1 %2 %3").arg(w.Kommastellen).arg(w.RechnerModus).arg(w.OhneAnmeldung),
        QString::fromLatin1(fall.zahlen));
    QStringList an;
    for (const auto& [wort, wert] : {std::pair{"deckel", haupt.anmeldeDeckelSichtbar()},
                                     {"anmelden", haupt.anmeldenAktiv()},
                                     {"drucken", haupt.druckenAktiv()},
                                     {"titel", !haupt.fenstertitel().isEmpty()},
                                     {"autopfad", w.AutopfadGesetzt}})
        if (wert)
            an << QString::fromLatin1(wort);
    EXPECT_EQ(an.join(u' '), QString::fromLatin1(fall.zustand));
    // What the steps before the settings file always do.
    EXPECT_FALSE(haupt.abmeldenAktiv());
    EXPECT_FALSE(haupt.stdMAktiv());
    EXPECT_EQ(haupt.speicherText(), QStringLiteral("0"));
    EXPECT_EQ(haupt.zwischenwertText(), QStringLiteral("0"));
    EXPECT_EQ(haupt.produktzeile(), QStringLiteral("Quorvendaltabulix Version ") + DateiVersion());
    EXPECT_TRUE(w.Rollenpfad.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Faelle, Startsequenz, ::testing::ValuesIn(startfaelle()),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(StartTest, GeladeneAutorolleGibtRollennamenUndZeilen) {
    const QString pfad = ordner() + QStringLiteral("Montag.KRO");
    einstellungen({QStringLiteral("True"), pfad, QStringLiteral("2"), QStringLiteral("1"),
                   QStringLiteral("1"), QStringLiteral("Laden Nord")});
    nutzer({});
    schreiben(QStringLiteral("Montag.KRO"), crlf({QStringLiteral("a"), {}, QStringLiteral("b")}));
    start.beimZeigen();
    EXPECT_EQ(haupt.rolle().zeilen(), (QStringList{QStringLiteral("a"), {}, QStringLiteral("b")}));
    EXPECT_EQ(w.Rollenname, QStringLiteral("Montag.KRO"));
    EXPECT_EQ(haupt.firmenText(), QStringLiteral("Laden Nord"));
    EXPECT_EQ(haupt.fenstertitel(), QStringLiteral("Quorvendaltabulix"));
    EXPECT_TRUE(verwaltung.rollenkopie().zeilen().isEmpty())
        << "the roll copy is filled on showing";
}

TEST_F(StartTest, NutzerdateiGibtAnzahlUndStatusleiste) {
    nutzer({QStringLiteral("1234  KASSE EINS"), QStringLiteral("77  LAGER")});
    EXPECT_EQ(fehlerVon([&] { start.beimZeigen(); }), Fehlertexte::DateiNichtGefunden);
    EXPECT_EQ(verwaltung.nutzerAnzahl(), 2);
    EXPECT_EQ(verwaltung.nutzerAnzahlText(), QStringLiteral("2"));
    EXPECT_EQ(verwaltung.nutzerstatus(), QStringLiteral("Registrierte Nutzer: 2"));
}

// An empty operator file leaves the empty list unchanged: the status bar's panel stays empty
// until the list first changes.
TEST_F(StartTest, LeereNutzerdateiLaesstStatusleisteLeer) {
    nutzer({});
    EXPECT_EQ(fehlerVon([&] { start.beimZeigen(); }), Fehlertexte::DateiNichtGefunden);
    EXPECT_EQ(verwaltung.nutzerAnzahlText(), QStringLiteral("0"));
    EXPECT_EQ(verwaltung.nutzerstatus(), QString());
    verwaltung.nutzerlisteGetippt(QStringLiteral("12  X\r\n"));
    EXPECT_EQ(verwaltung.nutzerstatus(), QStringLiteral("Registrierte Nutzer: 1"));
    verwaltung.alleNutzerLoeschen();
    EXPECT_EQ(verwaltung.nutzerstatus(), QStringLiteral("Registrierte Nutzer: 0"));
}

// The keyboard lock follows the settings text and the sign-in state.
TEST_F(StartTest, TastaturGesperrtBisZurAnmeldung) {
    einstellungen({QStringLiteral("True"), QString(), QStringLiteral("2"), QStringLiteral("1"),
                   QStringLiteral("2"), QString()});
    nutzer({QStringLiteral("1234  KASSE EINS")});
    start.beimZeigen();
    EXPECT_TRUE(haupt.tastaturGesperrt());
    haupt.zeichenGetippt(QLatin1Char('7'));
    EXPECT_EQ(haupt.anzeige(), QStringLiteral("0"));
    anmeldung.anmeldenGewaehlt();
    anmeldung.beimZeigen();
    anmeldung.pinGetippt(QStringLiteral("1234"));
    EXPECT_FALSE(haupt.tastaturGesperrt());
    haupt.zeichenGetippt(QLatin1Char('7'));
    EXPECT_EQ(haupt.anzeige(), QStringLiteral("7"));
    anmeldung.abmeldenGewaehlt();
    anmeldung.beimZeigen();
    anmeldung.pinGetippt(QStringLiteral("1234"));
    EXPECT_TRUE(haupt.tastaturGesperrt());
}

// The program's own version is the one the build compiles in.
TEST_F(StartTest, VersionszeileBeimErzeugen) {
    EXPECT_EQ(haupt.versionszeile(), QStringLiteral("Aktuelle Version: ") + DateiVersion());
    EXPECT_EQ(DateiVersion(), QStringLiteral(RECHNER_DATEIVERSION));
    EXPECT_EQ(anwendungstitel(), QStringLiteral("Quorvendaltabulix ") + DateiVersion());
}

} // namespace
