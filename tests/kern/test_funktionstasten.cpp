#include "tests/kern/modell_fixture.h"

namespace {

struct Schritt {
    const char* tasten;
    const char* anzeige;
    const char* feld; // the Zwischenwert or the memory field, as the example follows
    const char* indikator;
    QStringList zeilen;
};

class Funktionstasten : public ModellTest {
protected:
    void schritte(const QString& (Hauptmodell::*feld)() const,
                  std::initializer_list<Schritt> liste) {
        for (const Schritt& s : liste) {
            SCOPED_TRACE(s.tasten);
            tasten(QString::fromUtf8(s.tasten));
            EXPECT_EQ(m_m.anzeige(), QString::fromUtf8(s.anzeige));
            EXPECT_EQ((m_m.*feld)(), QString::fromUtf8(s.feld));
            EXPECT_EQ(m_m.operatorzeichen(), QString::fromUtf8(s.indikator));
            EXPECT_EQ(neueZeilen(), s.zeilen);
        }
    }
};

TEST_F(Funktionstasten, BeispielProzent) {
    schritte(&Hauptmodell::zwischenwertText, {{"2 0 0", "200", "0", "", {}},
                                              {"+", "0", "200", "+", {"200,00 €  "}},
                                              {"1 0", "10", "200", "", {}},
                                              {"%", "20", "0", "%", {"10 %  ", "= 20,00 €  ", ""}},
                                              {"=", "220", "0", "=", {"= 220,00 €  ", ""}}});
    EXPECT_EQ(m_m.prozentbasis(), 200);
    EXPECT_EQ(m_w.Gesamtumsatz, 220);
}

TEST_F(Funktionstasten, ProzentVerwirftOffenenOperator) {
    tasten(QStringLiteral("2 0 0 - 1 0 % ="));
    EXPECT_EQ(m_m.anzeige(), QStringLiteral("220"));
}

TEST_F(Funktionstasten, BeispielSpeicher) {
    schritte(&Hauptmodell::speicherText, {{"1 2 , 5", "12,5", "0", "", {}},
                                          {"M+", "0", "12,5", "M+", {"M+ 12,50 €  "}},
                                          {"2", "2", "12,5", "", {}},
                                          {"M-", "0", "10,5", "M-", {"M- 2,00 €  "}},
                                          {"MR", "10,5", "10,5", "", {"", "MS 10,50 €  "}},
                                          {"MC", "10,5", "0", "", {}}});
    EXPECT_EQ(m_m.eingabewert(), 10.5);
    EXPECT_EQ(zeittasten(), QStringLiteral("001"));
    EXPECT_EQ(m_m.speicher(), 0);
}

TEST_F(Funktionstasten, BeispielQuadratInKette) {
    schritte(&Hauptmodell::zwischenwertText,
             {{"1 0", "10", "0", "", {}},
              {"+", "0", "10", "+", {"10,00 €  "}},
              {"3", "3", "10", "", {}},
              {"x²", "9", "10", "x²", {"x² 3,00 €  ", "= 9,00 €  ", ""}},
              {"=", "19", "0", "=", {"+ 9,00 €  ", "= 19,00 €  ", ""}}});
}

struct Folge {
    const char* tasten;
    const char* anzeige;
};
class Folgen : public ModellTest, public ::testing::WithParamInterface<Folge> {};
TEST_P(Folgen, Anzeige) {
    tasten(QString::fromUtf8(GetParam().tasten));
    EXPECT_EQ(m_m.anzeige(), QString::fromUtf8(GetParam().anzeige));
}
INSTANTIATE_TEST_SUITE_P(
    Randfaelle, Folgen,
    ::testing::Values(Folge{"1 5 0 + 5 0 = 1 0 %", "20"}, Folge{"1 5 0 + 5 0 = 1 0 % =", "20"},
                      Folge{"2 0 0 + 1 0 % % =", "4"}, Folge{"5 + 3 M+ =", "5"},
                      Folge{"3 x² 5", "95"}, Folge{"4 (-) (-)", "4"}, Folge{"9 V¯", "3"},
                      Folge{"0 V¯", "0"}, Folge{"2 0 0 + 1 0 % 5 =", "20"}, Folge{"MR", "0"}));

TEST_F(Funktionstasten, VorzeichenwechselAufNullOhneMinus) {
    tasten(QStringLiteral("(-)"));
    EXPECT_EQ(m_m.rolle().zeilen(), QStringList{QStringLiteral("*(-1) 0,00 €  ")});
}

TEST_F(Funktionstasten, WurzelAusNegativemBehaeltOperand) {
    tasten(QStringLiteral("4 (-)"));
    neueZeilen();
    EXPECT_EQ(fehlerVon(QStringLiteral("V¯")), QStringLiteral("Ungültige Gleitkommaoperation"));
    EXPECT_EQ(neueZeilen(), QStringList{QStringLiteral("V¯ -4,00 €  ")});
    EXPECT_EQ(m_m.eingabewert(), -4);
    EXPECT_EQ(m_m.anzeige(), QStringLiteral("-4"));
    EXPECT_EQ(m_m.operatorzeichen(), QStringLiteral("(-)"));
}

TEST_F(Funktionstasten, QuadratUeberlaufBehaeltLetztesQuadrat) {
    eingeben(zehnHoch(200));
    neueZeilen();
    EXPECT_EQ(fehlerVon(QStringLiteral("x²")), QStringLiteral("Gleitkommaüberlauf"));
    EXPECT_EQ(m_m.anzeige(), zehnHoch(200));
    EXPECT_EQ(m_m.eingabewert(), 1e200);
    EXPECT_EQ(neueZeilen(), QStringList{QStringLiteral("x² 1E200  ")});
}

// Before start-up the memory field is empty: "MR" then empties the display and fails on it,
// and so does "M+".
TEST_F(Funktionstasten, MPlusMitLeererAnzeigeIstFehler) {
    Hauptmodell frisch(m_w);
    const QString leer = QStringLiteral("'' ist kein gültiger Gleitkommawert");
    EXPECT_EQ(::fehlerVon([&] { frisch.speicherAbruf(); }), leer);
    EXPECT_EQ(frisch.anzeige(), QString());
    EXPECT_EQ(::fehlerVon([&] { frisch.speicherPlus(); }), leer);
    EXPECT_EQ(frisch.rolle().anzahl(), 0);
}

TEST_F(Funktionstasten, SpeicherUeberlaufBehaeltSpeicher) {
    eingeben(QStringLiteral("17") + QString(307, u'0'));
    taste(QStringLiteral("M+"));
    ASSERT_EQ(m_m.speicherText(), QStringLiteral("1,7E308"));
    eingeben(zehnHoch(308));
    neueZeilen();
    EXPECT_EQ(fehlerVon(QStringLiteral("M+")), QStringLiteral("Gleitkommaüberlauf"));
    EXPECT_EQ(m_m.mPlusWert(), 1e308);
    EXPECT_EQ(m_m.speicher(), 1.7e308);
    EXPECT_EQ(m_m.speicherText(), QStringLiteral("1,7E308"));
    EXPECT_EQ(m_m.anzeige(), zehnHoch(308));
    EXPECT_EQ(neueZeilen(), QStringList{QStringLiteral("M+ 1E308  ")});
}

TEST_F(Funktionstasten, ProzentUeberlaufLaesstProzentOffen) {
    eingeben(zehnHoch(308));
    tasten(QStringLiteral("+"));
    eingeben(zehnHoch(200));
    EXPECT_EQ(fehlerVon(QStringLiteral("%")), QStringLiteral("Gleitkommaüberlauf"));
    EXPECT_EQ(m_m.offenerOperator(), Hauptmodell::Operator::Prozent);
    EXPECT_EQ(m_m.zwischenwert(), 1e308);
}

TEST_F(Funktionstasten, ProzentRechnetDasProduktUeberDenDoubleBereichHinaus) {
    eingeben(zehnHoch(307));
    tasten(QStringLiteral("+ 1 0 0 %"));
    EXPECT_EQ(m_m.anzeige(), QStringLiteral("1E307"));
}

TEST_F(Funktionstasten, FremderModusSchreibtNurProzentzeile) {
    m_w.RechnerModus = 0;
    tasten(QStringLiteral("5 M+ MR x² V¯ (-) AC 1 0 %"));
    EXPECT_EQ(m_m.rolle().zeilen(), QStringList{QStringLiteral("10 %  ")});
}

TEST_F(Funktionstasten, StandardmodusSchreibtGruppiert) {
    m_w.RechnerModus = 2;
    tasten(QStringLiteral("1 2 3 4 M+"));
    EXPECT_EQ(m_m.rolle().zeilen(), QStringList{QStringLiteral("M+ 1.234,00  ")});
}

} // namespace
