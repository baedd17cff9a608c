#include "common/zeilen.h"
#include "rechner/kern/rolle.h"

#include <gtest/gtest.h>
#include <random>

namespace {

// The reference rule: read the text with CR LF after every line, add the piece, split again.
QStringList nachRegel(const QStringList& zeilen, const QString& stueck) {
    QString text;
    for (const QString& z : zeilen)
        text += z + QStringLiteral("\r\n");
    return zeilenAus(text + stueck);
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

// Writes down what the roll tells it.
class Protokoll : public RollenBeobachter {
public:
    void angehaengt(qsizetype erste) override { eintraege << QStringLiteral("+%1").arg(erste); }
    void ersetzt(qsizetype von, qsizetype alt, qsizetype neu) override {
        eintraege << QStringLiteral("%1:%2>%3").arg(von).arg(alt).arg(neu);
    }
    QStringList eintraege;
};

// Every observer hears every change once, until it stops observing; a piece without lines
// changes nothing.
TEST(Rolle, JederBeobachterHoertJedeAenderung) {
    Rolle rolle;
    Protokoll ansicht, kopie;
    rolle.beobachten(&ansicht);
    rolle.beobachten(&kopie);
    rolle.beobachten(&ansicht);
    rolle.anhaengen(QStringLiteral("x\r"));
    rolle.anhaengen(QString());
    rolle.bereichErsetzen(0, 1, {QStringLiteral("y"), QStringLiteral("z")});
    rolle.nichtMehrBeobachten(&ansicht);
    rolle.ersetzen({QStringLiteral("q")});
    EXPECT_EQ(ansicht.eintraege, (QStringList{QStringLiteral("+0"), QStringLiteral("0:1>2")}));
    EXPECT_EQ(kopie.eintraege, (QStringList{QStringLiteral("+0"), QStringLiteral("0:1>2"),
                                            QStringLiteral("0:2>1")}));
}

struct Bereich {
    qsizetype von;
    qsizetype anzahl;
    QStringList neu;
};

// A hand edit's range, replaced in place, gives what cutting the range out and putting the new
// lines in gives, for ranges that grow, shrink or keep their size.
class BereichErsetzen : public ::testing::TestWithParam<Bereich> {};
TEST_P(BereichErsetzen, WieAusschneidenUndEinsetzen) {
    const Bereich b = GetParam();
    const QStringList alt{QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c"),
                          QStringLiteral("d")};
    Rolle rolle;
    rolle.ersetzen(alt);
    Protokoll protokoll;
    rolle.beobachten(&protokoll);
    rolle.bereichErsetzen(b.von, b.anzahl, b.neu);
    EXPECT_EQ(rolle.zeilen(), alt.mid(0, b.von) + b.neu + alt.mid(b.von + b.anzahl));
    EXPECT_EQ(protokoll.eintraege,
              QStringList{QStringLiteral("%1:%2>%3").arg(b.von).arg(b.anzahl).arg(b.neu.size())});
}
INSTANTIATE_TEST_SUITE_P(
    Bereiche, BereichErsetzen,
    ::testing::Values(Bereich{1, 1, {QStringLiteral("B")}},
                      Bereich{1, 1, {QStringLiteral("b1"), QStringLiteral("b2")}},
                      Bereich{1, 2, {QStringLiteral("bc")}}, Bereich{0, 4, {QString()}},
                      Bereich{3, 1, {QStringLiteral("d"), QString(), QStringLiteral("e")}},
                      Bereich{4, 0, {QStringLiteral("neu")}}, Bereich{1, 3, {}},
                      Bereich{
                          0, 2, {QStringLiteral("x"), QStringLiteral("y"), QStringLiteral("z")}}));

// The copy between the two rolls takes the lines as they are and leaves the source alone when
// the copy changes.
TEST(Rolle, UebernehmenLaesstDieQuelleUnberuehrt) {
    Rolle haupt;
    Rolle kopie;
    haupt.ersetzen({QStringLiteral("a"), QString()});
    kopie.uebernehmen(haupt);
    EXPECT_EQ(kopie.zeilen(), haupt.zeilen());
    kopie.bereichErsetzen(0, 1, {QStringLiteral("A")});
    kopie.anhaengen(QStringLiteral("b\r"));
    EXPECT_EQ(haupt.zeilen(), (QStringList{QStringLiteral("a"), QString()}));
    EXPECT_EQ(kopie.zeilen(), (QStringList{QStringLiteral("A"), QString(), QStringLiteral("b")}));
}

// The lines joined by one break each, the plain way: where a line starts, and the line of a
// position (the breaks before it).
qsizetype anfangInListe(const QStringList& liste, qsizetype zeile) {
    qsizetype anfang = 0;
    for (qsizetype i = 0; i < zeile; ++i)
        anfang += liste[i].size() + 1;
    return anfang;
}

qsizetype zeileInText(const QString& verbunden, qsizetype position) {
    return verbunden.left(position).count(QLatin1Char('\n'));
}

// Positions in the joined lines, read back the plain way, for rolls with empty lines and for
// the empty roll.
class Positionen : public ::testing::TestWithParam<QStringList> {};
TEST_P(Positionen, WieImVerbundenenText) {
    const QStringList liste = GetParam();
    Rolle rolle;
    rolle.ersetzen(liste);
    const QString verbunden = liste.join(QLatin1Char('\n'));
    EXPECT_EQ(rolle.verbundeneLaenge(), verbunden.size());
    for (qsizetype zeile = 0; zeile <= liste.size(); ++zeile)
        EXPECT_EQ(rolle.zeilenanfang(zeile), anfangInListe(liste, zeile)) << zeile;
    for (qsizetype position = 0; position <= verbunden.size(); ++position) {
        const qsizetype zeile = rolle.zeileBei(position);
        EXPECT_EQ(zeile, zeileInText(verbunden, position)) << position;
        for (qsizetype bis = position; bis <= verbunden.size(); ++bis) {
            const qsizetype bisZeile = rolle.zeileBei(bis);
            EXPECT_EQ(rolle.abschnitt(zeile, position - rolle.zeilenanfang(zeile), bisZeile,
                                      bis - rolle.zeilenanfang(bisZeile)),
                      verbunden.mid(position, bis - position));
        }
    }
}
INSTANTIATE_TEST_SUITE_P(
    Rollen, Positionen,
    ::testing::Values(QStringList{}, QStringList{QString()}, QStringList{QString(), QString()},
                      QStringList{QStringLiteral("12,00 €  "), QString(), QString(),
                                  QStringLiteral("= 17,00 €  "), QString()},
                      QStringList{QStringLiteral("a"), QStringLiteral("bc"), QString()}));

// Random range edits, appends and copies between two rolls, compared with plain lists after
// every step: the lines the two rolls share never let a change of one reach the other, and the
// many runs that edits leave behind read back as the right lines. The positions in the joined
// lines, whose counts the two rolls share with their lists, follow every step.
TEST(Rolle, ZufaelligeAenderungenWieListen) {
    std::mt19937 zufall(4711);
    const auto bis = [&zufall](qsizetype n) {
        return static_cast<qsizetype>(zufall() % static_cast<std::uint32_t>(n + 1));
    };
    Rolle rollen[2];
    QStringList listen[2];
    for (int i = 0; i < 300; ++i)
        listen[0].append(QString::number(i));
    rollen[0].ersetzen(listen[0]);
    for (int schritt = 0; schritt < 20000; ++schritt) {
        const int welche = schritt % 2;
        Rolle& rolle = rollen[welche];
        QStringList& liste = listen[welche];
        const int art = static_cast<int>(zufall() % 40);
        if (art == 0) {
            rolle.uebernehmen(rollen[1 - welche]);
            liste = listen[1 - welche];
        } else if (art < 8) {
            const QString neu = QStringLiteral("+%1").arg(schritt);
            rolle.anhaengen(neu + QLatin1Char('\r'));
            liste.append(neu);
        } else {
            const qsizetype von = bis(liste.size());
            const qsizetype anzahl = std::min(bis(3), liste.size() - von);
            QStringList neu;
            for (qsizetype i = bis(3); i > 0; --i)
                neu.append(QStringLiteral("%1.%2").arg(schritt).arg(i));
            rolle.bereichErsetzen(von, anzahl, neu);
            liste = liste.mid(0, von) + neu + liste.mid(von + anzahl);
        }
        ASSERT_EQ(rolle.anzahl(), liste.size());
        if (!liste.isEmpty()) {
            const qsizetype i = bis(liste.size() - 1);
            ASSERT_EQ(rolle.zeile(i), liste[i]) << schritt;
        }
        const QString verbunden = liste.join(QLatin1Char('\n'));
        ASSERT_EQ(rolle.verbundeneLaenge(), verbunden.size()) << schritt;
        const qsizetype zeile = bis(liste.size());
        ASSERT_EQ(rolle.zeilenanfang(zeile), anfangInListe(liste, zeile)) << schritt;
        const qsizetype position = bis(verbunden.size());
        ASSERT_EQ(rolle.zeileBei(position), zeileInText(verbunden, position)) << schritt;
        if (schritt % 97 == 0) {
            ASSERT_EQ(rollen[0].zeilen(), listen[0]) << schritt;
            ASSERT_EQ(rollen[1].zeilen(), listen[1]) << schritt;
        }
    }
}

// Thousands of edits at separate places, more runs than the roll keeps apart, read back right.
TEST(Rolle, VieleVerstreuteEdits) {
    QStringList liste;
    for (int i = 0; i < 20000; ++i)
        liste.append(QString::number(i));
    Rolle rolle;
    rolle.ersetzen(liste);
    for (qsizetype i = 0; i < liste.size(); i += 3) {
        liste[i] = QStringLiteral("e%1").arg(i);
        rolle.bereichErsetzen(i, 1, {liste[i]});
        ASSERT_EQ(rolle.zeile(i), liste[i]);
    }
    EXPECT_EQ(rolle.zeilen(), liste);
    rolle.anhaengen(QStringLiteral("ende\r"));
    EXPECT_EQ(rolle.zeile(liste.size()), QStringLiteral("ende"));
}

} // namespace
