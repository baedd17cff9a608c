// The one rule for lines and line breaks: split, made CR LF, shown in a text field and back.
#include "common/zeilen.h"
#include "tests/hilfen/ausgabe.h"

#include <gtest/gtest.h>

namespace {

struct Fall {
    const char* name;
    QString text;
    QStringList zeilen;
    QString crLf;    // mitCrLf
    QString anzeige; // alsAnzeige
};

void PrintTo(const Fall& fall, std::ostream* os) {
    *os << fall.name;
}

const QString Leer;

const Fall faelle[] = {
    {"leer", "", {}, "", ""},
    {"ohneUmbruch", "a", {"a"}, "a", "a"},
    {"crLf", "a\r\n", {"a"}, "a\r\n", "a\n"},
    {"nurCr", "a\r", {"a"}, "a\r\n", "a\r"},
    {"nurLf", "a\n", {"a"}, "a\r\n", "a\n"},
    {"crVorCrLf", "a\r\r\n", {"a", Leer}, "a\r\n\r\n", "a\r\n"},
    {"zweiLf", "\n\n", {Leer, Leer}, "\r\n\r\n", "\n\n"},
    {"gemischt", "a\rb\nc\r\nd", {"a", "b", "c", "d"}, "a\r\nb\r\nc\r\nd", "a\rb\nc\nd"},
    {"crLfDannCr", "\r\n\r", {Leer, Leer}, "\r\n\r\n", "\n\r"},
    // LF before CR is two breaks, not one.
    {"lfVorCr", "x\n\r", {"x", Leer}, "x\r\n\r\n", "x\n\r"},
    {"rollenzeile", "12,00 €  \r\n\r\n", {"12,00 €  ", Leer}, "12,00 €  \r\n\r\n", "12,00 €  \n\n"},
    {"letzteZeileOhneUmbruch",
     " eins \r\nzwei",
     {" eins ", "zwei"},
     " eins \r\nzwei",
     " eins \nzwei"},
};

class Zeilen : public ::testing::TestWithParam<Fall> {};

TEST_P(Zeilen, Trennen) {
    EXPECT_EQ(zeilenAus(GetParam().text), GetParam().zeilen);
}

// Bytes split exactly as the text they encode.
TEST_P(Zeilen, BytesWieText) {
    const QByteArray bytes = GetParam().text.toUtf8();
    QStringList zeilen;
    zeilenDurchgehen(QByteArrayView(bytes),
                     [&zeilen](QByteArrayView zeile) { zeilen << QString::fromUtf8(zeile); });
    EXPECT_EQ(zeilen, GetParam().zeilen);
}

TEST_P(Zeilen, MitCrLf) {
    EXPECT_EQ(mitCrLf(GetParam().text), GetParam().crLf);
}

TEST_P(Zeilen, AlsAnzeige) {
    EXPECT_EQ(alsAnzeige(GetParam().text), GetParam().anzeige);
}

// A stored text shown in a field and read back from it is the same text.
TEST_P(Zeilen, AnzeigeUndZurueck) {
    const QString gespeichert = mitCrLf(GetParam().text);
    EXPECT_EQ(ausAnzeige(alsAnzeige(gespeichert)), gespeichert);
}

INSTANTIATE_TEST_SUITE_P(Texte, Zeilen, ::testing::ValuesIn(faelle),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
