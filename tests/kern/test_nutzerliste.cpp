// The operator list of the administration window: adding, deleting, the count and the cover
// over the PIN column.
#include "tests/kern/verwaltung_fixture.h"

namespace {

struct Eintrag {
    const char* pin;
    const char* name;
    const char* zeile;
};
class Hinzufuegen : public Verwaltungsmodell, public ::testing::WithParamInterface<Eintrag> {};
TEST_P(Hinzufuegen, OhnePruefungAlsEigeneZeile) {
    const Eintrag& e = GetParam();
    entsperren();
    verwaltung.nutzerlisteGetippt(QStringLiteral("1111  ERSTE\r\n"));
    verwaltung.pinGetippt(QString::fromUtf8(e.pin));
    verwaltung.nameGetippt(QString::fromUtf8(e.name));
    verwaltung.nutzerHinzufuegen();
    EXPECT_EQ(verwaltung.nutzerzeilen(),
              (QStringList{QStringLiteral("1111  ERSTE"), QString::fromUtf8(e.zeile)}));
    EXPECT_TRUE(verwaltung.nutzerliste().endsWith(QStringLiteral("\r\n")));
    EXPECT_EQ(verwaltung.nutzerAnzahl(), 2);
    EXPECT_EQ(verwaltung.nutzerAnzahlText(), QStringLiteral("2"));
    EXPECT_EQ(verwaltung.nutzerstatus(), QStringLiteral("Registrierte Nutzer: 2"));
    EXPECT_TRUE(verwaltung.pinFeld().isEmpty());
    EXPECT_TRUE(verwaltung.nameFeld().isEmpty());
    EXPECT_EQ(verwaltung.fokusNehmen(), Verwaltung::Fokus::Pin);
}
INSTANTIATE_TEST_SUITE_P(Eintraege, Hinzufuegen,
                         ::testing::Values(Eintrag{"", "", "  "},
                                           Eintrag{"12", "Kasse", "12  KASSE"},
                                           Eintrag{"ab1", "Straße", "ab1  STRAßE"},
                                           Eintrag{"1111", "erste", "1111  ERSTE"}));

// A hand edit removed the final line break: the new entry still starts a line of its own.
TEST_F(Verwaltungsmodell, HinzufuegenNachHandeingabeOhneZeilenende) {
    entsperren();
    verwaltung.nutzerlisteGetippt(QStringLiteral("1111  ERSTE"));
    EXPECT_EQ(verwaltung.nutzerAnzahl(), 1);
    verwaltung.pinGetippt(QStringLiteral("2222"));
    verwaltung.nutzerHinzufuegen();
    EXPECT_EQ(verwaltung.nutzerliste(), QStringLiteral("1111  ERSTE\r\n2222  \r\n"));
    EXPECT_EQ(verwaltung.nutzerAnzahl(), 2);
}

TEST_F(Verwaltungsmodell, AlleLoeschenZaehltNull) {
    entsperren();
    verwaltung.nutzerlisteGetippt(QStringLiteral("1111  ERSTE\r\n2222  ZWEITE\r\n"));
    verwaltung.pinGetippt(QStringLiteral("9"));
    verwaltung.alleNutzerLoeschen();
    EXPECT_TRUE(verwaltung.nutzerliste().isEmpty());
    EXPECT_EQ(verwaltung.nutzerAnzahlText(), QStringLiteral("0"));
    EXPECT_EQ(verwaltung.nutzerAnzahl(), 0);
    EXPECT_EQ(verwaltung.nutzerstatus(), QStringLiteral("Registrierte Nutzer: 0"));
    EXPECT_TRUE(verwaltung.pinFeld().isEmpty());
}

TEST_F(Verwaltungsmodell, ZeilenzaehlungNachDerRegelDerListe) {
    const std::pair<const char*, int> faelle[] = {
        {"", 0}, {"\r\n", 1}, {"a\r\n\r\nb", 3}, {"a\r\nb\r\n", 2}, {"a", 1}};
    for (const auto& [text, anzahl] : faelle) {
        verwaltung.nutzerlisteGetippt(QString::fromLatin1(text));
        EXPECT_EQ(verwaltung.nutzerAnzahl(), anzahl) << text;
    }
}

// Presses alternate: uncover, cover, ...; a showing sets the counter to 1 wherever the cover is.
TEST_F(Verwaltungsmodell, PinAbdeckungWechselt) {
    verwaltung.beimZeigen();
    EXPECT_FALSE(verwaltung.pinsAufgedeckt());
    for (const bool aufgedeckt : {true, false, true}) {
        verwaltung.pinDeckelGedrueckt();
        EXPECT_EQ(verwaltung.pinsAufgedeckt(), aufgedeckt);
    }
    verwaltung.beimZeigen();
    EXPECT_TRUE(verwaltung.pinsAufgedeckt()) << "the showing leaves the cover where it is";
    verwaltung.pinDeckelGedrueckt();
    EXPECT_TRUE(verwaltung.pinsAufgedeckt());
    verwaltung.pinDeckelGedrueckt();
    EXPECT_FALSE(verwaltung.pinsAufgedeckt());
}

} // namespace
