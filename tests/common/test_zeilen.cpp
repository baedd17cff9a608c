// The rules for lines and line breaks: the roll's (split, made CR LF, shown in a text field and
// back), the settings file's and the updater's text fields', side by side on the same texts.
#include "common/zeilen.h"
#include "tests/hilfen/ausgabe.h"

#include <gtest/gtest.h>

namespace {

struct Fall {
    const char* name;
    QString text;
    QStringList zeilen;
    QString crLf;              // mitCrLf
    QString anzeige;           // alsAnzeige
    QStringList einstellungen; // the first three lines by the settings file's rule
    QString feldRest;          // ohneErsteFeldzeile
};

void PrintTo(const Fall& fall, std::ostream* os) {
    *os << fall.name;
}

const QString Leer;

const Fall Faelle[] = {
    {"leer", "", {}, "", "", {Leer, Leer, Leer}, ""},
    {"ohneUmbruch", "a", {"a"}, "a", "a", {"a", Leer, Leer}, ""},
    {"crLf", "a\r\n", {"a"}, "a\r\n", "a\n", {"a", Leer, Leer}, ""},
    {"nurCr", "a\r", {"a"}, "a\r\n", "a\r", {"a", Leer, Leer}, ""},
    {"nurLf", "a\n", {"a"}, "a\r\n", "a\n", {"a", Leer, Leer}, ""},
    {"crVorCrLf", "a\r\r\n", {"a", Leer}, "a\r\n\r\n", "a\r\n", {"a", Leer, Leer}, ""},
    {"zweiLf", "\n\n", {Leer, Leer}, "\r\n\r\n", "\n\n", {Leer, Leer, Leer}, ""},
    {"gemischt",
     "a\rb\nc\r\nd",
     {"a", "b", "c", "d"},
     "a\r\nb\r\nc\r\nd",
     "a\rb\nc\nd",
     {"ab", "c", "d"},
     "d"},
    {"crLfDannCr", "\r\n\r", {Leer, Leer}, "\r\n\r\n", "\n\r", {Leer, Leer, Leer}, "\r"},
    // LF before CR is two breaks, not one.
    {"lfVorCr", "x\n\r", {"x", Leer}, "x\r\n\r\n", "x\n\r", {"x", Leer, Leer}, ""},
    {"rollenzeile",
     "12,00 €  \r\n\r\n",
     {"12,00 €  ", Leer},
     "12,00 €  \r\n\r\n",
     "12,00 €  \n\n",
     {"12,00 €  ", Leer, Leer},
     "\r\n"},
    {"letzteZeileOhneUmbruch",
     " eins \r\nzwei",
     {" eins ", "zwei"},
     " eins \r\nzwei",
     " eins \nzwei",
     {" eins ", "zwei", Leer},
     "zwei"},
    // Lines after the third are not read by the settings file's rule.
    {"vierLf",
     "1\n2\n3\n4",
     {"1", "2", "3", "4"},
     "1\r\n2\r\n3\r\n4",
     "1\n2\n3\n4",
     {"1", "2", "3"},
     ""},
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

TEST_P(Zeilen, Einstellungszeilen) {
    QStringList zeilen;
    for (const QByteArray& zeile : einstellungszeilen(GetParam().text.toUtf8(), 3))
        zeilen << QString::fromUtf8(zeile);
    EXPECT_EQ(zeilen, GetParam().einstellungen);
}

TEST_P(Zeilen, OhneErsteFeldzeile) {
    EXPECT_EQ(ohneErsteFeldzeile(GetParam().text), GetParam().feldRest);
}

INSTANTIATE_TEST_SUITE_P(Texte, Zeilen, ::testing::ValuesIn(Faelle),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
