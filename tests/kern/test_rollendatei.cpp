#include "common/ansi.h"
#include "common/fehler.h"
#include "common/zeilen.h"
#include "rechner/kern/rolle.h"
#include "rechner/kern/rollendatei.h"
#include "rechner/kern/rtfleser.h"
#include "tests/hilfen/dateien.h"
#include "tests/kern/fehlervon.h"

#include "common/dateizugriff.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <sys/resource.h>
#include <unistd.h>
#include <variant>
#include <vector>

namespace {

QString u8(const char* text) {
    return QString::fromUtf8(text);
}

QStringList u8Liste(const std::vector<const char*>& zeilen) {
    QStringList liste;
    for (const char* z : zeilen)
        liste.append(u8(z));
    return liste;
}

// The pieces cut everything a reader may meet in two: control words, their numbers, hex
// escapes, CR LF, the start "{\rtf".
constexpr qsizetype Stueckgroessen[] = {1, 2, 3, 5, 7};

// What reading the bytes in pieces of `groesse` gives: the lines, or the error text.
std::variant<QStringList, QString> lesenInStuecken(const QByteArray& bytes, qsizetype groesse,
                                                   qint64 grenze = qint64(1) << 30) {
    Speicherquelle quelle(bytes, groesse);
    try {
        return zeilenAusQuelle(quelle, grenze);
    } catch (const Fehler& f) {
        return f.text();
    }
}

// The error text of reading the bytes, or empty when they read; the same in every piece size.
QString ladefehler(const QByteArray& bytes) {
    QString fehler;
    try {
        zeilenAusDatei(bytes);
    } catch (const Fehler& f) {
        fehler = f.text();
    }
    for (const qsizetype groesse : Stueckgroessen) {
        const auto stueckweise = lesenInStuecken(bytes, groesse);
        EXPECT_EQ(std::holds_alternative<QString>(stueckweise) ? std::get<QString>(stueckweise)
                                                               : QString(),
                  fehler)
            << "in pieces of " << groesse;
    }
    return fehler;
}

// The lines of the bytes, which every piece size gives too.
QStringList gelesen(const QByteArray& bytes) {
    const QStringList zeilen = zeilenAusDatei(bytes);
    for (const qsizetype groesse : Stueckgroessen)
        EXPECT_EQ(lesenInStuecken(bytes, groesse), (std::variant<QStringList, QString>(zeilen)))
            << "in pieces of " << groesse;
    return zeilen;
}

// Every Windows-1252 character but the line breaks, in one line.
QString alleZeichen() {
    QByteArray bytes;
    for (int b = 1; b < 256; ++b) {
        if (b != '\r' && b != '\n')
            bytes.append(char(b));
    }
    return QChar(0) + ansiZuText(bytes);
}

// Saving and loading again gives exactly the same lines, blanks and empty lines included.
class Rundreise : public ::testing::TestWithParam<QStringList> {};

TEST_P(Rundreise, GleicheZeilen) {
    QTemporaryDir ordner;
    const QString pfad = ordner.filePath(QStringLiteral("Montag.KRO"));
    rollendateiSchreiben(pfad, GetParam());
    EXPECT_EQ(rollendateiLesen(pfad), GetParam());
}

TEST_P(Rundreise, DateiIstSiebenBitText) {
    const QByteArray rtf = rtfAusZeilen(GetParam());
    EXPECT_TRUE(rtf.startsWith("{\\rtf1\\ansi\\ansicpg1252\\deff0"));
    for (char c : rtf)
        ASSERT_LT(static_cast<unsigned char>(c), 0x80) << rtf.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Rollen, Rundreise,
    ::testing::Values(QStringList{}, QStringList{QString()}, QStringList{QString(), QString()},
                      u8Liste({"12,00 €  ", "+ 5,00 €  ", "= 17,00 €  ", ""}),
                      u8Liste({"  führend", "hinten  ", " ", "  ", "a  b   c", "", ""}),
                      u8Liste({"1", "-5", "0,50 €  ", "'80", "?"}),
                      u8Liste({"{\\rtf1 a\\par}", "\\par \\'80 \\u8364?", "}{", "\\"}),
                      u8Liste({"\t", "a\tb", "\t ", " \t", "x\t\t  y"}),
                      u8Liste({"Größe x² V¯ – „Zitat“ …", "Administrator - Alles gelöscht!  "}),
                      QStringList{alleZeichen()}, QStringList{QString(100000, QLatin1Char('9'))}));

// A character outside Windows-1252 is written as "?", one for each character.
class FremdeZeichen : public ::testing::TestWithParam<std::pair<const char*, const char*>> {};

TEST_P(FremdeZeichen, WerdenFragezeichen) {
    const QStringList gelesen = zeilenAusDatei(rtfAusZeilen({u8(GetParam().first)}));
    EXPECT_EQ(gelesen, QStringList{u8(GetParam().second)});
}

INSTANTIATE_TEST_SUITE_P(Zeichen, FremdeZeichen,
                         ::testing::Values(std::pair{"α€", "?€"}, std::pair{"a😀b", "a?b"},
                                           std::pair{"\u2011", "?"}, std::pair{"😀😀", "??"}));

struct RtfFall {
    const char* rtf;
    std::vector<const char*> zeilen;
};

void PrintTo(const RtfFall& f, std::ostream* os) {
    *os << f.rtf;
}

// What word processors write: each paragraph one line, formatting and side texts dropped.
class RtfLesen : public ::testing::TestWithParam<RtfFall> {};

TEST_P(RtfLesen, Absaetze) {
    EXPECT_EQ(gelesen(QByteArray(GetParam().rtf)), u8Liste(GetParam().zeilen));
}

INSTANTIATE_TEST_SUITE_P(
    Dokumente, RtfLesen,
    ::testing::Values(
        RtfFall{R"({\rtf1 a\par b\par})", {"a", "b"}}, RtfFall{R"({\rtf1 a\par b})", {"a", "b"}},
        RtfFall{R"({\rtf1 \par\par})", {"", ""}}, RtfFall{R"({\rtf1 a\par })", {"a"}},
        RtfFall{R"({\rtf1 a\line b\par})", {"a", "b"}}, RtfFall{R"({\rtf1 a\tab b\par})", {"a\tb"}},
        RtfFall{R"({\rtf1 a\~b\-c\_d\par})", {"a\u00a0b\u00adc-d"}},
        RtfFall{R"({\rtf1 \'80\'e4\'9F\par})", {"€äŸ"}},
        RtfFall{R"({\rtf1 \u8364\'80 x\u228?y\par})", {"€ xäy"}},
        RtfFall{R"({\rtf1\uc2 \u8364??a\par})", {"€a"}},
        RtfFall{R"({\rtf1\uc0 \u8364 a\par})", {"€a"}},
        RtfFall{R"({\rtf1{\uc2 \u228??}\u228?x\par})", {"ääx"}},
        RtfFall{R"({\rtf1 \u228{x}\par})", {"äx"}},
        RtfFall{R"({\rtf1 \u-8?\u945?\u8364?\par})", {"??€"}},
        RtfFall{R"({\rtf1 \u-10179?\u-8704?!\par})", {"?!"}},
        RtfFall{R"({\rtf1 \uc0 \u55357\uc1 \u56832\'3f!\par})", {"?!"}},
        RtfFall{R"({\rtf1 \u99999999999 ?b\par})", {"?b"}},
        RtfFall{R"({\rtf1{\fonttbl{\f0\fswiss Arial;}}{\colortbl;\red0\green0\blue0;})"
                R"({\stylesheet{\s0 Normal;}}{\info{\title T}{\author A}}a\par})",
                {"a"}},
        RtfFall{R"({\rtf1{\*\generator X;}{\*\unbekannt text\par}a\par})", {"a"}},
        RtfFall{R"({\rtf1{\field{\*\fldinst HYPERLINK "x"}{\fldrslt Link}}\par})", {"Link"}},
        RtfFall{R"({\rtf1{\field{\*\fldinst PAGE}{\*\fldrslt 3}}\par})", {"3"}},
        RtfFall{"{\\rtf1{\\pict\\bin4 }{\\}}a\\par}", {"a"}},
        RtfFall{R"({\rtf1{\*\shppict{\pict\pngblip 89504e47}}a\par})", {"a"}},
        RtfFall{R"({\rtf1 \{\}\\\par})", {"{}\\"}}, RtfFall{"{\\rtf1 a\r\nb\\par\r\n}", {"ab"}},
        RtfFall{"{\\rtf1 a\\\nb}", {"a", "b"}},
        RtfFall{R"({\rtf1\pard\plain\qr\b a\b0\par\pard\ql b\par})", {"a", "b"}},
        RtfFall{R"({\rtf1{\header Kopf\par}a{\footnote Fuss\par}b\par})", {"ab"}},
        RtfFall{R"({\rtf1{\listtext\'95\tab}Punkt\par})", {"Punkt"}},
        RtfFall{R"({\rtf1 A1\cell B1\cell\row a\sect b})", {"A1", "B1", "a", "b"}},
        RtfFall{R"({\rtf1\fs24 1\par\b0 5\par})", {"1", "5"}},
        RtfFall{R"({\rtf1\fs99999999999999 a\par})", {"a"}},
        RtfFall{"{\\rtf1 a\\par}\r\nRest{\\", {"a"}},
        RtfFall{"{\\rtf1 a\x01\x7f\tc\\par}", {"a\x7f\tc"}},
        RtfFall{R"({\rtf1 \lquote x\rquote  \emdash\bullet\par})", {"‘x’ —•"}},
        RtfFall{R"({\rtf1 \fs-x\fs-5 y\par})", {"-xy"}}, RtfFall{R"({\rtf1 \'e\'4g\par})", {"e4g"}},
        RtfFall{"{\\rtf1 \\aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa x\\par}",
                {"x"}},
        RtfFall{"{\\rtf1 a\\bin3 }}}b\\par}", {"ab"}}));

// A file that does not start with "{\rtf" is text split by the roll's own rule.
class TextLesen : public ::testing::TestWithParam<QByteArray> {};

TEST_P(TextLesen, WieDieRolle) {
    EXPECT_EQ(gelesen(GetParam()), zeilenAus(ansiZuText(GetParam())));
}

INSTANTIATE_TEST_SUITE_P(Texte, TextLesen,
                         ::testing::Values(QByteArray(), "a", "a\r\n", "a\r\r\n", "\n\n",
                                           "a\rb\nc\r\nd", "\r\n\r", QByteArray("x\x80\xff\0y", 5),
                                           "{\\rt", " {\\rtf1 a\\par}", "\xef\xbb\xbf{\\rtf1 a}",
                                           "12,00 \x80  \r\n\r\n", "a\r", "\r\r\n\n\r"));

// Damaged or hostile documents are refused with the load message, never read in part.
class RtfKaputt : public ::testing::TestWithParam<QByteArray> {};

TEST_P(RtfKaputt, FehlerBeimLaden) {
    EXPECT_EQ(ladefehler(GetParam()), Fehlertexte::FehlerBeimLaden);
}

QByteArray verschachtelt(int tiefe) {
    return "{\\rtf1" + QByteArray(tiefe - 1, '{') + "a" + QByteArray(tiefe - 1, '}') + "}";
}

INSTANTIATE_TEST_SUITE_P(Dokumente, RtfKaputt,
                         ::testing::Values("{\\rtf1 a\\par", "{\\rtf1 a\\", "{\\rtf1 a\\'8",
                                           "{\\rtf1{\\pict\\bin100 ab}}", "{\\rtf1 {a\\par}",
                                           "{\\rtf", verschachtelt(RtfHoechsteTiefe + 1)));

TEST(RtfGrenzen, TiefeGruppenWerdenAbgewiesen) {
    EXPECT_EQ(ladefehler("{\\rtf1" + QByteArray(10'000'000, '{')), Fehlertexte::FehlerBeimLaden);
}

TEST(RtfGrenzen, TiefeBisZurGrenzeWirdGelesen) {
    EXPECT_EQ(gelesen(verschachtelt(RtfHoechsteTiefe)), QStringList{QStringLiteral("a")});
}

// The roll of the lines, as RTF (.KRO) or as plain text.
void rolleAnlegen(const QString& pfad, const QStringList& zeilen) {
    if (pfad.endsWith(QLatin1String(".KRO")))
        rollendateiSchreiben(pfad, zeilen);
    else
        dateiAnlegen(pfad, textZuAnsi(zeilen.join(QStringLiteral("\r\n"))));
}

// In the child of a death test, whose limit stays: 0 the roll read, 1 "zu groß", 2 another error,
// 3 no limit set or a read bound past what it leaves free.
int ladenUnterGrenze(const QString& pfad, qint64 frei) {
    const QByteArray statm = dateiLesen(QStringLiteral("/proc/self/statm"), 4096);
    rlimit grenze{};
    ::getrlimit(RLIMIT_AS, &grenze);
    grenze.rlim_cur = statm.split(' ')[0].toLongLong() * ::sysconf(_SC_PAGESIZE) + frei;
    if (::setrlimit(RLIMIT_AS, &grenze) != 0 || lesespeichergrenze() > frei)
        return 3;
    const QString fehler = fehlerVon([&] { rollendateiLesen(pfad); });
    return fehler.isEmpty() ? 0 : fehler == Fehlertexte::dateiZuGross(pfad) ? 1 : 2;
}

// Only the memory the lines would take bounds a read; a roll past it is refused as too large,
// and said so, rather than taking the machine's memory.
TEST(RtfGrenzen, ZeilenUeberDerSpeichergrenze) {
    QTemporaryDir ordner;
    using Ergebnis = std::variant<QStringList, QString>;
    for (const char* name : {"Rolle.KRO", "Rolle.txt"}) {
        const QString pfad = ordner.filePath(QString::fromLatin1(name));
        QStringList zeilen(1000, QStringLiteral("12,00 €  "));
        rolleAnlegen(pfad, zeilen);
        EXPECT_EQ(rollendateiLesen(pfad, 1'000'000), zeilen) << name;
        EXPECT_EQ(fehlerVon([&] { rollendateiLesen(pfad, 10'000); }),
                  Fehlertexte::dateiZuGross(pfad))
            << name;
        const QByteArray bytes = dateiBytes(pfad);
        EXPECT_EQ(lesenInStuecken(bytes, 7, 10'000),
                  (std::variant<QStringList, QString>(Fehlertexte::dateiZuGross(QString()))));
        // A long line is counted while it grows: one that just fits is read, one a character
        // (two bytes) past the bound is too large.
        for (const qsizetype zeichen : {100'000 - 64, 100'001}) {
            const QStringList lang{QString(zeichen, u'5')};
            rolleAnlegen(pfad, lang);
            EXPECT_EQ(lesenInStuecken(dateiBytes(pfad), 7, 200'000),
                      zeichen < 100'000 ? Ergebnis(lang) : Ergebnis(Fehlertexte::dateiZuGross({})))
                << name << zeichen;
        }
#ifndef __SANITIZE_ADDRESS__ // its shadow memory does not fit under a limit on the address space
        // Under such a limit (ulimit -v) a load reads the roll or says it is too large, never
        // fails for memory it could not get: with 8 MiB left free the 32 MiB line is too large.
        rolleAnlegen(pfad, {QStringLiteral("12,50 ").repeated((qsizetype(16) << 20) / 6)});
        for (const qint64 frei : {8, 96})
            EXPECT_EXIT(::_exit(ladenUnterGrenze(pfad, frei << 20)),
                        ::testing::ExitedWithCode(frei < 16 ? 1 : 0), "")
                << name << frei;
#endif
    }
}

// A file cut off anywhere before its end is refused; the roll is never read in part.
TEST(RtfGrenzen, AbgeschnittenIrgendwo) {
    const QByteArray rtf = rtfAusZeilen(u8Liste({"12,00 €  ", "", "= {17} \\ €  ", "\tx"}));
    const qsizetype ende = rtf.lastIndexOf('}');
    for (qsizetype laenge = 5; laenge <= ende; ++laenge)
        EXPECT_EQ(ladefehler(rtf.left(laenge)), Fehlertexte::FehlerBeimLaden) << laenge;
}

TEST(Rollendatei, FehlendeDateiKannNichtGeoeffnetWerden) {
    QTemporaryDir ordner;
    const QString pfad = ordner.filePath(QStringLiteral("fehlt.KRO"));
    try {
        rollendateiLesen(pfad);
        ADD_FAILURE() << "gelesen";
    } catch (const Fehler& f) {
        EXPECT_EQ(f.text(), Fehlertexte::dateiNichtOeffenbar(pfad));
    }
}

TEST(Rollendatei, OhneOrdnerKannNichtErstelltWerden) {
    QTemporaryDir ordner;
    const QString pfad = ordner.filePath(QStringLiteral("fehlt/Montag.KRO"));
    try {
        rollendateiSchreiben(pfad, {QStringLiteral("a")});
        ADD_FAILURE() << "geschrieben";
    } catch (const Fehler& f) {
        EXPECT_EQ(f.text(), Fehlertexte::dateiNichtErstellbar(pfad));
    }
    EXPECT_FALSE(QFileInfo::exists(ordner.filePath(QStringLiteral("fehlt"))));
}

// RTF written by real word processors (tests/fixtures/rtf/README.md says how).
class Fremddatei : public ::testing::TestWithParam<const char*> {};

TEST_P(Fremddatei, LiestAbsaetze) {
    const QString ordner = QStringLiteral(RECHNER_FIXTURES "/rtf/");
    const QJsonObject erwartet =
        QJsonDocument::fromJson(dateiBytes(ordner + QStringLiteral("erwartet.json"))).object();
    const QString name = QString::fromLatin1(GetParam());
    ASSERT_TRUE(erwartet.contains(name));
    QStringList zeilen;
    for (const QJsonValue& z : erwartet[name].toArray())
        zeilen.append(z.toString());
    EXPECT_EQ(rollendateiLesen(ordner + name), zeilen);
}

INSTANTIATE_TEST_SUITE_P(Schreiber, Fremddatei,
                         ::testing::Values("libreoffice_text.rtf", "libreoffice_formatiert.rtf",
                                           "abiword_text.rtf", "abiword_formatiert.rtf"));

} // namespace
