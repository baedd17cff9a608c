#include "tests/kern/modell_fixture.h"

namespace {

struct Umrechnung {
    const char* taste;
    const char* vorher;
    QStringList zeilen;
    const char* nachher;
};
std::ostream& operator<<(std::ostream& os, const Umrechnung& u) {
    return os << u.taste << ' ' << u.vorher;
}

class Zeit : public ModellTest, public ::testing::WithParamInterface<Umrechnung> {};
TEST_P(Zeit, Block) {
    const Umrechnung& u = GetParam();
    zeigen(QString::fromUtf8(u.vorher));
    m_m.stundenstellung();
    m_m.Zeitgrund();
    if (QString::fromUtf8(u.taste) == QLatin1String("Std-M"))
        m_m.stundenstellung();
    taste(QString::fromUtf8(u.taste));
    EXPECT_EQ(m_m.rolle().zeilen(), u.zeilen);
    EXPECT_EQ(m_m.anzeige(), QString::fromUtf8(u.nachher));
    EXPECT_TRUE(m_m.neueEingabe());
}
const QString MS = QStringLiteral("Minuten -> Stunden");
const QString SM = QStringLiteral("Stunden -> Minuten");
const QString MD = QStringLiteral("Minuten -> Dezimalzahl");
INSTANTIATE_TEST_SUITE_P(
    Beispiele, Zeit,
    ::testing::Values(
        Umrechnung{"M-Std", "90", {MS, "90  Min", "= ", "01 : 30  Std", ""}, "01,30"},
        Umrechnung{"M-Std", "1530", {MS, "1530  Min", "= ", "25 : 30  Std", ""}, "25,30"},
        Umrechnung{"Std-M", "1,30", {SM, "1 : 30  Std", "= ", "90  Min", ""}, "90"},
        Umrechnung{"Std-M", "01,30", {SM, "1 : 30  Std", "= ", "90  Min", ""}, "90"},
        Umrechnung{"Std-M", "25,30", {SM, "25 : 30  Std", "= ", "1530  Min", ""}, "1530"},
        Umrechnung{"M-Dez", "90", {MD, "90  Min", "= ", "1,50", ""}, "1,50"},
        Umrechnung{"M-Std", "0", {MS, "0  Min", "= ", "00 : 00  Std", ""}, "00,00"},
        Umrechnung{"M-Std", "1440", {MS, "1440  Min", "= ", "24 : 00  Std", ""}, "24,00"},
        Umrechnung{"M-Std", "90,5", {MS, "90,5  Min", "= ", "01 : 30  Std", ""}, "01,30"},
        Umrechnung{"M-Std", "-90", {MS, "-90  Min", "= ", "-01 : 30  Std", ""}, "-01,30"},
        Umrechnung{"M-Std", "-1530", {MS, "-1530  Min", "= ", "-25 : 30  Std", ""}, "-25,30"},
        Umrechnung{"Std-M", "1,5", {SM, "1 : 50  Std", "= ", "110  Min", ""}, "110"},
        Umrechnung{"Std-M", "2", {SM, "2 : 00  Std", "= ", "120  Min", ""}, "120"},
        Umrechnung{"Std-M", "1,999", {SM, "2 : 00  Std", "= ", "120  Min", ""}, "120"},
        Umrechnung{"Std-M", "-1,30", {SM, "-1 : 30  Std", "= ", "-90  Min", ""}, "-90"},
        Umrechnung{"Std-M", "-0,30", {SM, "-0 : 30  Std", "= ", "-30  Min", ""}, "-30"},
        Umrechnung{"M-Dez", "-90", {MD, "-90  Min", "= ", "-1,50", ""}, "-1,50"},
        Umrechnung{"M-Dez", "1", {MD, "1  Min", "= ", "0,02", ""}, "0,02"}));

struct Ergebnis {
    const char* taste;
    const char* vorher;
    const char* nachher;
};
class ZeitErgebnis : public ModellTest, public ::testing::WithParamInterface<Ergebnis> {};
TEST_P(ZeitErgebnis, Anzeige) {
    zeigen(QString::fromUtf8(GetParam().vorher));
    taste(QString::fromUtf8(GetParam().taste));
    EXPECT_EQ(m_m.anzeige(), QString::fromUtf8(GetParam().nachher));
}
INSTANTIATE_TEST_SUITE_P(
    Randfaelle, ZeitErgebnis,
    ::testing::Values(Ergebnis{"M-Std", "59", "00,59"}, Ergebnis{"M-Std", "1439", "23,59"},
                      Ergebnis{"M-Std", "1441", "24,01"}, Ergebnis{"M-Std", "2000", "33,20"},
                      Ergebnis{"Std-M", "1,59", "119"}, Ergebnis{"M-Dez", "100", "1,67"},
                      Ergebnis{"M-Dez", "0", "0,00"}, Ergebnis{"M-Std", "-1440", "-24,00"},
                      Ergebnis{"M-Std", "-0,5", "00,00"}, Ergebnis{"M-Dez", "1530", "25,50"}));

TEST_F(ModellTest, HinUndZurueckGibtDieMinuten) {
    for (const char* minuten : {"90", "-90", "1530", "0"}) {
        zeigen(QString::fromUtf8(minuten));
        taste(QStringLiteral("M-Std"));
        taste(QStringLiteral("Std-M"));
        EXPECT_EQ(m_m.anzeige(), QString::fromUtf8(minuten));
    }
}

TEST_F(ModellTest, ZeittastenNachJederUmrechnung) {
    zeigen(QStringLiteral("90"));
    taste(QStringLiteral("M-Std"));
    EXPECT_EQ(zeittasten(), QStringLiteral("001"));
    taste(QStringLiteral("Std-M"));
    EXPECT_EQ(zeittasten(), QStringLiteral("110"));
    taste(QStringLiteral("M-Dez"));
    EXPECT_EQ(zeittasten(), QStringLiteral("000"));
    taste(QStringLiteral("5"));
    EXPECT_EQ(zeittasten(), QStringLiteral("110"));
}

TEST_F(ModellTest, MinutenUeber59BrechenAb) {
    for (const char* text : {"1,60", "1,75"}) {
        m_m.rolle().leeren();
        zeigen(QString::fromUtf8(text));
        m_m.stundenstellung();
        EXPECT_EQ(fehlerVon(QStringLiteral("Std-M")),
                  QStringLiteral("Achtung, Eingabe von Minuten > als 59 ist nicht möglich !"));
        EXPECT_EQ(m_m.rolle().zeilen(), QStringList{QStringLiteral("Stunden -> Minuten")});
        EXPECT_EQ(m_m.anzeige(), QString::fromUtf8(text));
        EXPECT_EQ(zeittasten(), QStringLiteral("001"));
    }
}

TEST_F(ModellTest, UmrechnungOhneZahl) {
    zeigen(QStringLiteral("2,5,"));
    EXPECT_EQ(fehlerVon(QStringLiteral("M-Std")),
              QStringLiteral("'2,5,' ist kein gültiger Gleitkommawert"));
    EXPECT_EQ(m_m.rolle().anzahl(), 3);
    EXPECT_EQ(zeittasten(), QStringLiteral("001"));
    m_m.rolle().leeren();
    EXPECT_NE(fehlerVon(QStringLiteral("Std-M")), QString());
    EXPECT_EQ(m_m.rolle().anzahl(), 1);
    EXPECT_EQ(m_m.anzeige(), QStringLiteral("2,5,"));
}

TEST_F(ModellTest, TimeToMinGrenzen) {
    EXPECT_EQ(Hauptmodell::TimeToMin(QStringLiteral("35791394,07")), QStringLiteral("2147483647"));
    for (const char* text : {"35791394,08", "99999999,00"}) {
        try {
            Hauptmodell::TimeToMin(QString::fromUtf8(text));
            FAIL() << text;
        } catch (const Fehler& f) {
            EXPECT_EQ(f.text(), QStringLiteral("Integerüberlauf"));
        }
    }
    try {
        Hauptmodell::TimeToMin(QStringLiteral("90"));
        FAIL();
    } catch (const Fehler& f) {
        EXPECT_EQ(f.text(), QStringLiteral("'' ist kein gültiger Integerwert"));
    }
}

TEST_F(ModellTest, MStdTageUeberlauf) {
    zeigen(QStringLiteral("128849019840"));
    EXPECT_EQ(fehlerVon(QStringLiteral("M-Std")), QStringLiteral("Integerüberlauf"));
    EXPECT_EQ(m_m.rolle().anzahl(), 3);
    EXPECT_EQ(m_m.anzeige().size(), 5);
    zeigen(QStringLiteral("128849018400"));
    taste(QStringLiteral("M-Std"));
    EXPECT_EQ(m_m.anzeige(), QStringLiteral("2147483640,00"));
}

// Counts whose hours pass the 32-bit range: the overflow error, and the display holds the time of
// day of the count, exact for every finite count (1E304 minutes are 01,04 o'clock).
struct Riesenzahl {
    const char* minuten;
    const char* tageszeit;
};
std::ostream& operator<<(std::ostream& os, const Riesenzahl& r) {
    return os << r.minuten;
}
class MStdUeberlauf : public ModellTest, public ::testing::WithParamInterface<Riesenzahl> {};
TEST_P(MStdUeberlauf, ZeigtDieTageszeit) {
    zeigen(QString::fromUtf8(GetParam().minuten));
    EXPECT_EQ(fehlerVon(QStringLiteral("M-Std")), QStringLiteral("Integerüberlauf"));
    EXPECT_EQ(m_m.anzeige(), QString::fromUtf8(GetParam().tageszeit));
    EXPECT_EQ(m_m.rolle().anzahl(), 3);
    EXPECT_EQ(zeittasten(), QStringLiteral("001"));
}
INSTANTIATE_TEST_SUITE_P(
    Randfaelle, MStdUeberlauf,
    ::testing::Values(Riesenzahl{"128849019840", "00,00"}, Riesenzahl{"128849021279", "23,59"},
                      Riesenzahl{"1E20", "10,40"},
                      Riesenzahl{"123456789012345678901234567890", "12,16"},
                      Riesenzahl{"3E303", "04,16"}, Riesenzahl{"1E304", "01,04"},
                      Riesenzahl{"1,79769313486231E308", "20,16"}, Riesenzahl{"-1E304", "-01,04"}));

TEST_F(ModellTest, UmrechnungVerwirftOffenenOperator) {
    tasten(QStringLiteral("5 + 9 0 M-Std"));
    EXPECT_EQ(m_m.zwischenwert(), 5);
    EXPECT_EQ(m_m.zwischenwertText(), QStringLiteral("5"));
    EXPECT_EQ(m_m.operatorzeichen(), QString());
    EXPECT_EQ(m_m.offenerOperator(), std::nullopt);
    taste(QStringLiteral("="));
    EXPECT_EQ(m_m.anzeige(), QStringLiteral("5"));
}

} // namespace
