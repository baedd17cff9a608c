#include "rechner/kern/rolle.h"

#include <gtest/gtest.h>

namespace {

// The reference rule: read the text with CR LF after every line, add the piece, split again.
QStringList nachRegel(const QStringList& zeilen, const QString& stueck) {
    QString text;
    for (const QString& z : zeilen)
        text += z + QStringLiteral("\r\n");
    return Rolle::inZeilen(text + stueck);
}

TEST(Rolle, DreiStueckeAusDemBeispiel) {
    Rolle rolle;
    rolle.anhaengen(QStringLiteral("12,00 €  \r"));
    EXPECT_EQ(rolle.zeilen(), QStringList{QStringLiteral("12,00 €  ")});
    rolle.anhaengen(QStringLiteral("= 17,00 €  \r\r"));
    EXPECT_EQ(rolle.zeilen(),
              (QStringList{QStringLiteral("12,00 €  "), QStringLiteral("= 17,00 €  "), {}}));
    rolle.anhaengen(QStringLiteral("\rMS 17,00 €  \r"));
    EXPECT_EQ(rolle.anzahl(), 5);
    EXPECT_EQ(rolle.zeile(3), QString());
    EXPECT_EQ(rolle.zeile(4), QStringLiteral("MS 17,00 €  "));
}

// The fast append must give exactly what the rule gives, for every kind of break.
class AnhaengenWieRegel : public ::testing::TestWithParam<const char*> {};
TEST_P(AnhaengenWieRegel, GleicheZeilen) {
    const QString stueck = QString::fromUtf8(GetParam());
    for (const QStringList& vorher : {QStringList{}, QStringList{QStringLiteral("a"), {}}}) {
        Rolle rolle;
        rolle.ersetzen(vorher);
        rolle.anhaengen(stueck);
        EXPECT_EQ(rolle.zeilen(), nachRegel(vorher, stueck));
    }
}
INSTANTIATE_TEST_SUITE_P(Stuecke, AnhaengenWieRegel,
                         ::testing::Values("x\r", "x\r\r", "\rx\r", "x", "\n", "\r\n\r\n",
                                           "a\nb\r\nc\rd", "", "x\n\r", "\r", "a\r\n"));

// Lines that bring a break along are split as the roll's text would be, so that later appends
// still follow the rule.
TEST(Rolle, ErsetzenTrenntZeilenMitUmbruch) {
    Rolle rolle;
    rolle.ersetzen({QStringLiteral("a\rb"), QStringLiteral("c\nd"), QStringLiteral("e\r")});
    EXPECT_EQ(rolle.zeilen(),
              (QStringList{QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c"),
                           QStringLiteral("d"), QStringLiteral("e"), QString()}));
    rolle.anhaengen(QStringLiteral("1,00 €  \r"));
    EXPECT_EQ(rolle.zeilen(), nachRegel(rolle.zeilen().mid(0, 6), QStringLiteral("1,00 €  \r")));
}

TEST(Rolle, TextHatCrLfNachJederZeile) {
    Rolle rolle;
    rolle.anhaengen(QStringLiteral("a\r\rb\r"));
    EXPECT_EQ(rolle.text(), QStringLiteral("a\r\n\r\nb\r\n"));
}

} // namespace
