#include "tests/kern/modell_fixture.h"

namespace {

class Tastatur : public ModellTest {
protected:
    void tippen(const QString& zeichen) {
        for (QChar c : zeichen)
            m_m.zeichenGetippt(c);
    }
};

struct Getippt {
    const char* zeichen;
    const char* anzeige;
};
class Tippen : public Tastatur, public ::testing::WithParamInterface<Getippt> {};
TEST_P(Tippen, Anzeige) {
    tippen(QString::fromUtf8(GetParam().zeichen));
    EXPECT_EQ(m_m.anzeige(), QString::fromUtf8(GetParam().anzeige));
}
INSTANTIATE_TEST_SUITE_P(Randfaelle, Tippen,
                         ::testing::Values(Getippt{"1.5", "15"}, Getippt{"1,,5", "1,5"},
                                           Getippt{"2+3\r", "5"}, Getippt{"6*7\r", "42"},
                                           Getippt{"12+5\b", "0"}, Getippt{"2a0", "20"},
                                           Getippt{"200+10%", "20"}));

TEST_F(Tastatur, KommaSchreibtKeinenIndikator) {
    tippen(QStringLiteral("1,"));
    EXPECT_EQ(m_m.operatorzeichen(), QString());
    EXPECT_EQ(zeittasten(), QStringLiteral("001"));
}

TEST_F(Tastatur, GetippteZiffernLassenZeittasten) {
    zeigen(QStringLiteral("90"));
    m_m.minutenInDezimal();
    tippen(QStringLiteral("12"));
    EXPECT_EQ(zeittasten(), QStringLiteral("000"));
}

TEST_F(Tastatur, SperreOhneAnmeldung) {
    m_w.OhneAnmeldungText = QStringLiteral("2");
    tippen(QStringLiteral("12+5\r"));
    EXPECT_EQ(m_m.anzeige(), QStringLiteral("0"));
    EXPECT_EQ(m_m.rolle().anzahl(), 0);
    m_m.funktionstaste(9); // function keys work in every state
    EXPECT_EQ(m_m.rolle().anzahl(), 4);
    m_m.nachAnmeldung();
    tippen(QStringLiteral("7"));
    EXPECT_EQ(m_m.anzeige(), QStringLiteral("7"));
}

TEST_F(Tastatur, SperreLiestDenTextNichtDieZahl) {
    m_w.OhneAnmeldung = 1;
    m_w.OhneAnmeldungText = QStringLiteral("2");
    tippen(QStringLiteral("7"));
    EXPECT_EQ(m_m.anzeige(), QStringLiteral("0"));
}

struct Funktion {
    int taste;
    const char* anzeige;
    const char* indikator;
};
class Funktionstaste : public Tastatur, public ::testing::WithParamInterface<Funktion> {};
TEST_P(Funktionstaste, WieDieTaste) {
    tippen(QStringLiteral("9"));
    m_m.funktionstaste(GetParam().taste);
    EXPECT_EQ(m_m.anzeige(), QString::fromUtf8(GetParam().anzeige));
    EXPECT_EQ(m_m.operatorzeichen(), QString::fromUtf8(GetParam().indikator));
}
INSTANTIATE_TEST_SUITE_P(Tasten, Funktionstaste,
                         ::testing::Values(Funktion{1, "0", "M+"}, Funktion{2, "0", "M-"},
                                           Funktion{3, "0", ""}, Funktion{4, "9", ""},
                                           Funktion{5, "81", "x²"}, Funktion{6, "3", "V¯"},
                                           Funktion{7, "0", ""}, Funktion{8, "0", ""},
                                           Funktion{9, "9", ""}, Funktion{10, "9", ""},
                                           Funktion{11, "-9", "(-)"}, Funktion{12, "9", ""}));

} // namespace
