// The PIN window's model: the match over every line of the operator list and the exact blocks
// that sign-in and sign-out write onto the main roll.
#include "tests/hilfen/tasten.h"
#include "tests/kern/start_fixture.h"

namespace {

const QString Trenn = QStringLiteral("------------------------------  ");
const QString Uhr = QStringLiteral("07.12.2026 22:40:15");

class Anmelden : public StartTest {
protected:
    Anmelden() {
        w.Kommastellen = 2;
        w.RechnerModus = 1;
        w.OhneAnmeldung = 2;
        w.OhneAnmeldungText = QStringLiteral("2");
        haupt.nachAbmeldung();
        haupt.uhrtextSetzen(Uhr);
        haupt.Grundstellung();
        verwaltung.nutzerlisteGetippt(
            QStringLiteral("1234  KASSE EINS\r\n12  KASSE\r\nab12  KLEIN\r\n"));
    }
    // Types the PIN one character at a time into a freshly shown PIN window.
    void tippen(int richtung, const QString& pin) {
        richtung == 1 ? anmeldung.anmeldenGewaehlt() : anmeldung.abmeldenGewaehlt();
        anmeldung.beimZeigen();
        for (qsizetype i = 1; i <= pin.size(); ++i)
            anmeldung.pinGetippt(pin.left(i));
    }
    // A grand total of 17 from a calculation in euro mode, its lines taken as seen.
    void umsatz17() {
        druecke(haupt, QStringLiteral("1 7 + ="));
        neueZeilen();
    }
    QStringList neueZeilen() {
        QStringList neu = haupt.rolle().zeilen().mid(m_marke);
        m_marke = haupt.rolle().anzahl();
        return neu;
    }
    qsizetype m_marke = 0;
};

TEST_F(Anmelden, AnmeldeblockInEuroModus) {
    umsatz17();
    ASSERT_EQ(haupt.gesamtText(), QStringLiteral("17,00"));
    tippen(1, QStringLiteral("1234"));
    EXPECT_EQ(neueZeilen(),
              (QStringList{Trenn, Uhr + QStringLiteral("  "), QStringLiteral("ANGEMELDET  "),
                           QStringLiteral(" KASSE EINS  "), Trenn}));
    EXPECT_TRUE(haupt.abmeldenAktiv());
    EXPECT_FALSE(haupt.anmeldenAktiv());
    EXPECT_FALSE(haupt.anmeldeDeckelSichtbar());
    EXPECT_TRUE(haupt.druckenAktiv());
    EXPECT_FALSE(haupt.registrierenAktiv());
    EXPECT_EQ(w.Gesamtumsatz, 0);
    EXPECT_EQ(haupt.gesamtText(), QStringLiteral("0,00"));
    EXPECT_EQ(anmeldung.status(), QStringLiteral("OK"));
    EXPECT_TRUE(anmeldung.statusGruen());
    EXPECT_TRUE(anmeldung.schliessZeitgeberAktiv());
}

TEST_F(Anmelden, AnmeldungImStandardModusLaesstGesamtbetrag) {
    umsatz17();
    w.RechnerModus = 2;
    tippen(1, QStringLiteral("1234"));
    EXPECT_EQ(w.Gesamtumsatz, 17);
    EXPECT_EQ(haupt.gesamtText(), QStringLiteral("17,00"));
}

struct Abmeldefall {
    const char* name;
    int modus;
    QStringList mitte; // the lines between the clock line and the name line
};
class Abmelden : public Anmelden, public ::testing::WithParamInterface<Abmeldefall> {};
// After 12 + 5 = the grand total is 17: the euro block carries it, the standard block does not.
TEST_P(Abmelden, BlockNachRechenmodus) {
    const Abmeldefall& fall = GetParam();
    w.RechnerModus = static_cast<quint8>(fall.modus);
    tippen(1, QStringLiteral("1234"));
    druecke(haupt, QStringLiteral("1 2 + 5 ="));
    neueZeilen();
    tippen(0, QStringLiteral("1234"));
    const QStringList erwartet = QStringList{Trenn, Uhr + QStringLiteral("  ")} + fall.mitte +
                                 QStringList{QStringLiteral(" KASSE EINS  "), Trenn};
    EXPECT_EQ(neueZeilen(), erwartet);
    EXPECT_FALSE(haupt.abmeldenAktiv());
    EXPECT_TRUE(haupt.anmeldenAktiv());
    EXPECT_TRUE(haupt.anmeldeDeckelSichtbar());
    EXPECT_FALSE(haupt.druckenAktiv());
    EXPECT_TRUE(haupt.registrierenAktiv());
    EXPECT_TRUE(haupt.tastaturGesperrt());
}
INSTANTIATE_TEST_SUITE_P(
    Modi, Abmelden,
    ::testing::Values(Abmeldefall{"euro",
                                  1,
                                  {QString(), QStringLiteral("Gesamtumsatz: 17,00   €"), QString(),
                                   QStringLiteral("ABGEMELDET  "), QString()}},
                      Abmeldefall{
                          "standard", 2, {QString(), QStringLiteral("ABGEMELDET  "), QString()}}),
    [](const auto& info) { return std::string(info.param.name); });

// The sign-out leaves the grand total; the next sign-in in euro mode sets it to 0.
TEST_F(Anmelden, NaechsteAnmeldungSetztGesamtbetragZurueck) {
    tippen(1, QStringLiteral("1234"));
    druecke(haupt, QStringLiteral("1 2 + 5 ="));
    tippen(0, QStringLiteral("1234"));
    EXPECT_EQ(haupt.gesamtText(), QStringLiteral("17,00"));
    tippen(1, QStringLiteral("1234"));
    EXPECT_EQ(w.Gesamtumsatz, 0);
    EXPECT_EQ(haupt.gesamtText(), QStringLiteral("0,00"));
}

struct Pinfall {
    const char* getippt;
    QStringList namen; // the name lines of the blocks written, in order
};
class Pinvergleich : public Anmelden, public ::testing::WithParamInterface<Pinfall> {};
// The text is matched after every typed character against the PIN part of every line.
TEST_P(Pinvergleich, JedeGleicheZeileSchreibtIhrenBlock) {
    const Pinfall& fall = GetParam();
    verwaltung.nutzerlisteGetippt(verwaltung.nutzerliste() + QStringLiteral("1234  ZWEITE\r\n"));
    tippen(1, QString::fromLatin1(fall.getippt));
    QStringList namen;
    const QStringList zeilen = haupt.rolle().zeilen();
    for (qsizetype i = 0; i + 1 < zeilen.size(); ++i)
        if (zeilen[i + 1] == Trenn && zeilen[i] != Trenn)
            namen << zeilen[i];
    EXPECT_EQ(namen, fall.namen);
    EXPECT_EQ(anmeldung.status() == QStringLiteral("OK"), !fall.namen.isEmpty());
}
INSTANTIATE_TEST_SUITE_P(
    Eingaben, Pinvergleich,
    ::testing::Values(Pinfall{"123", {}},
                      Pinfall{"1234",
                              {QStringLiteral(" KASSE EINS  "), QStringLiteral(" ZWEITE  ")}},
                      Pinfall{"12", {}}, Pinfall{"12  ", {QStringLiteral("ASSE  ")}},
                      Pinfall{"ab12", {}}, Pinfall{"AB12", {}}, Pinfall{"9999", {}}));

TEST_F(Anmelden, JederRegistriertePinMeldetAb) {
    tippen(1, QStringLiteral("1234"));
    tippen(0, QStringLiteral("12  "));
    EXPECT_FALSE(haupt.abmeldenAktiv());
    EXPECT_EQ(haupt.rolle().zeilen().at(haupt.rolle().anzahl() - 2), QStringLiteral("ASSE  "));
}

// An empty line has an empty PIN part, but the empty field matches nothing: showing the window
// writes no block.
TEST_F(Anmelden, LeererPinPasstNie) {
    verwaltung.nutzerlisteGetippt(QStringLiteral("\r\n1234  KASSE EINS\r\n"));
    tippen(1, QString());
    anmeldung.pinGetippt(QStringLiteral("1"));
    anmeldung.pinGetippt(QString());
    EXPECT_TRUE(haupt.rolle().zeilen().isEmpty());
    EXPECT_EQ(anmeldung.status(), QStringLiteral("NO"));
    EXPECT_FALSE(anmeldung.schliessZeitgeberAktiv());
}

// Only the list's lines up to NutzerAnzahl are matched; the count follows every change.
TEST_F(Anmelden, ListeOhneZeilenPasstNichts) {
    verwaltung.alleNutzerLoeschen();
    tippen(1, QStringLiteral("1234"));
    EXPECT_TRUE(haupt.rolle().zeilen().isEmpty());
}

TEST_F(Anmelden, FeldNimmtGrossbuchstabenUndVierZeichen) {
    anmeldung.pinGetippt(QStringLiteral("äbc12"));
    EXPECT_EQ(anmeldung.pin(), QStringLiteral("ÄBC1"));
}

struct Titelfall {
    bool anmelden, abmelden;
    const char* titel;
};
class Beschriftung : public Anmelden, public ::testing::WithParamInterface<Titelfall> {};
TEST_P(Beschriftung, FolgtDenMenuepunkten) {
    const Titelfall& fall = GetParam();
    haupt.vorDemStart();
    haupt.anmeldenNachListe(true);
    anmeldung.beimZeigen();
    ASSERT_EQ(anmeldung.fenstertitel(), QStringLiteral("Anmelden"));
    haupt.vorDemStart();
    if (fall.abmelden)
        haupt.nachAnmeldung();
    haupt.anmeldenNachListe(fall.anmelden);
    anmeldung.beimZeigen();
    EXPECT_EQ(anmeldung.fenstertitel(), QString::fromLatin1(fall.titel));
}
INSTANTIATE_TEST_SUITE_P(Menues, Beschriftung,
                         ::testing::Values(Titelfall{true, false, "Anmelden"},
                                           Titelfall{false, true, "Abmelden"},
                                           Titelfall{true, true, "Abmelden"},
                                           Titelfall{false, false, "Anmelden"}));

// The window closes at the timer's tick after the first match; typing the last character again
// meanwhile writes the block again and keeps the schedule.
TEST_F(Anmelden, SchliesstBeimTimerNachDemErstenTreffer) {
    tippen(1, QStringLiteral("1234"));
    anmeldung.pinGetippt(QStringLiteral("123"));
    anmeldung.pinGetippt(QStringLiteral("1234"));
    EXPECT_EQ(haupt.rolle().anzahl(), 10);
    EXPECT_TRUE(anmeldung.sichtbar());
    anmeldung.schliessZeitgeberTick();
    EXPECT_FALSE(anmeldung.sichtbar());
    EXPECT_FALSE(anmeldung.schliessZeitgeberAktiv());
    anmeldung.beimZeigen();
    EXPECT_EQ(anmeldung.status(), QStringLiteral("NO"));
    EXPECT_FALSE(anmeldung.statusGruen());
    EXPECT_TRUE(anmeldung.pin().isEmpty());
    EXPECT_EQ(anmeldung.fokusNehmen(), Anmeldung::Fokus::Pin);
}

TEST_F(Anmelden, AbbrechenAendertNichtsAusserDerSichtbarkeit) {
    tippen(1, QStringLiteral("99"));
    anmeldung.abbrechen();
    EXPECT_FALSE(anmeldung.sichtbar());
    EXPECT_TRUE(haupt.anmeldenAktiv());
    EXPECT_TRUE(haupt.rolle().zeilen().isEmpty());
}

// "Abmelden" chosen while the window is open: the next match signs out under the old caption.
TEST_F(Anmelden, RichtungWechseltBeiOffenemFenster) {
    anmeldung.anmeldenGewaehlt();
    anmeldung.beimZeigen();
    anmeldung.abmeldenGewaehlt();
    anmeldung.pinGetippt(QStringLiteral("1234"));
    EXPECT_EQ(anmeldung.fenstertitel(), QStringLiteral("Anmelden"));
    EXPECT_TRUE(haupt.rolle().zeilen().contains(QStringLiteral("ABGEMELDET  ")));
    EXPECT_TRUE(haupt.anmeldenAktiv());
}

} // namespace
