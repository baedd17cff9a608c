// The start-up sequence of the main window against data folders of every kind.
#include "rechner/kern/rollendatei.h"
#include "start_fixture.h"

#include <optional>

namespace {

const QString Rolle_ = QStringLiteral("<rolle>"); // stands for the automatic roll's path
const QString LadenFehler = QStringLiteral("meldung: Fehler beim Laden der Datei!");
const QString NeueRolleFrage = QStringLiteral(
    "frage: Sie erzeugen eine neue Registrierolle. Neue Registrierrolle jetzt anlegen ?");

struct Startfall {
    const char* name;
    bool ordner;                              // the data folder exists
    std::optional<QStringList> einstellungen; // AUTMV.txt, when it exists
    bool nutzer;                              // KRAMV.txt holds one operator
    bool rollendatei;                         // the automatic roll file exists
    QString fehler;                           // raised, "<rolle>" for the roll's path
    QStringList dialoge;
    std::array<int, 3> zahlen; // Kommastellen, RechnerModus, OhneAnmeldung afterwards
    bool deckel, anmelden, drucken, beschriftet;
    quint8 autopfadGesetzt;
};

std::vector<Startfall> startfaelle() {
    const QStringList mitRolle{QStringLiteral("True"), Rolle_,
                               QStringLiteral("2"),    QStringLiteral("1"),
                               QStringLiteral("2"),    QStringLiteral("Laden")};
    auto mit = [&](int zeile, const QString& text) {
        QStringList zeilen = mitRolle;
        zeilen[zeile] = text;
        return zeilen;
    };
    const QString zweiZeilenFehler = Fehlertexte::keinGueltigerIntegerwert(QString());
    return {
        {"ohneDatenordner",
         false,
         {},
         false,
         false,
         Fehlertexte::UngueltigerDateiname,
         {LadenFehler},
         {0, 0, 0},
         true,
         false,
         false,
         false,
         0},
        {"ohneEinstellungsdatei",
         true,
         {},
         true,
         false,
         Fehlertexte::DateiNichtGefunden,
         {},
         {0, 0, 0},
         true,
         false,
         false,
         false,
         0},
        {"zeileVierKeineZahl",
         true,
         mit(3, QStringLiteral("abc")),
         true,
         true,
         Fehlertexte::keinGueltigerIntegerwert(QStringLiteral("abc")),
         {},
         {2, 0, 0},
         true,
         false,
         false,
         false,
         0},
        {"nurZweiZeilen",
         true,
         QStringList{QStringLiteral("True"), QString()},
         true,
         false,
         zweiZeilenFehler,
         {},
         {0, 0, 0},
         true,
         false,
         false,
         false,
         0},
        {"autorolleNutzerUndAnmeldung",
         true,
         mitRolle,
         true,
         true,
         {},
         {},
         {2, 1, 2},
         true,
         true,
         false,
         true,
         1},
        {"autopfadLeer",
         true,
         mit(1, QString()),
         true,
         false,
         {},
         {},
         {2, 1, 2},
         true,
         false,
         false,
         true,
         1},
        {"autorolleOhneNutzer",
         true,
         mitRolle,
         false,
         true,
         {},
         {LadenFehler},
         {2, 1, 2},
         true,
         false,
         false,
         true,
         1},
        {"ohneAnmeldung",
         true,
         mit(4, QStringLiteral("1")),
         true,
         true,
         {},
         {},
         {2, 1, 1},
         false,
         false,
         true,
         true,
         1},
        {"anmeldungWederEinsNochZwei",
         true,
         mit(4, QStringLiteral("3")),
         true,
         true,
         {},
         {},
         {2, 1, 3},
         true,
         true,
         false,
         true,
         1},
        {"autopfadKleingeschrieben",
         true,
         mit(0, QStringLiteral("true")),
         true,
         true,
         {},
         {},
         {2, 1, 2},
         true,
         true,
         false,
         true,
         0},
        {"autopfadAus",
         true,
         mit(0, QStringLiteral("False")),
         true,
         true,
         {},
         {NeueRolleFrage, QStringLiteral("oeffnen: -")},
         {2, 1, 2},
         true,
         true,
         false,
         true,
         0},
        {"autorolleFehlt",
         true,
         mitRolle,
         true,
         false,
         Fehlertexte::dateiNichtOeffenbar(Rolle_),
         {},
         {2, 1, 2},
         true,
         false,
         false,
         false,
         0},
    };
}

class Startsequenz : public StartTest, public ::testing::WithParamInterface<Startfall> {
protected:
    QString rollenpfad() const { return ordner() + QStringLiteral("Registrierrolle.KRO"); }
    QString mitPfad(QString text) const { return text.replace(Rolle_, rollenpfad()); }

    void vorbereiten(const Startfall& fall) {
        if (fall.ordner)
            ordnerAnlegen();
        if (fall.nutzer)
            nutzer({QStringLiteral("1234  KASSE EINS")});
        if (fall.einstellungen) {
            QStringList zeilen;
            for (const QString& zeile : *fall.einstellungen)
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
    EXPECT_EQ(fehlerVon([&] { start.FormShow(); }), mitPfad(fall.fehler));
    EXPECT_EQ(dialoge.protokoll, fall.dialoge);
    EXPECT_EQ((std::array<int, 3>{w.Kommastellen, w.RechnerModus, w.OhneAnmeldung}), fall.zahlen);
    EXPECT_EQ(haupt.Panel3Sichtbar, fall.deckel);
    EXPECT_EQ(haupt.Anmelden1, fall.anmelden);
    EXPECT_EQ(haupt.Drucken2, fall.drucken);
    EXPECT_EQ(haupt.Beschriftung.isEmpty(), !fall.beschriftet);
    EXPECT_EQ(w.AutopfadGesetzt, fall.autopfadGesetzt);
    // What the steps before the settings file always do.
    EXPECT_FALSE(haupt.Abmelden1);
    EXPECT_FALSE(haupt.BitBtn29);
    EXPECT_EQ(haupt.Panel4, QStringLiteral("0"));
    EXPECT_EQ(haupt.Panel6, QStringLiteral("0"));
    EXPECT_EQ(haupt.Statusleiste[2], QStringLiteral("Quorvendaltabulix Version 2.1.4.0"));
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
    start.FormShow();
    EXPECT_EQ(haupt.RichEdit1.zeilen(),
              (QStringList{QStringLiteral("a"), {}, QStringLiteral("b")}));
    EXPECT_EQ(w.Rollenname, QStringLiteral("Montag.KRO"));
    EXPECT_EQ(haupt.Panel33, QStringLiteral("Laden Nord"));
    EXPECT_EQ(haupt.Beschriftung, QStringLiteral("Quorvendaltabulix"));
    EXPECT_TRUE(reg.RichEdit1.zeilen().isEmpty()) << "the roll copy is filled on showing";
}

TEST_F(StartTest, NutzerdateiGibtAnzahlUndStatusleiste) {
    nutzer({QStringLiteral("1234  KASSE EINS"), QStringLiteral("77  LAGER")});
    EXPECT_EQ(fehlerVon([&] { start.FormShow(); }), Fehlertexte::DateiNichtGefunden);
    EXPECT_EQ(w.NutzerAnzahl, 2);
    EXPECT_EQ(reg.Label6, QStringLiteral("2"));
    EXPECT_EQ(haupt.Statusleiste[1], QStringLiteral("Registrierte Nutzer: 2"));
}

TEST_F(StartTest, OhneNutzerdateiBleibtStatusleisteLeer) {
    ordnerAnlegen();
    EXPECT_EQ(fehlerVon([&] { start.FormShow(); }), Fehlertexte::DateiNichtGefunden);
    EXPECT_EQ(dialoge.protokoll, QStringList{LadenFehler});
    EXPECT_TRUE(haupt.Statusleiste[1].isEmpty());
    EXPECT_EQ(w.NutzerAnzahl, 0);
}

// The keyboard lock follows the settings text and the sign-in state.
TEST_F(StartTest, TastaturGesperrtBisZurAnmeldung) {
    einstellungen({QStringLiteral("True"), QString(), QStringLiteral("2"), QStringLiteral("1"),
                   QStringLiteral("2"), QString()});
    nutzer({QStringLiteral("1234  KASSE EINS")});
    start.FormShow();
    EXPECT_TRUE(haupt.tastaturGesperrt());
    haupt.Edit1KeyPress(QLatin1Char('7'));
    EXPECT_EQ(haupt.Panel2, QStringLiteral("0"));
    anmeldung.Anmelden1Click();
    anmeldung.FormShow();
    anmeldung.Edit1Getippt(QStringLiteral("1234"));
    EXPECT_FALSE(haupt.tastaturGesperrt());
    haupt.Edit1KeyPress(QLatin1Char('7'));
    EXPECT_EQ(haupt.Panel2, QStringLiteral("7"));
    anmeldung.Abmelden1Click();
    anmeldung.FormShow();
    anmeldung.Edit1Getippt(QStringLiteral("1234"));
    EXPECT_TRUE(haupt.tastaturGesperrt());
}

TEST_F(StartTest, VersionsmemoBeimErzeugen) {
    Programmstart::FormCreate(haupt);
    EXPECT_EQ(haupt.Memo1, QStringLiteral("Aktuelle Version: ") + DateiVersion());
    EXPECT_EQ(DateiVersion(), QStringLiteral("2.1.4.0"));
}

} // namespace
