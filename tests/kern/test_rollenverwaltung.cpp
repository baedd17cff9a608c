#include "common/fehler.h"
#include "rechner/kern/rollendatei.h"
#include "rechner/kern/rollenverwaltung.h"
#include "tests/hilfen/dateien.h"
#include "tests/hilfen/protokollfang.h"
#include "tests/hilfen/skriptdialoge.h"

namespace {

using Antwort = Dialoge::Antwort;

class Rollenoperationen : public ::testing::Test {
protected:
    Rollenoperationen() : m_r(m_w, m_haupt, m_kopie, m_dialoge) {
        m_haupt.ersetzen({QString::fromUtf8("12,00 €  "), QString()});
        m_kopie.ersetzen({QStringLiteral("Kopie")});
    }
    QString pfad(const char* name) const { return m_ordner.filePath(QString::fromUtf8(name)); }
    void speichernNach(const QString& ziel) {
        m_dialoge.dateien.push_back(ziel);
        m_r.speichern();
    }
    void oeffnen(const QString& quelle) {
        m_dialoge.dateien.push_back(quelle);
        m_r.oeffnen();
    }

    QTemporaryDir m_ordner;
    Programmwerte m_w;
    Rolle m_haupt;
    Rolle m_kopie;
    SkriptDialoge m_dialoge;
    Rollenverwaltung m_r;
};

TEST_F(Rollenoperationen, SpeichernUndOeffnenGibtDieselbenZeilen) {
    const QStringList zeilen = m_haupt.zeilen();
    speichernNach(pfad("Montag.KRO"));
    m_haupt.leeren();
    oeffnen(pfad("Montag.KRO"));
    EXPECT_EQ(m_haupt.zeilen(), zeilen);
    EXPECT_EQ(m_kopie.zeilen(), zeilen);
    EXPECT_TRUE(m_dialoge.meldungen().isEmpty());
}

TEST_F(Rollenoperationen, OeffnenSetztPfadUndName) {
    rollendateiSchreiben(pfad("Montag.KRO"), {QStringLiteral("Montag")});
    oeffnen(pfad("Montag.KRO"));
    EXPECT_EQ(m_w.Rollenpfad, pfad("Montag.KRO"));
    EXPECT_EQ(m_w.Rollenname, QStringLiteral("Montag.KRO"));
    EXPECT_EQ(m_haupt.zeilen(), QStringList{QStringLiteral("Montag")});
    EXPECT_EQ(m_kopie.zeilen(), QStringList{QStringLiteral("Montag")});
    speichernNach(pfad("Dienstag.KRO"));
    EXPECT_EQ(m_w.Rollenpfad, pfad("Dienstag.KRO"));
    EXPECT_EQ(m_w.Rollenname, QStringLiteral("Montag.KRO"));
    EXPECT_TRUE(m_w.RolleGespeichert);
}

TEST_F(Rollenoperationen, TextdateiGibtEineZeileJeTextzeile) {
    dateiAnlegen(pfad("Text.KRO"), "eins\r\n\r\nzwei  \nEnde");
    oeffnen(pfad("Text.KRO"));
    const QStringList erwartet{QStringLiteral("eins"), QString(), QStringLiteral("zwei  "),
                               QStringLiteral("Ende")};
    EXPECT_EQ(m_haupt.zeilen(), erwartet);
    EXPECT_EQ(m_kopie.zeilen(), erwartet);
}

TEST_F(Rollenoperationen, DialogeSchlagenDenRollenpfadVor) {
    m_dialoge.dateien = {std::nullopt, std::nullopt};
    m_r.speichern();
    m_r.oeffnen();
    EXPECT_EQ(m_dialoge.speichernVorschlaege(), QStringList{QString()});
    EXPECT_EQ(m_dialoge.oeffnenVorschlaege().back(), QStringLiteral("-"));
    speichernNach(pfad("Montag.KRO"));
    m_dialoge.dateien = {std::nullopt, std::nullopt};
    m_r.speichern();
    m_r.oeffnen();
    EXPECT_EQ(m_dialoge.speichernVorschlaege().back(), pfad("Montag.KRO"));
    EXPECT_EQ(m_dialoge.oeffnenVorschlaege().back(), pfad("Montag.KRO"));
}

TEST_F(Rollenoperationen, AbbrechenAendertNichts) {
    m_dialoge.dateien = {std::nullopt, std::nullopt};
    m_r.speichern();
    m_r.oeffnen();
    EXPECT_EQ(m_kopie.anzahl(), 1);
    EXPECT_EQ(m_haupt.anzahl(), 2);
    EXPECT_FALSE(m_w.RolleGespeichert);
    EXPECT_TRUE(m_w.Rollenpfad.isEmpty());
    EXPECT_TRUE(eintraege(m_ordner.path()).isEmpty());
}

TEST_F(Rollenoperationen, NeueRolleNeinDannSpeichern) {
    m_dialoge.antworten = {Antwort::Nein};
    m_r.neueRolle();
    EXPECT_EQ(m_dialoge.fragen(), QStringList{QStringLiteral(
                                      "Sie erzeugen eine neue Registrierolle. Neue Registrierrolle "
                                      "jetzt anlegen ?")});
    EXPECT_TRUE(m_w.NeueRolle);
    EXPECT_TRUE(m_dialoge.speichernVorschlaege().isEmpty());
    const QStringList zeilen = m_haupt.zeilen();
    speichernNach(pfad("Neu.KRO"));
    EXPECT_EQ(m_kopie.anzahl(), 0);
    EXPECT_EQ(rollendateiLesen(pfad("Neu.KRO")), zeilen);
    EXPECT_FALSE(m_w.NeueRolle);
}

TEST_F(Rollenoperationen, NeueRolleJaUndAbgebrochen) {
    m_dialoge.antworten = {Antwort::Ja};
    m_dialoge.dateien = {std::nullopt};
    m_r.neueRolle();
    EXPECT_EQ(m_kopie.anzahl(), 0);
    EXPECT_EQ(m_haupt.anzahl(), 2);
    EXPECT_TRUE(m_w.NeueRolle);
    EXPECT_FALSE(m_w.RolleGespeichert);
    EXPECT_TRUE(eintraege(m_ordner.path()).isEmpty());
}

TEST_F(Rollenoperationen, NachNeuerRolleWirdDieDateiVorgeschlagen) {
    m_dialoge.antworten = {Antwort::Ja};
    m_dialoge.dateien = {pfad("Neu.KRO")};
    m_r.neueRolle();
    EXPECT_EQ(m_w.Rollenpfad, pfad("Neu.KRO"));
    EXPECT_FALSE(m_w.NeueRolle);
    EXPECT_TRUE(m_w.RolleGespeichert);
    m_dialoge.dateien = {std::nullopt};
    m_r.speichern();
    EXPECT_EQ(m_dialoge.speichernVorschlaege().back(), pfad("Neu.KRO"));
}

// A file that cannot be read shows the load message, and the log keeps the file and the cause
// the message does not name; both rolls and the state stay.
class Ladefehler : public Rollenoperationen, public ::testing::WithParamInterface<QByteArray> {};

TEST_P(Ladefehler, AllesBleibt) {
    speichernNach(pfad("Montag.KRO"));
    const QStringList hauptVorher = m_haupt.zeilen();
    const QStringList kopieVorher = m_kopie.zeilen();
    const QString ziel = pfad("Kaputt.KRO");
    if (!GetParam().isNull())
        dateiAnlegen(ziel, GetParam());
    Protokollfang protokoll;
    oeffnen(ziel);
    EXPECT_EQ(m_dialoge.meldungen(), QStringList{Fehlertexte::FehlerBeimLaden});
    const QString ursache =
        GetParam().isNull() ? Fehlertexte::dateiNichtOeffenbar(ziel) : Fehlertexte::FehlerBeimLaden;
    EXPECT_EQ(protokoll.meldungen.value(protokoll.meldungen.size() - 1),
              QStringLiteral("common.dateien: Reading \"%1\" failed: %2").arg(ziel, ursache));
    EXPECT_EQ(m_haupt.zeilen(), hauptVorher);
    EXPECT_EQ(m_kopie.zeilen(), kopieVorher);
    EXPECT_EQ(m_w.Rollenpfad, pfad("Montag.KRO"));
    EXPECT_TRUE(m_w.Rollenname.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Dateien, Ladefehler,
                         ::testing::Values(QByteArray(), "{\\rtf1 abgeschnitten\\par",
                                           "{\\rtf1" + QByteArray(5000, '{'),
                                           "{\\rtf1{\\pict\\bin999 x}}"));

// A file that cannot be written shows the save message, and the log the file that could not be
// made; the state stays and the old file too.
class Speicherfehler : public Rollenoperationen,
                       public ::testing::WithParamInterface<const char*> {};

TEST_P(Speicherfehler, ZustandUndAlteDateiBleiben) {
    dateiAnlegen(pfad("Alt.KRO"), "alt");
    ASSERT_EQ(::chmod(QFile::encodeName(pfad("Alt.KRO")).constData(), 0444), 0);
    ASSERT_TRUE(QDir(m_ordner.path()).mkdir(QStringLiteral("Ordner.KRO")));
    m_w.NeueRolle = true;
    Protokollfang protokoll;
    speichernNach(pfad(GetParam()));
    EXPECT_EQ(m_dialoge.meldungen(), QStringList{Fehlertexte::FehlerBeimSpeichern});
    EXPECT_EQ(protokoll.meldungen.value(protokoll.meldungen.size() - 1),
              QStringLiteral("common.dateien: Writing \"%1\" failed: %2")
                  .arg(pfad(GetParam()), Fehlertexte::dateiNichtErstellbar(pfad(GetParam()))));
    EXPECT_TRUE(m_w.Rollenpfad.isEmpty());
    EXPECT_FALSE(m_w.RolleGespeichert);
    EXPECT_TRUE(m_w.NeueRolle);
    EXPECT_EQ(dateiBytes(pfad("Alt.KRO")), QByteArray("alt"));
    EXPECT_EQ(eintraege(m_ordner.path()),
              (QStringList{QStringLiteral("Alt.KRO"), QStringLiteral("Ordner.KRO")}));
}

INSTANTIATE_TEST_SUITE_P(Ziele, Speicherfehler,
                         ::testing::Values("fehlt/Montag.KRO", "Alt.KRO", "Ordner.KRO"));

} // namespace
