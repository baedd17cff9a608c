// Where the roll views stop the cursor and where they cut a very long line into pieces: both
// look only at the text near a place, and both must never cut a character in two.
#include "rechner/rollenfeld/rollenstuecke.h"
#include "rechner/rollenfeld/textgrenzen.h"
#include "tests/hilfen/ausgabe.h"

#include <QTextBoundaryFinder>
#include <gtest/gtest.h>

namespace {

struct Wortschritte {
    const char* zeile;
    std::vector<qsizetype> rechts; // the stops of Ctrl+Right from the start
    std::vector<qsizetype> links;  // the stops of Ctrl+Left from the end
};

class WortweiseSchritte : public ::testing::TestWithParam<Wortschritte> {};
TEST_P(WortweiseSchritte, HaltenAnWortanfaengen) {
    const QString zeile = QString::fromUtf8(GetParam().zeile);
    std::vector<qsizetype> rechts;
    for (qsizetype spalte = 0; spalte < zeile.size();
         spalte = textgrenzen::naechsterWortanfang(zeile, spalte))
        rechts.push_back(textgrenzen::naechsterWortanfang(zeile, spalte));
    std::vector<qsizetype> links;
    for (qsizetype spalte = zeile.size(); spalte > 0;
         spalte = textgrenzen::vorigerWortanfang(zeile, spalte))
        links.push_back(textgrenzen::vorigerWortanfang(zeile, spalte));
    EXPECT_EQ(rechts, GetParam().rechts);
    EXPECT_EQ(links, GetParam().links);
}
INSTANTIATE_TEST_SUITE_P(
    Rollenzeilen, WortweiseSchritte,
    ::testing::Values(Wortschritte{"= 1.234,56 €  ", {2, 11, 14}, {11, 2, 0}},
                      Wortschritte{"12,00 €  ", {6, 9}, {6, 0}},
                      Wortschritte{"Kasse-Nord/Lager", {5, 6, 10, 11, 16}, {11, 10, 6, 5, 0}},
                      Wortschritte{"ANGEMELDET  ", {12}, {0}},
                      Wortschritte{"07.12.2026 22:40:15      ",
                                   {11, 13, 14, 16, 17, 25},
                                   {17, 16, 14, 13, 11, 0}},
                      Wortschritte{"", {}, {}}));

struct WortAnDerStelle {
    const char* zeile;
    qsizetype spalte;
    const char* wort;
};

class DoppelklickWort : public ::testing::TestWithParam<WortAnDerStelle> {};
TEST_P(DoppelklickWort, IstDasWortDerStelle) {
    const QString zeile = QString::fromUtf8(GetParam().zeile);
    const auto [anfang, ende] = textgrenzen::wortBei(zeile, GetParam().spalte);
    EXPECT_EQ(zeile.mid(anfang, ende - anfang), QString::fromUtf8(GetParam().wort));
}
INSTANTIATE_TEST_SUITE_P(Rollenzeilen, DoppelklickWort,
                         ::testing::Values(WortAnDerStelle{"= 1.234,56 €  ", 5, "1.234,56"},
                                           WortAnDerStelle{"= 1.234,56 €  ", 2, "1.234,56"},
                                           WortAnDerStelle{"= 1.234,56 €  ", 11, "€"},
                                           WortAnDerStelle{"= 1.234,56 €  ", 0, "="},
                                           WortAnDerStelle{"= 1.234,56 €  ", 14, "  "},
                                           WortAnDerStelle{"Kasse-Nord/Lager", 7, "Nord"},
                                           WortAnDerStelle{"Kasse-Nord/Lager", 5, "-"},
                                           WortAnDerStelle{"defg", 4, "defg"},
                                           WortAnDerStelle{"", 0, ""}));

// A character is what the user sees as one: a letter with its accent, an emoji's two halves.
TEST(Zeichenweise, GanzeZeichen) {
    const QString akzent = QStringLiteral("e\u0301x");
    EXPECT_EQ(textgrenzen::naechstesZeichen(akzent, 0), 2);
    EXPECT_EQ(textgrenzen::vorigesZeichen(akzent, 2), 0);
    const QString emoji = QStringLiteral("a\U0001F600b");
    EXPECT_EQ(textgrenzen::naechstesZeichen(emoji, 1), 3);
    EXPECT_EQ(textgrenzen::vorigesZeichen(emoji, 3), 1);
    EXPECT_EQ(textgrenzen::naechstesZeichen(emoji, 4), 4);
    EXPECT_EQ(textgrenzen::vorigesZeichen(emoji, 0), 0);
}

// Deep in a long line the steps are those of the text around them; a word longer than the text
// looked at is crossed in several steps, each going on.
TEST(Wortweise, InLangerZeile) {
    const QString zeile = QStringLiteral("0123456789 ").repeated(100'000);
    EXPECT_EQ(textgrenzen::naechsterWortanfang(zeile, 550'003), 550'011);
    EXPECT_EQ(textgrenzen::vorigerWortanfang(zeile, 550'003), 550'000);
    const auto [anfang, ende] = textgrenzen::wortBei(zeile, 550'005);
    EXPECT_EQ(zeile.mid(anfang, ende - anfang), QStringLiteral("0123456789"));
    const QString wort(5000, u'x');
    int schritte = 0;
    for (qsizetype spalte = 0; spalte < wort.size(); ++schritte) {
        const qsizetype weiter = textgrenzen::naechsterWortanfang(wort, spalte);
        ASSERT_GT(weiter, spalte);
        spalte = weiter;
    }
    EXPECT_GT(schritte, 1);
}

TEST(Rollenstuecke, KurzeZeileIstEinStueck) {
    for (const QString& zeile :
         {QString(), QStringLiteral("12,00 €  "), QString(2 * rollenstuecke::Laenge, u'x')}) {
        EXPECT_EQ(rollenstuecke::anzahl(zeile), 1);
        EXPECT_EQ(rollenstuecke::ende(zeile, 0), zeile.size());
        EXPECT_EQ(rollenstuecke::mit(zeile, zeile.size()), 0);
    }
}

// The pieces cover the line in order; each column lies in the piece `mit` names; a piece starts
// at a word when there is one near, and never inside a character as the user sees it.
struct LangeZeile {
    const char* name;
    QString zeile;
};
void PrintTo(const LangeZeile& zeile, std::ostream* os) {
    *os << zeile.name;
}

class Stueckgrenzen : public ::testing::TestWithParam<LangeZeile> {};
TEST_P(Stueckgrenzen, DeckenDieZeileOhneZeichenZuTeilen) {
    const QString& zeile = GetParam().zeile;
    const qsizetype anzahl = rollenstuecke::anzahl(zeile);
    ASSERT_GT(anzahl, 1);
    EXPECT_EQ(rollenstuecke::anfang(zeile, 0), 0);
    EXPECT_EQ(rollenstuecke::ende(zeile, anzahl - 1), zeile.size());
    const bool mitBlanks = zeile.contains(u' ');
    QTextBoundaryFinder grapheme(QTextBoundaryFinder::Grapheme, zeile);
    for (qsizetype stueck = 1; stueck < anzahl; ++stueck) {
        const qsizetype anfang = rollenstuecke::anfang(zeile, stueck);
        EXPECT_EQ(rollenstuecke::ende(zeile, stueck - 1), anfang);
        EXPECT_GT(anfang, rollenstuecke::anfang(zeile, stueck - 1));
        EXPECT_LT(anfang, zeile.size());
        grapheme.setPosition(anfang);
        EXPECT_TRUE(grapheme.isAtBoundary()) << anfang;
        if (mitBlanks) {
            EXPECT_TRUE(zeile[anfang - 1] == u' ' && zeile[anfang] != u' ') << anfang;
        }
    }
    for (qsizetype spalte = 0; spalte <= zeile.size(); spalte += 97) {
        const qsizetype stueck = rollenstuecke::mit(zeile, spalte);
        EXPECT_LE(rollenstuecke::anfang(zeile, stueck), spalte);
        EXPECT_GT(rollenstuecke::ende(zeile, stueck), spalte);
    }
    EXPECT_EQ(rollenstuecke::mit(zeile, zeile.size()), anzahl - 1);
}
INSTANTIATE_TEST_SUITE_P(
    LangeZeilen, Stueckgrenzen,
    ::testing::Values(
        LangeZeile{"Ziffern", QStringLiteral("0123456789 ").repeated(3000)},
        LangeZeile{"Blankfolgen", QStringLiteral("Kasse      Nord   ").repeated(1000)},
        LangeZeile{"ohne Blank", QString(20'000, u'x')},
        LangeZeile{"Ersatzpaare",
                   QStringLiteral("a") + QStringLiteral("\U0001F600").repeated(7000)},
        LangeZeile{"Akzente", QStringLiteral("e\u0301").repeated(7000)},
        LangeZeile{"Akzent nach Blank", QStringLiteral("Kasse \u0301Nord ").repeated(1500)},
        LangeZeile{"Flagge am Schnitt",
                   QStringLiteral("xx") +
                       (QString(4092, u'x') + QStringLiteral("\U0001F1E9\U0001F1EA")).repeated(5)},
        LangeZeile{"Hautton",
                   QStringLiteral("ab") + QStringLiteral("\U0001F44D\U0001F3FD").repeated(5000)}));

} // namespace
