// The main window's close request: refusal while signed in, the automatic save, the save
// dialog and the save question.
#include "rechner/kern/rollendatei.h"
#include "tests/hilfen/tasten.h"
#include "tests/kern/start_fixture.h"

namespace {

using Antwort = Dialoge::Antwort;
using Schliessantwort = Programmstart::Schliessantwort;

const QString SpeichernFrage = QStringLiteral(
    "frage: Achtung, Sie haben Ihre Daten noch nicht gespeichert! Jetzt speichern ?");
const QString SpeichernFehler = QStringLiteral("meldung: Fehler beim Speichern der Datei!");
const QString SpeichernDialog = QStringLiteral("speichern: ");
const QString AbmeldenZuerst =
    QStringLiteral("Sie müssen sich erst abmelden, um das Programm zu schließen!");

enum class Pfad { Keiner, Schreibbar, OrdnerFehlt };
enum class Ausgang { Schliesst, BleibtOffen, Fehler };

struct Schliessfall {
    const char* name;
    QString autopfadText;
    Pfad autopfad;
    quint8 rolleGespeichert;
    std::optional<Antwort> antwort;
    Pfad gewaehlt; // the file chosen in the save dialog; Keiner cancels it
    Ausgang ausgang;
    QStringList dialoge;
    quint8 rolleGespeichertDanach;
};

const QString AutopfadEin = QStringLiteral("True");
const QString AutopfadAus = QStringLiteral("False");

std::vector<Schliessfall> schliessfaelle() {
    const auto k = Pfad::Keiner, s = Pfad::Schreibbar, f = Pfad::OrdnerFehlt;
    const auto zu = Ausgang::Schliesst, offen = Ausgang::BleibtOffen, fehler = Ausgang::Fehler;
    const auto ja = Antwort::Ja, nein = Antwort::Nein;
    const QString t = AutopfadEin, n = AutopfadAus;
    const QString d = SpeichernDialog, fr = SpeichernFrage, fe = SpeichernFehler;
    // clang-format off
    return {
        {"autopfadGespeichert", t, s, 0, {}, k, zu, {}, 0},
        {"autopfadNichtSchreibbar", t, f, 0, {}, k, fehler, {}, 0},
        {"autopfadLeerDialogAbgebrochen", t, k, 0, {}, k, zu, {d}, 0},
        {"autopfadLeerGespeichert", t, k, 0, {}, s, zu, {d}, 1},
        {"autopfadLeerSpeichernScheitert", t, k, 0, {}, f, offen, {d, fe}, 0},
        {"autopfadLeerScheitertNachFruehererSicherung", t, k, 1, {}, f, offen, {d, fe}, 1},
        {"frageNein", n, k, 0, nein, k, zu, {fr}, 1},
        {"frageJaGespeichert", n, k, 0, ja, s, zu, {fr, d}, 1},
        {"frageJaDialogAbgebrochen", n, k, 0, ja, k, zu, {fr, d}, 0},
        {"frageJaSpeichernScheitert", n, k, 0, ja, f, offen, {fr, d, fe}, 0},
        {"frageAbgebrochen", n, k, 0, Antwort::Abgebrochen, k, zu, {fr}, 0},
        {"schonGespeichert", n, k, 1, {}, k, zu, {}, 1},
        {"autopfadWederTrueNochFalse", QStringLiteral("true"), s, 0, {}, k, zu, {}, 0},
    };
    // clang-format on
}

class Schliessen : public StartTest, public ::testing::WithParamInterface<Schliessfall> {
protected:
    Schliessen() {
        ordnerAnlegen();
        w.OhneAnmeldung = 2;
        haupt.nachAbmeldung();
        haupt.rolle().ersetzen({QStringLiteral("12,00 €  "), QString()});
    }
    QString pfad(Pfad art, const QString& name) const {
        if (art == Pfad::Keiner)
            return {};
        return art == Pfad::Schreibbar ? ordner() + name
                                       : ordner() + QStringLiteral("fehlt/") + name;
    }
    bool enthaeltRolle(const QString& datei) const {
        return !datei.isEmpty() && QFile::exists(datei) &&
               rollendateiLesen(datei) == haupt.rolle().zeilen();
    }
};

TEST_P(Schliessen, SpeichertFragtOderBleibtOffen) {
    const Schliessfall& fall = GetParam();
    w.AutopfadText = fall.autopfadText;
    w.Autopfad = pfad(fall.autopfad, QStringLiteral("Auto.KRO"));
    w.RolleGespeichert = fall.rolleGespeichert;
    if (fall.antwort)
        dialoge.antworten.push_back(*fall.antwort);
    const QString gewaehlt = pfad(fall.gewaehlt, QStringLiteral("Gewaehlt.KRO"));
    dialoge.dateien.push_back(gewaehlt.isEmpty() ? std::nullopt : std::optional(gewaehlt));

    auto antwort = Schliessantwort::Offenbleiben;
    const QString fehler = fehlerVon([&] { antwort = start.schliessenAnfragen(); });
    switch (fall.ausgang) {
    case Ausgang::Fehler:
        EXPECT_EQ(fehler, Fehlertexte::dateiNichtErstellbar(w.Autopfad));
        break;
    case Ausgang::Schliesst:
    case Ausgang::BleibtOffen:
        EXPECT_EQ(fehler, QString());
        EXPECT_EQ(antwort == Schliessantwort::Schliessen, fall.ausgang == Ausgang::Schliesst);
    }
    EXPECT_EQ(dialoge.protokoll, fall.dialoge);
    EXPECT_EQ(w.RolleGespeichert, fall.rolleGespeichertDanach);
    EXPECT_EQ(enthaeltRolle(w.Autopfad),
              fall.autopfad == Pfad::Schreibbar && fall.autopfadText == AutopfadEin);
    EXPECT_EQ(enthaeltRolle(gewaehlt), fall.gewaehlt == Pfad::Schreibbar);
    EXPECT_FALSE(QDir(ordner() + QStringLiteral("fehlt")).exists());
}

INSTANTIATE_TEST_SUITE_P(Faelle, Schliessen, ::testing::ValuesIn(schliessfaelle()),
                         [](const auto& info) { return std::string(info.param.name); });

// The refusal comes after the grand-total lines, which stay on the roll each time.
TEST_F(StartTest, AngemeldetVerweigertUndSpeichertNicht) {
    ordnerAnlegen();
    w.OhneAnmeldung = 1;
    w.AutopfadText = QStringLiteral("True");
    w.Autopfad = ordner() + QStringLiteral("Auto.KRO");
    haupt.nachAnmeldung();
    w.RechnerModus = Programmwerte::Euromodus;
    w.Kommastellen = 2;
    druecke(haupt, QStringLiteral("1 7 + ="));
    haupt.rolle().leeren();
    const QStringList gesamt{QString(), QStringLiteral("Gesamtumsatz: 17,00   €"), QString()};
    for (int versuch = 1; versuch <= 2; ++versuch) {
        EXPECT_EQ(fehlerVon([&] { start.schliessenAnfragen(); }), AbmeldenZuerst);
        QStringList erwartet;
        for (int i = 0; i < versuch; ++i)
            erwartet += gesamt;
        EXPECT_EQ(haupt.rolle().zeilen(), erwartet);
    }
    EXPECT_FALSE(QFile::exists(w.Autopfad));
    EXPECT_TRUE(dialoge.protokoll.isEmpty());
}

TEST_F(StartTest, OhneGesamtbetragVierBlankBisZumEuro) {
    w.OhneAnmeldung = 1;
    haupt.nachAbmeldung();
    w.AutopfadText = QStringLiteral("weder");
    EXPECT_EQ(start.schliessenAnfragen(), Schliessantwort::Schliessen);
    EXPECT_EQ(haupt.rolle().zeilen(),
              (QStringList{QString(),
                           QStringLiteral("Gesamtumsatz:") + QString(4, QLatin1Char(' ')) +
                               QStringLiteral("€"),
                           QString()}));
}

// "Nein" ends without saving: the roll counts as saved, and a second request neither saves nor
// asks.
TEST_F(StartTest, NachBeendenFragtDieZweiteAnfrageNicht) {
    w.OhneAnmeldung = 2;
    haupt.nachAbmeldung();
    w.AutopfadText = QStringLiteral("False");
    dialoge.antworten.push_back(Dialoge::Antwort::Nein);
    EXPECT_EQ(start.schliessenAnfragen(), Schliessantwort::Schliessen);
    ASSERT_EQ(w.RolleGespeichert, 1);
    EXPECT_EQ(start.schliessenAnfragen(), Schliessantwort::Schliessen);
    EXPECT_EQ(dialoge.protokoll, QStringList{SpeichernFrage});
}

// Closing writes the roll to the automatic path, and the next start loads it from there.
TEST_F(StartTest, AutomatischeRolleUeberstehtNeustart) {
    const QString pfad = ordner() + QStringLiteral("Registrierrolle.KRO");
    einstellungen({QStringLiteral("True"), pfad, QStringLiteral("2"), QStringLiteral("1"),
                   QStringLiteral("1"), QString()});
    nutzer({});
    schreiben(QStringLiteral("Registrierrolle.KRO"), {});
    start.beimZeigen();
    druecke(haupt, QStringLiteral("1 2 + 5 ="));
    ASSERT_EQ(start.schliessenAnfragen(), Schliessantwort::Schliessen);
    const QStringList geschrieben = haupt.rolle().zeilen();
    EXPECT_EQ(geschrieben.size(), 7) << "four calculation lines and the grand-total block";

    Testprogramm neustart;
    neustart.start.beimZeigen();
    EXPECT_EQ(neustart.haupt.rolle().zeilen(), geschrieben);
}

// An automatic roll file that start-up could not read is not overwritten unasked at exit: the
// save dialog comes instead, and cancelling it leaves the old file as it was.
TEST_F(StartTest, UnlesbareAutomatischeRolleWirdNichtUeberschrieben) {
    const QString pfad = ordner() + QStringLiteral("Registrierrolle.KRO");
    einstellungen({QStringLiteral("True"), pfad, QStringLiteral("2"), QStringLiteral("1"),
                   QStringLiteral("1"), QString()});
    nutzer({});
    const QByteArray beschaedigt("{\\rtf1 12,00 \\'80\\par = 1");
    schreiben(QStringLiteral("Registrierrolle.KRO"), beschaedigt);
    EXPECT_NE(fehlerVon([&] { start.beimZeigen(); }), QString());
    dialoge.dateien.push_back(std::nullopt);
    EXPECT_EQ(start.schliessenAnfragen(), Schliessantwort::Schliessen);
    EXPECT_EQ(dialoge.protokoll, QStringList{QStringLiteral("speichern: ")});
    QFile datei(pfad);
    ASSERT_TRUE(datei.open(QIODevice::ReadOnly));
    EXPECT_EQ(datei.readAll(), beschaedigt);
}

} // namespace
