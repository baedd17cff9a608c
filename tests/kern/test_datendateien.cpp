#include "common/fehler.h"
#include "rechner/kern/datendateien.h"
#include "tests/hilfen/dateien.h"
#include "tests/hilfen/skriptdialoge.h"
#include "tests/kern/fehlervon.h"

#include <QFileInfo>

#include <array>

namespace {

// A data folder of its own for every test, with the folder Morvane/Rechner in it.
class Datenordner : public ::testing::Test {
protected:
    void SetUp() override {
        qputenv("XDG_DATA_HOME", QFile::encodeName(m_basis.path()));
        ASSERT_TRUE(QDir().mkpath(ordner()));
    }
    QString ordner() const { return m_basis.filePath(QStringLiteral("Morvane/Rechner")); }
    QString einstellungsdatei() const { return ordner() + QStringLiteral("/AUTMV.txt"); }
    QString nutzerdatei() const { return ordner() + QStringLiteral("/KRAMV.txt"); }

    // Reads the settings file into the fixture's values; the error text, or empty.
    QString lesen() {
        return fehlerVon([&] { EinstellungenLesen(m_werte); });
    }
    std::array<QString, 6> texte() const {
        return {m_werte.AutopfadText,     m_werte.Autopfad,          m_werte.KommastellenText,
                m_werte.RechnerModusText, m_werte.OhneAnmeldungText, m_werte.Firmenname};
    }
    std::array<int, 3> zahlen() const {
        return {m_werte.Kommastellen, m_werte.RechnerModus, m_werte.OhneAnmeldung};
    }
    // Values from before the read, so that a test sees which ones a failure keeps.
    void alteWerte() {
        m_werte.AutopfadText = m_werte.Autopfad = m_werte.KommastellenText =
            m_werte.RechnerModusText = m_werte.OhneAnmeldungText = m_werte.Firmenname =
                QStringLiteral("alt");
        m_werte.Kommastellen = m_werte.RechnerModus = m_werte.OhneAnmeldung = 77;
    }

    QTemporaryDir m_basis;
    Programmwerte m_werte;
};

TEST(DatenOrdner, Regel) {
    const QString programm = QStringLiteral("/opt/Kasse");
    EXPECT_EQ(datenOrdnerAus(QStringLiteral("/home/k/.local/share"), programm),
              QStringLiteral("/home/k/.local/share/"));
    EXPECT_EQ(datenOrdnerAus(QStringLiteral("/daten/"), programm), QStringLiteral("/daten/"));
    EXPECT_EQ(datenOrdnerAus(QString(), programm), QStringLiteral("/opt/Kasse/"));
    EXPECT_EQ(datenOrdnerAus(QString(), QStringLiteral("/opt/Kasse/")),
              QStringLiteral("/opt/Kasse/"));
}

TEST_F(Datenordner, PfadeLiegenImDatenordner) {
    EXPECT_EQ(DatenOrdner(), m_basis.path() + QLatin1Char('/'));
    EXPECT_EQ(einstellungsdateipfad(), einstellungsdatei());
    EXPECT_EQ(nutzerdateipfad(), nutzerdatei());
}

struct Einstellungsfall {
    QByteArray datei;
    std::array<const char*, 6> texte;
    std::array<int, 3> zahlen; // 77: kept its old value
    const char* fehlerText;    // the text in "'%s' ist kein gültiger Integerwert", or null
};

void PrintTo(const Einstellungsfall& f, std::ostream* os) {
    *os << f.datei.toStdString();
}

class EinstellungenLesenFall : public Datenordner,
                               public ::testing::WithParamInterface<Einstellungsfall> {};

// The bytes alone, without a file.
TEST_P(EinstellungenLesenFall, TexteZahlenFehler) {
    const Einstellungsfall& fall = GetParam();
    alteWerte();
    const QString fehler = fehlerVon([&] { einstellungenAus(fall.datei, m_werte); });
    EXPECT_EQ(fehler, fall.fehlerText ? Fehlertexte::keinGueltigerIntegerwert(
                                            QString::fromUtf8(fall.fehlerText))
                                      : QString());
    std::array<QString, 6> erwartet;
    for (std::size_t i = 0; i < 6; ++i)
        erwartet[i] = QString::fromUtf8(fall.texte[i]);
    EXPECT_EQ(texte(), erwartet);
    EXPECT_EQ(zahlen(), fall.zahlen);
}

INSTANTIATE_TEST_SUITE_P(
    Dateien, EinstellungenLesenFall,
    ::testing::Values(
        Einstellungsfall{"True\r\n/rollen/Kasse.KRO\r\n2\r\n1\r\n2\r\n\r\n",
                         {"True", "/rollen/Kasse.KRO", "2", "1", "2", ""},
                         {2, 1, 2},
                         nullptr},
        Einstellungsfall{
            "False\r\n\r\n2\r\n1\r\n2\r\n", {"False", "", "2", "1", "2", ""}, {2, 1, 2}, nullptr},
        Einstellungsfall{
            "False\r\n\r\n2\r\n1\r\n2", {"False", "", "2", "1", "2", ""}, {2, 1, 2}, nullptr},
        Einstellungsfall{"True\r\nx\r\n", {"True", "x", "", "", "", ""}, {77, 77, 77}, ""},
        Einstellungsfall{"", {"", "", "", "", "", ""}, {77, 77, 77}, ""},
        Einstellungsfall{"True\r\n\r\n3\r\nabc\r\n1\r\nF\r\n",
                         {"True", "", "3", "abc", "1", "F"},
                         {3, 77, 77},
                         "abc"},
        Einstellungsfall{
            "True\r\n\r\n2\r\n1\r\nx\r\nF\r\n", {"True", "", "2", "1", "x", "F"}, {2, 1, 77}, "x"},
        Einstellungsfall{"True\r\n\r\n9\r\n300\r\n-1\r\n\r\n",
                         {"True", "", "9", "300", "-1", ""},
                         {9, 44, 255},
                         nullptr},
        Einstellungsfall{"True\r\n\r\n$FF\r\n  +2\r\n$1F4\r\n\r\n",
                         {"True", "", "$FF", "  +2", "$1F4", ""},
                         {255, 2, 244},
                         nullptr},
        Einstellungsfall{"True\r\n\r\n2 \r\n1\r\n1\r\n\r\n",
                         {"True", "", "2 ", "1", "1", ""},
                         {77, 77, 77},
                         "2 "},
        Einstellungsfall{"true\n/a b/K.KRO\n2\n2\n1\nFirma\n",
                         {"true", "/a b/K.KRO", "2", "2", "1", "Firma"},
                         {2, 2, 1},
                         nullptr},
        Einstellungsfall{"Tr\rue\r\n\r\n2\r\r\n1\r\n1\r\nA\rB\r\n",
                         {"True", "", "2", "1", "1", "AB"},
                         {2, 1, 1},
                         nullptr},
        Einstellungsfall{"True\r\n\r\n2\r\n1\r\n2\r\nFirma\r\nSieben\r\nAcht",
                         {"True", "", "2", "1", "2", "Firma"},
                         {2, 1, 2},
                         nullptr},
        Einstellungsfall{
            "True\r\n\r\n2\r\n1\r\n2\r\nM\xfcller & S\xf6hne \x80 GmbH und Co. KG, "
            "Filiale Nord\r\n",
            {"True", "", "2", "1", "2", "Müller & Söhne € GmbH und Co. KG, Filiale Nord"},
            {2, 1, 2},
            nullptr}));

TEST_F(Datenordner, FehlendeDateiLaesstAllesAlt) {
    alteWerte();
    EXPECT_EQ(lesen(), Fehlertexte::DateiNichtGefunden);
    EXPECT_EQ(m_werte.AutopfadText, QStringLiteral("alt"));
    EXPECT_EQ(zahlen(), (std::array<int, 3>{77, 77, 77}));
}

TEST_F(Datenordner, FehlenderOrdner) {
    ASSERT_TRUE(QDir(m_basis.filePath(QStringLiteral("Morvane"))).removeRecursively());
    alteWerte();
    EXPECT_EQ(lesen(), Fehlertexte::UngueltigerDateiname);
    EXPECT_EQ(m_werte.Firmenname, QStringLiteral("alt"));
    SkriptDialoge dialoge;
    QString liste;
    EXPECT_FALSE(NutzerlisteLaden(liste, dialoge));
    EXPECT_EQ(dialoge.meldungen(), QStringList{Fehlertexte::FehlerBeimLaden});
    EXPECT_FALSE(QFileInfo::exists(ordner()));
}

// Only the first six lines are read: what follows them may be of any size.
TEST_F(Datenordner, NachDerSechstenZeileWirdNichtsGelesen) {
    dateiAnlegen(einstellungsdatei(), "True\r\n\r\n2\r\n1\r\n2\r\nFirma\r\n");
    QFile datei(einstellungsdatei());
    ASSERT_TRUE(datei.resize(qint64(4) << 30)); // sparse: takes no disk
    EXPECT_EQ(lesen(), QString());
    EXPECT_EQ(m_werte.Firmenname, QStringLiteral("Firma"));
}

TEST_F(Datenordner, RiesigeZeileNimmtKeinenSpeicher) {
    dateiAnlegen(einstellungsdatei(), "True\r\n");
    QFile datei(einstellungsdatei());
    ASSERT_TRUE(datei.resize(qint64(100) << 20));
    alteWerte();
    EXPECT_EQ(lesen(), Fehlertexte::eaFehler(8));
    EXPECT_EQ(m_werte.AutopfadText, QStringLiteral("alt"));
}

// The file reads as its bytes do.
TEST_F(Datenordner, DateiWieIhreBytes) {
    dateiAnlegen(einstellungsdatei(), "true\n/a b/K.KRO\n2\n2\n1\nFirma\n");
    EXPECT_EQ(lesen(), QString());
    EXPECT_EQ(texte(), (std::array<QString, 6>{QStringLiteral("true"), QStringLiteral("/a b/K.KRO"),
                                               QStringLiteral("2"), QStringLiteral("2"),
                                               QStringLiteral("1"), QStringLiteral("Firma")}));
    EXPECT_EQ(zahlen(), (std::array<int, 3>{2, 2, 1}));
}

TEST_F(Datenordner, SchreibenGibtSechsZeilenMitCrLf) {
    m_werte.AutopfadText = QStringLiteral("True");
    m_werte.Autopfad = QStringLiteral("/rollen/Kasse.KRO");
    m_werte.KommastellenText = QStringLiteral("2");
    m_werte.RechnerModusText = QStringLiteral("1");
    m_werte.OhneAnmeldungText = QStringLiteral("2");
    EinstellungenSchreiben(m_werte);
    EXPECT_EQ(dateiBytes(einstellungsdatei()),
              QByteArray("True\r\n/rollen/Kasse.KRO\r\n2\r\n1\r\n2\r\n\r\n"));
    m_werte.AutopfadText = QStringLiteral("False");
    m_werte.Autopfad.clear();
    m_werte.Firmenname = QString::fromUtf8("Bäckerei €");
    EinstellungenSchreiben(m_werte);
    EXPECT_EQ(dateiBytes(einstellungsdatei()), QByteArray("False\r\n\r\n2\r\n1\r\n2\r\nB\xe4"
                                                          "ckerei \x80\r\n"));
}

// What is written reads back as the same six texts, outside Windows-1252 as "?".
class EinstellungenRundreise
    : public Datenordner,
      public ::testing::WithParamInterface<std::pair<const char*, const char*>> {};

TEST_P(EinstellungenRundreise, GleicheTexte) {
    m_werte.AutopfadText = QStringLiteral("True");
    m_werte.Autopfad = QStringLiteral("/home/kasse/Rollen/Montag.KRO");
    m_werte.KommastellenText = QStringLiteral("6");
    m_werte.RechnerModusText = QStringLiteral("2");
    m_werte.OhneAnmeldungText = QStringLiteral("1");
    m_werte.Firmenname = QString::fromUtf8(GetParam().first);
    const QByteArray bytes = einstellungsBytes(m_werte);
    const auto geschrieben = texte();
    alteWerte();
    ASSERT_EQ(fehlerVon([&] { einstellungenAus(bytes, m_werte); }), QString());
    auto erwartet = geschrieben;
    erwartet[5] = QString::fromUtf8(GetParam().second);
    EXPECT_EQ(texte(), erwartet);
    EXPECT_EQ(zahlen(), (std::array<int, 3>{6, 2, 1}));
}

INSTANTIATE_TEST_SUITE_P(Firmennamen, EinstellungenRundreise,
                         ::testing::Values(std::pair{"", ""},
                                           std::pair{"Kiosk am Markt – Inh. Jörg Weiß, 12345 Ort",
                                                     "Kiosk am Markt – Inh. Jörg Weiß, 12345 Ort"},
                                           std::pair{"  Blanks  ", "  Blanks  "},
                                           std::pair{"Αθήνα", "?????"}));

struct Nutzerfall {
    QByteArray datei;
    const char* text;
};

void PrintTo(const Nutzerfall& f, std::ostream* os) {
    *os << f.datei.toStdString();
}

class NutzerlisteLadenFall : public Datenordner,
                             public ::testing::WithParamInterface<Nutzerfall> {};

TEST_P(NutzerlisteLadenFall, ZeilenumbruecheCrLf) {
    const QString liste = nutzerlisteAus(GetParam().datei);
    EXPECT_EQ(liste, QString::fromUtf8(GetParam().text));
    EXPECT_EQ(nutzerlisteAus(nutzerlistenBytes(liste)), liste);
}

// Loading tells whether the list changed; the file reads as its bytes do.
TEST_F(Datenordner, LadenMeldetAenderung) {
    dateiAnlegen(nutzerdatei(), "1  A\n2  B");
    SkriptDialoge dialoge;
    QString liste;
    EXPECT_TRUE(NutzerlisteLaden(liste, dialoge));
    EXPECT_EQ(liste, QStringLiteral("1  A\r\n2  B"));
    EXPECT_TRUE(dialoge.meldungen().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Dateien, NutzerlisteLadenFall,
                         ::testing::Values(Nutzerfall{"", ""},
                                           Nutzerfall{"1234  KASSE EINS\r\n12  LAGER\r\n",
                                                      "1234  KASSE EINS\r\n12  LAGER\r\n"},
                                           Nutzerfall{"1  A\n2  B\n", "1  A\r\n2  B\r\n"},
                                           Nutzerfall{"1  A\r2  B\r", "1  A\r\n2  B\r\n"},
                                           Nutzerfall{"a\r\n\rb\n\r\n\n\r",
                                                      "a\r\n\r\nb\r\n\r\n\r\n\r\n"},
                                           Nutzerfall{"9  OHNE UMBRUCH", "9  OHNE UMBRUCH"},
                                           Nutzerfall{"7  M\xdcLLER\r\n", "7  MÜLLER\r\n"}));

TEST_F(Datenordner, GleicherTextAendertNichts) {
    dateiAnlegen(nutzerdatei(), "1  A\n");
    SkriptDialoge dialoge;
    QString liste = QStringLiteral("1  A\r\n");
    EXPECT_FALSE(NutzerlisteLaden(liste, dialoge));
    EXPECT_EQ(liste, QStringLiteral("1  A\r\n"));
}

TEST_F(Datenordner, FehlendeNutzerdateiLaesstListe) {
    SkriptDialoge dialoge;
    QString liste = QStringLiteral("1  A\r\n");
    EXPECT_FALSE(NutzerlisteLaden(liste, dialoge));
    EXPECT_EQ(liste, QStringLiteral("1  A\r\n"));
    EXPECT_EQ(dialoge.meldungen(), QStringList{Fehlertexte::FehlerBeimLaden});
}

TEST_F(Datenordner, NutzerlisteWirdByteFuerByteGespeichert) {
    SkriptDialoge dialoge;
    NutzerlisteSpeichern(QString::fromUtf8("1234  KASSE EINS\r\n12  LAGER\r\n"), dialoge);
    EXPECT_EQ(dateiBytes(nutzerdatei()), QByteArray("1234  KASSE EINS\r\n12  LAGER\r\n"));
    NutzerlisteSpeichern(QString::fromUtf8("7  MÜLLER\r\n8  OHNE"), dialoge);
    EXPECT_EQ(dateiBytes(nutzerdatei()), QByteArray("7  M\xdcLLER\r\n8  OHNE"));
    NutzerlisteSpeichern(QString(), dialoge);
    EXPECT_EQ(dateiBytes(nutzerdatei()), QByteArray());
    EXPECT_TRUE(dialoge.meldungen().isEmpty());
}

TEST_F(Datenordner, LfDateiWirdMitCrLfGespeichert) {
    dateiAnlegen(nutzerdatei(), "1  A\n2  B\n");
    SkriptDialoge dialoge;
    QString liste;
    NutzerlisteLaden(liste, dialoge);
    NutzerlisteSpeichern(liste, dialoge);
    EXPECT_EQ(dateiBytes(nutzerdatei()), QByteArray("1  A\r\n2  B\r\n"));
}

} // namespace
