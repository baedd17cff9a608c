#include "common/fehler.h"
#include "rechner/kern/zahlformen.h"

#include <cmath>
#include <gtest/gtest.h>

namespace {

struct Form {
    double wert;
    int kommastellen;
    const char* erwartet;
};

std::ostream& operator<<(std::ostream& os, const Form& f) {
    return os << f.wert << " K=" << f.kommastellen << " -> " << f.erwartet;
}

class Anzeige : public ::testing::TestWithParam<Form> {};
TEST_P(Anzeige, Form) {
    EXPECT_EQ(anzeigeform(GetParam().wert).toStdString(), GetParam().erwartet);
}
INSTANTIATE_TEST_SUITE_P(
    Beispiele, Anzeige,
    ::testing::Values(Form{17, 0, "17"}, Form{2.5, 0, "2,5"}, Form{0.1 + 0.2, 0, "0,3"},
                      Form{1.0 / 3, 0, "0,333333333333333"}, Form{0.0001, 0, "0,0001"},
                      Form{0.00001, 0, "1E-5"}, Form{1e15, 0, "1E15"}, Form{1.5e20, 0, "1,5E20"},
                      Form{999999999999999.0, 0, "999999999999999"}, Form{0, 0, "0"},
                      Form{-0.0, 0, "0"}, Form{-3, 0, "-3"}, Form{123456789, 0, "123456789"},
                      Form{-1234.5, 0, "-1234,5"}, Form{2.0 / 3, 0, "0,666666666666667"},
                      Form{9999999999999999.0, 0, "1E16"}, Form{1e-300, 0, "1E-300"},
                      Form{0.00012345, 0, "0,00012345"},
                      Form{1.7976931348623157e308, 0, "1,79769313486232E308"},
                      Form{4.9e-324, 0, "4,94065645841247E-324"}));

class GruppiertTest : public ::testing::TestWithParam<Form> {};
TEST_P(GruppiertTest, Form) {
    EXPECT_EQ(gruppiert(GetParam().wert, GetParam().kommastellen).toStdString(),
              GetParam().erwartet);
}
INSTANTIATE_TEST_SUITE_P(
    Beispiele, GruppiertTest,
    ::testing::Values(Form{1234.5, 2, "1.234,50"}, Form{1234567.891, 2, "1.234.567,90"},
                      Form{12345678.9, 2, "12.345.679,00"}, Form{123456789, 2, "1,2345679E8"},
                      Form{99999999.5, 2, "1E8"}, Form{-0.004, 2, "0,00"}, Form{-0.005, 2, "-0,01"},
                      Form{1234.5, 0, "1.235"}, Form{99.5, 0, "100"}, Form{0, 2, "0,00"},
                      Form{17, 2, "17,00"}, Form{0.3, 6, "0,300000"}, Form{-1234.5, 2, "-1.234,50"},
                      Form{12.5, 0, "13"}, Form{0.123456789, 6, "0,123457"}, Form{100, 2, "100,00"},
                      Form{1000, 0, "1.000"}, Form{2.675, 2, "2,67"}));

class WaehrungTest : public ::testing::TestWithParam<Form> {};
TEST_P(WaehrungTest, Form) {
    EXPECT_EQ(waehrung(GetParam().wert, GetParam().kommastellen).toStdString(),
              GetParam().erwartet);
}
INSTANTIATE_TEST_SUITE_P(Beispiele, WaehrungTest,
                         ::testing::Values(Form{12, 2, "12,00 €"}, Form{-1234.5, 2, "-1.234,50 €"},
                                           Form{12, 0, "12 €"}, Form{123456789, 2, "1,2345679E8"},
                                           Form{-123456789, 2, "-1,2345679E8"},
                                           Form{-0.004, 2, "0,00 €"}, Form{0, 2, "0,00 €"},
                                           Form{1234567.891, 2, "1.234.567,90 €"}));

class FestTest : public ::testing::TestWithParam<Form> {};
TEST_P(FestTest, Form) {
    EXPECT_EQ(festform(GetParam().wert).toStdString(), GetParam().erwartet);
}
INSTANTIATE_TEST_SUITE_P(
    Beispiele, FestTest,
    ::testing::Values(Form{1.5, 0, "1,50"}, Form{0.02, 0, "0,02"}, Form{25.3, 0, "25,30"},
                      Form{-1.5, 0, "-1,50"}, Form{123456789.37, 0, "123456789,40"},
                      Form{12345678901.0, 0, "1,23456789E10"}, Form{1.999, 0, "2,00"},
                      Form{1.3, 0, "1,30"}, Form{100.0 / 60, 0, "1,67"}, Form{-0.001, 0, "0,00"},
                      Form{1.7976931348623157e308, 0, "1,797693135E308"}, Form{0, 0, "0,00"}));

struct Eingabe {
    const char* text;
    double wert;
};
class ParseGut : public ::testing::TestWithParam<Eingabe> {};
TEST_P(ParseGut, Angenommen) {
    EXPECT_DOUBLE_EQ(anzeigewert(QString::fromUtf8(GetParam().text)), GetParam().wert);
}
INSTANTIATE_TEST_SUITE_P(Texte, ParseGut,
                         ::testing::Values(Eingabe{"17", 17}, Eingabe{",", 0}, Eingabe{"17,", 17},
                                           Eingabe{"2,5", 2.5}, Eingabe{" -3 ", -3},
                                           Eingabe{"+4", 4}, Eingabe{"1E-5", 1e-5},
                                           Eingabe{"1,5e20", 1.5e20}, Eingabe{",5", 0.5},
                                           Eingabe{"-,5", -0.5}, Eingabe{"1E+3", 1000},
                                           Eingabe{"0", 0}, Eingabe{"1E-400", 0},
                                           Eingabe{"0,00", 0}, Eingabe{",E5", 0}));

class ParseSchlecht : public ::testing::TestWithParam<const char*> {};
TEST_P(ParseSchlecht, Abgelehnt) {
    const QString text = QString::fromUtf8(GetParam());
    try {
        anzeigewert(text);
        FAIL() << "angenommen: " << GetParam();
    } catch (const Fehler& f) {
        EXPECT_EQ(f.text(), QStringLiteral("'%1' ist kein gültiger Gleitkommawert").arg(text));
    }
}
INSTANTIATE_TEST_SUITE_P(Texte, ParseSchlecht,
                         ::testing::Values("", "  ", "17,5,", "E5", "-", "2,5,", "1.5", "1E", "abc",
                                           "1 2", "--1", "1E5,", "0x10", "inf", "nan"));

TEST(Parse, UeberlaufJenseitsDesDoubleBereichs) {
    try {
        anzeigewert(QStringLiteral("1E309"));
        FAIL();
    } catch (const Fehler& f) {
        EXPECT_EQ(f.text(), QStringLiteral("Gleitkommaüberlauf"));
    }
}

struct Ganz {
    const char* text;
    bool ganz;
};
class IstGanzzahlTest : public ::testing::TestWithParam<Ganz> {};
TEST_P(IstGanzzahlTest, Syntax) {
    EXPECT_EQ(istGanzzahl(QString::fromUtf8(GetParam().text)), GetParam().ganz) << GetParam().text;
}
INSTANTIATE_TEST_SUITE_P(Texte, IstGanzzahlTest,
                         ::testing::Values(Ganz{"17", true}, Ganz{"-3", true},
                                           Ganz{"2147483647", true}, Ganz{"-2147483648", true},
                                           Ganz{"2147483648", false}, Ganz{"2,5", false},
                                           Ganz{"1E20", false}, Ganz{"-", false}, Ganz{"", false},
                                           Ganz{"  12", true}, Ganz{"12 ", false}, Ganz{"+7", true},
                                           Ganz{"$1F", true}, Ganz{"$", false}, Ganz{"1,", false}));

TEST(GanzzahlWert, WertUndFehlertext) {
    EXPECT_EQ(ganzzahlWert(QStringLiteral("$10")), 16);
    EXPECT_EQ(ganzzahlWert(QStringLiteral("300")), 300);
    try {
        ganzzahlWert(QStringLiteral("abc"));
        FAIL();
    } catch (const Fehler& f) {
        EXPECT_EQ(f.text(), QStringLiteral("'abc' ist kein gültiger Integerwert"));
    }
}

} // namespace
