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
    Rollenoperationen() : r(w, haupt, kopie, dialoge) {
        haupt.ersetzen({QString::fromUtf8("12,00 €  "), QString()});
        kopie.ersetzen({QStringLiteral("Kopie")});
    }
    QString pfad(const char* name) const { return ordner.filePath(QString::fromUtf8(name)); }
    void speichernNach(const QString& ziel) {
        dialoge.dateien.push_back(ziel);
        r.speichern();
    }
    void oeffnen(const QString& quelle) {
        dialoge.dateien.push_back(quelle);
        r.oeffnen();
    }

    QTemporaryDir ordner;
    Programmwerte w;
    Rolle haupt;
    Rolle kopie;
    SkriptDialoge dialoge;
    Rollenverwaltung r;
};

TEST_F(Rollenoperationen, SpeichernUndOeffnenGibtDieselbenZeilen) {
    const QStringList zeilen = haupt.zeilen();
    speichernNach(pfad("Montag.KRO"));
    haupt.leeren();
    oeffnen(pfad("Montag.KRO"));
    EXPECT_EQ(haupt.zeilen(), zeilen);
    EXPECT_EQ(kopie.zeilen(), zeilen);
    EXPECT_TRUE(dialoge.meldungen().isEmpty());
}

TEST_F(Rollenoperationen, OeffnenSetztPfadUndName) {
    rollendateiSchreiben(pfad("Montag.KRO"), {QStringLiteral("Montag")});
    oeffnen(pfad("Montag.KRO"));
    EXPECT_EQ(w.Rollenpfad, pfad("Montag.KRO"));
    EXPECT_EQ(w.Rollenname, QStringLiteral("Montag.KRO"));
    EXPECT_EQ(haupt.zeilen(), QStringList{QStringLiteral("Montag")});
    EXPECT_EQ(kopie.zeilen(), QStringList{QStringLiteral("Montag")});
    speichernNach(pfad("Dienstag.KRO"));
    EXPECT_EQ(w.Rollenpfad, pfad("Dienstag.KRO"));
    EXPECT_EQ(w.Rollenname, QStringLiteral("Montag.KRO"));
    EXPECT_TRUE(w.RolleGespeichert);
}

TEST_F(Rollenoperationen, TextdateiGibtEineZeileJeTextzeile) {
    dateiAnlegen(pfad("Text.KRO"), "eins\r\n\r\nzwei  \nEnde");
    oeffnen(pfad("Text.KRO"));
    const QStringList erwartet{QStringLiteral("eins"), QString(), QStringLiteral("zwei  "),
                               QStringLiteral("Ende")};
    EXPECT_EQ(haupt.zeilen(), erwartet);
    EXPECT_EQ(kopie.zeilen(), erwartet);
}

TEST_F(Rollenoperationen, DialogeSchlagenDenRollenpfadVor) {
    dialoge.dateien = {std::nullopt, std::nullopt};
    r.speichern();
    r.oeffnen();
    EXPECT_EQ(dialoge.speichernVorschlaege(), QStringList{QString()});
    EXPECT_EQ(dialoge.oeffnenVorschlaege().back(), QStringLiteral("-"));
    speichernNach(pfad("Montag.KRO"));
    dialoge.dateien = {std::nullopt, std::nullopt};
    r.speichern();
    r.oeffnen();
    EXPECT_EQ(dialoge.speichernVorschlaege().back(), pfad("Montag.KRO"));
    EXPECT_EQ(dialoge.oeffnenVorschlaege().back(), pfad("Montag.KRO"));
}

TEST_F(Rollenoperationen, AbbrechenAendertNichts) {
    dialoge.dateien = {std::nullopt, std::nullopt};
    r.speichern();
    r.oeffnen();
    EXPECT_EQ(kopie.anzahl(), 1);
    EXPECT_EQ(haupt.anzahl(), 2);
    EXPECT_FALSE(w.RolleGespeichert);
    EXPECT_TRUE(w.Rollenpfad.isEmpty());
    EXPECT_TRUE(eintraege(ordner.path()).isEmpty());
}

TEST_F(Rollenoperationen, NeueRolleNeinDannSpeichern) {
    dialoge.antworten = {Antwort::Nein};
    r.neueRolle();
    EXPECT_EQ(dialoge.fragen(), QStringList{QStringLiteral(
                                    "Sie erzeugen eine neue Registrierolle. Neue Registrierrolle "
                                    "jetzt anlegen ?")});
    EXPECT_TRUE(w.NeueRolle);
    EXPECT_TRUE(dialoge.speichernVorschlaege().isEmpty());
    const QStringList zeilen = haupt.zeilen();
    speichernNach(pfad("Neu.KRO"));
    EXPECT_EQ(kopie.anzahl(), 0);
    EXPECT_EQ(rollendateiLesen(pfad("Neu.KRO")), zeilen);
    EXPECT_FALSE(w.NeueRolle);
}

TEST_F(Rollenoperationen, NeueRolleJaUndAbgebrochen) {
    dialoge.antworten = {Antwort::Ja};
    dialoge.dateien = {std::nullopt};
    r.neueRolle();
    EXPECT_EQ(kopie.anzahl(), 0);
    EXPECT_EQ(haupt.anzahl(), 2);
    EXPECT_TRUE(w.NeueRolle);
    EXPECT_FALSE(w.RolleGespeichert);
    EXPECT_TRUE(eintraege(ordner.path()).isEmpty());
}

TEST_F(Rollenoperationen, NachNeuerRolleWirdDieDateiVorgeschlagen) {
    dialoge.antworten = {Antwort::Ja};
    dialoge.dateien = {pfad("Neu.KRO")};
    r.neueRolle();
    EXPECT_EQ(w.Rollenpfad, pfad("Neu.KRO"));
    EXPECT_FALSE(w.NeueRolle);
    EXPECT_TRUE(w.RolleGespeichert);
    dialoge.dateien = {std::nullopt};
    r.speichern();
    EXPECT_EQ(dialoge.speichernVorschlaege().back(), pfad("Neu.KRO"));
}

// A file that cannot be read shows the load message, and the log keeps the file and the cause
// the message does not name; both rolls and the state stay.
class Ladefehler : public Rollenoperationen, public ::testing::WithParamInterface<QByteArray> {};

TEST_P(Ladefehler, AllesBleibt) {
    speichernNach(pfad("Montag.KRO"));
    const QStringList hauptVorher = haupt.zeilen();
    const QStringList kopieVorher = kopie.zeilen();
    const QString ziel = pfad("Kaputt.KRO");
    if (!GetParam().isNull())
        dateiAnlegen(ziel, GetParam());
    Protokollfang protokoll;
    oeffnen(ziel);
    EXPECT_EQ(dialoge.meldungen(), QStringList{Fehlertexte::FehlerBeimLaden});
    const QString ursache =
        GetParam().isNull() ? Fehlertexte::dateiNichtOeffenbar(ziel) : Fehlertexte::FehlerBeimLaden;
    EXPECT_EQ(protokoll.meldungen.value(protokoll.meldungen.size() - 1),
              QStringLiteral("common.dateien: Reading \"%1\" failed: %2").arg(ziel, ursache));
    EXPECT_EQ(haupt.zeilen(), hauptVorher);
    EXPECT_EQ(kopie.zeilen(), kopieVorher);
    EXPECT_EQ(w.Rollenpfad, pfad("Montag.KRO"));
    EXPECT_TRUE(w.Rollenname.isEmpty());
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
    ASSERT_TRUE(QDir(ordner.path()).mkdir(QStringLiteral("Ordner.KRO")));
    w.NeueRolle = true;
    Protokollfang protokoll;
    speichernNach(pfad(GetParam()));
    EXPECT_EQ(dialoge.meldungen(), QStringList{Fehlertexte::FehlerBeimSpeichern});
    EXPECT_EQ(protokoll.meldungen.value(protokoll.meldungen.size() - 1),
              QStringLiteral("common.dateien: Writing \"%1\" failed: %2")
                  .arg(pfad(GetParam()), Fehlertexte::dateiNichtErstellbar(pfad(GetParam()))));
    EXPECT_TRUE(w.Rollenpfad.isEmpty());
    EXPECT_FALSE(w.RolleGespeichert);
    EXPECT_TRUE(w.NeueRolle);
    EXPECT_EQ(dateiBytes(pfad("Alt.KRO")), QByteArray("alt"));
    EXPECT_EQ(eintraege(ordner.path()),
              (QStringList{QStringLiteral("Alt.KRO"), QStringLiteral("Ordner.KRO")}));
}

INSTANTIATE_TEST_SUITE_P(Ziele, Speicherfehler,
                         ::testing::Values("fehlt/Montag.KRO", "Alt.KRO", "Ordner.KRO"));

} // namespace
