#include "tests/kern/modell_fixture.h"

namespace {

using Rechenwerk = ModellTest;

// The worked example key by key: display, indicator, Zwischenwert field, roll lines, total.
TEST_F(Rechenwerk, BeispielSchrittFuerSchritt) {
    struct Schritt {
        const char* taste;
        const char* anzeige;
        const char* indikator;
        const char* zwischenwert;
        QStringList zeilen;
        const char* gesamt;
    };
    const Schritt schritte[] = {
        {"1", "1", "", "0", {}, ""},
        {"2", "12", "", "0", {}, ""},
        {"+", "0", "+", "12", {"12,00 €  "}, ""},
        {"5", "5", "", "12", {}, ""},
        {"=", "17", "=", "0", {"+ 5,00 €  ", "= 17,00 €  ", ""}, "17,00"},
        {"x", "0", "*", "17", {"17,00 €  "}, "17,00"},
        {"3", "3", "", "17", {}, "17,00"},
        {"=", "51", "=", "0", {"* 3  ", "= 51,00 €  ", ""}, "68,00"},
        {"=", "51", "=", "0", {"= 51,00 €  ", ""}, "119,00"},
    };
    for (const Schritt& s : schritte) {
        SCOPED_TRACE(s.taste);
        taste(QString::fromUtf8(s.taste));
        EXPECT_EQ(m_m.anzeige(), QString::fromUtf8(s.anzeige));
        EXPECT_EQ(m_m.operatorzeichen(), QString::fromUtf8(s.indikator));
        EXPECT_EQ(m_m.zwischenwertText(), QString::fromUtf8(s.zwischenwert));
        EXPECT_EQ(neueZeilen(), s.zeilen);
        EXPECT_EQ(m_m.gesamtText(), QString::fromUtf8(s.gesamt));
        EXPECT_EQ(zeittasten(), QStringLiteral("110"));
    }
    EXPECT_EQ(m_m.zwischenwert(), 51);
    EXPECT_EQ(m_w.Gesamtumsatz, 119);
}

struct Folge {
    const char* tasten;
    const char* anzeige;
    QStringList zeilen; // the whole roll
    int modus = 1;
};
std::ostream& operator<<(std::ostream& os, const Folge& f) {
    return os << f.tasten;
}

class Ketten : public ModellTest, public ::testing::WithParamInterface<Folge> {};
TEST_P(Ketten, AnzeigeUndRolle) {
    m_w.RechnerModus = GetParam().modus;
    tasten(QString::fromUtf8(GetParam().tasten));
    EXPECT_EQ(m_m.anzeige(), QString::fromUtf8(GetParam().anzeige));
    EXPECT_EQ(m_m.rolle().zeilen(), GetParam().zeilen);
}
INSTANTIATE_TEST_SUITE_P(
    Randfaelle, Ketten,
    ::testing::Values(Folge{"0 0", "0", {}}, Folge{"0 5", "5", {}}, Folge{"0 , 5", "0,5", {}},
                      Folge{"2 , , 5", "2,5", {}}, Folge{"+ , 5", "5", {}},
                      Folge{"+ , 5 , 5", "55", {}},
                      Folge{"1 2 + - 5 =", "7", {"12,00 €  ", "- 5,00 €  ", "= 7,00 €  ", ""}},
                      Folge{"5 x 0 +", "0", {"5,00 €  "}},
                      Folge{"5 x 0 =", "0", {"5,00 €  ", "* 0  ", "= 0,00 €  ", ""}},
                      Folge{"1 2 + 5 CE 3 =", "15", {"12,00 €  ", "+ 3,00 €  ", "= 15,00 €  ", ""}},
                      Folge{"AC 5 =", "0", {"= 0,00 €  ", ""}},
                      Folge{"1 2 + 5 =", "17", {"12,00  ", "+ 5,00  ", "= 17,00  ", ""}, 2},
                      Folge{"1 2 + 5 =", "17", {}, 0}, Folge{"6 x 7 =", "42", {"* 7  "}, 0},
                      Folge{"1 0 / 4 =", "2,5", {"10,00 €  ", "/ 4  ", "= 2,50 €  ", ""}},
                      Folge{"5 - 8 =", "-3", {"5,00 €  ", "- 8,00 €  ", "= -3,00 €  ", ""}},
                      Folge{"0 , 1 + 0 , 2 =", "0,3", {"0,10 €  ", "+ 0,20 €  ", "= 0,30 €  ", ""}},
                      Folge{"1 2 3 4 5 6 7 8 9 + 0 , 0 , =",
                            "123456789",
                            {"1,2345679E8  ", "+ 0,00 €  ", "= 1,2345679E8  ", ""}},
                      Folge{"5 + Datum 3 =",
                            "8",
                            {"5,00 €  ", "", "", "      ", "", "+ 3,00 €  ", "= 8,00 €  ", ""}}));

TEST_F(Rechenwerk, StandardmodusAendertGesamtsummeNicht) {
    m_w.RechnerModus = 2;
    tasten(QStringLiteral("1 2 + 5 ="));
    EXPECT_EQ(m_w.Gesamtumsatz, 0);
    EXPECT_EQ(m_m.gesamtText(), QString());
}

TEST_F(Rechenwerk, KommastellenNullRundetAufGanze) {
    m_w.Kommastellen = 0;
    tasten(QStringLiteral("1 2 , 5 +"));
    EXPECT_EQ(m_m.rolle().zeilen(), QStringList{QStringLiteral("13 €  ")});
}

TEST_F(Rechenwerk, DivisionDurchNullLaesstOperatorOffen) {
    tasten(QStringLiteral("5 / 0"));
    EXPECT_EQ(fehlerVon(QStringLiteral("=")), QStringLiteral("Gleitkommadivision durch Null"));
    EXPECT_EQ(m_m.anzeige(), QStringLiteral("0"));
    EXPECT_EQ(m_m.offenerOperator(), Hauptmodell::Operator::Geteilt);
    EXPECT_EQ(m_m.zwischenwert(), 5);
    EXPECT_EQ(m_m.operatorzeichen(), QString());
    EXPECT_EQ(m_m.rolle().anzahl(), 1);
    tasten(QStringLiteral("2 ="));
    EXPECT_EQ(m_m.anzeige(), QStringLiteral("2,5"));
    EXPECT_EQ(zeittasten(), QStringLiteral("001"));
}

TEST_F(Rechenwerk, NullDurchNullIstUngueltig) {
    tasten(QStringLiteral("AC 0 / 0"));
    EXPECT_EQ(fehlerVon(QStringLiteral("=")), QStringLiteral("Ungültige Gleitkommaoperation"));
}

TEST_F(Rechenwerk, OperatortasteTeiltDurchNullMitKomma) {
    tasten(QStringLiteral("5 / 0 ,"));
    EXPECT_EQ(fehlerVon(QStringLiteral("+")), QStringLiteral("Gleitkommadivision durch Null"));
    EXPECT_EQ(m_m.eingabewert(), 0);
    EXPECT_TRUE(m_m.kommaErlaubt());
    EXPECT_EQ(m_m.offenerOperator(), Hauptmodell::Operator::Geteilt);
    EXPECT_EQ(m_m.operatorzeichen(), QStringLiteral(","));
}

TEST_F(Rechenwerk, ZweitesKommaNachErgebnisIstKeinWert) {
    tasten(QStringLiteral("5 / 2 = ,"));
    EXPECT_EQ(m_m.anzeige(), QStringLiteral("2,5,"));
    const auto zeilen = m_m.rolle().zeilen();
    EXPECT_EQ(fehlerVon(QStringLiteral("+")),
              QStringLiteral("'2,5,' ist kein gültiger Gleitkommawert"));
    EXPECT_EQ(m_m.rolle().zeilen(), zeilen);
    EXPECT_EQ(m_m.anzeige(), QStringLiteral("2,5,"));
    EXPECT_EQ(m_m.operatorzeichen(), QStringLiteral(","));
}

TEST_F(Rechenwerk, UeberlaufDerSummeSchreibtKeineZeile) {
    eingeben(zehnHoch(308));
    taste(QStringLiteral("+"));
    eingeben(zehnHoch(308));
    EXPECT_EQ(fehlerVon(QStringLiteral("=")), QStringLiteral("Gleitkommaüberlauf"));
    EXPECT_EQ(m_m.zwischenwert(), 1e308);
    EXPECT_EQ(m_m.eingabewert(), 1e308);
    EXPECT_EQ(m_m.rolle().anzahl(), 1);
}

TEST_F(Rechenwerk, UeberlaufDerGesamtsummeKommtZuletzt) {
    m_w.Gesamtumsatz = 1.7e308;
    const QString gesamtVorher = m_m.gesamtText();
    eingeben(zehnHoch(308));
    taste(QStringLiteral("+"));
    EXPECT_EQ(fehlerVon(QStringLiteral("=")), QStringLiteral("Gleitkommaüberlauf"));
    EXPECT_EQ(m_m.anzeige(), QStringLiteral("1E308"));
    EXPECT_EQ(m_m.operatorzeichen(), QStringLiteral("="));
    EXPECT_EQ(m_w.Gesamtumsatz, 1.7e308);
    EXPECT_EQ(m_m.gesamtText(), gesamtVorher);
}

TEST_F(Rechenwerk, AcBehaeltSpeicherSummeUndRolle) {
    tasten(QStringLiteral("4 M+ 1 2 + 5 = 3 + AC"));
    EXPECT_EQ(m_m.zwischenwertText(), QStringLiteral("0"));
    EXPECT_EQ(m_m.speicherText(), QStringLiteral("4"));
    EXPECT_EQ(m_m.gesamtText(), QStringLiteral("17,00"));
    EXPECT_EQ(m_m.zwischenwert(), 0);
    EXPECT_EQ(m_m.offenerOperator(), std::nullopt);
    EXPECT_FALSE(m_m.rolle().zeilen().isEmpty());
}

} // namespace
