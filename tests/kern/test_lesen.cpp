// Every read of the calculator refuses what is no regular file, without waiting and without
// replacing what it would have filled: the roll, the roll operations, the operator file and the
// settings file, against pipes with and without a writer, a socket, a device, a link to a
// device and a folder.
#include "common/dateizugriff.h"
#include "common/fehler.h"
#include "rechner/kern/datendateien.h"
#include "rechner/kern/rollendatei.h"
#include "rechner/kern/rollenverwaltung.h"
#include "tests/hilfen/dateien.h"
#include "tests/hilfen/skriptdialoge.h"
#include "tests/kern/fehlervon.h"
#include "tests/kern/sonderdateien.h"

namespace {

enum class Leser { Rolle, Rollenoperation, Nutzerdatei, Einstellungsdatei, Ganzedatei };

struct Lesefall {
    Sonderart art;
    Leser leser;
};

const char* leserName(Leser leser) {
    switch (leser) {
    case Leser::Rolle:
        return "Rolle";
    case Leser::Rollenoperation:
        return "Rollenoperation";
    case Leser::Nutzerdatei:
        return "Nutzerdatei";
    case Leser::Einstellungsdatei:
        return "Einstellungsdatei";
    case Leser::Ganzedatei:
        return "Ganzedatei";
    }
    return "?";
}

class Sonderdateien : public ::testing::TestWithParam<std::tuple<Sonderart, Leser>> {
protected:
    void SetUp() override {
        qputenv("XDG_DATA_HOME", QFile::encodeName(m_basis.path()));
        ASSERT_TRUE(QDir().mkpath(ordner()));
    }
    QString ordner() const { return m_basis.filePath(QStringLiteral("Morvane/Rechner")); }
    // Where the reader looks.
    QString ziel() const {
        switch (std::get<Leser>(GetParam())) {
        case Leser::Nutzerdatei:
            return nutzerdateipfad();
        case Leser::Einstellungsdatei:
            return einstellungsdateipfad();
        default:
            return ordner() + QStringLiteral("/Montag.KRO");
        }
    }

    QTemporaryDir m_basis;
};

// Each reader's error or message, and what it would have filled, which stays as it was.
TEST_P(Sonderdateien, WerdenAbgewiesenOhneZuWarten) {
    Sonderdatei eintrag(std::get<Sonderart>(GetParam()), ziel());
    SONDERDATEI_ANLEGEN(eintrag);
    const QString pfad = ziel();
    SkriptDialoge dialoge;
    switch (std::get<Leser>(GetParam())) {
    case Leser::Rolle:
        EXPECT_EQ(fehlerVon([&] { rollendateiLesen(pfad); }),
                  Fehlertexte::dateiNichtOeffenbar(pfad));
        break;
    case Leser::Rollenoperation: {
        Programmwerte w;
        Rolle haupt, kopie;
        haupt.ersetzen({QStringLiteral("Haupt")});
        kopie.ersetzen({QStringLiteral("Kopie")});
        Rollenverwaltung rollen(w, haupt, kopie, dialoge);
        dialoge.dateien.push_back(pfad);
        rollen.oeffnen();
        EXPECT_EQ(dialoge.meldungen(), QStringList{Fehlertexte::FehlerBeimLaden});
        EXPECT_EQ(haupt.zeilen(), QStringList{QStringLiteral("Haupt")});
        EXPECT_EQ(kopie.zeilen(), QStringList{QStringLiteral("Kopie")});
        EXPECT_TRUE(w.Rollenpfad.isEmpty());
        break;
    }
    case Leser::Nutzerdatei: {
        QString liste = QStringLiteral("1234  KASSE EINS\r\n");
        EXPECT_FALSE(NutzerlisteLaden(liste, dialoge));
        EXPECT_EQ(dialoge.meldungen(), QStringList{Fehlertexte::FehlerBeimLaden});
        EXPECT_EQ(liste, QStringLiteral("1234  KASSE EINS\r\n"));
        break;
    }
    case Leser::Einstellungsdatei: {
        Programmwerte werte;
        werte.Firmenname = QStringLiteral("alt");
        werte.Kommastellen = 3;
        EXPECT_EQ(fehlerVon([&] { EinstellungenLesen(werte); }), Fehlertexte::ZugriffVerweigert);
        EXPECT_EQ(werte.Firmenname, QStringLiteral("alt"));
        EXPECT_EQ(werte.Kommastellen, 3);
        break;
    }
    case Leser::Ganzedatei:
        EXPECT_EQ(fehlerVon([&] { dateiLesen(pfad, 100); }), Fehlertexte::ZugriffVerweigert);
        break;
    }
    EXPECT_EQ(eintraege(ordner()), QStringList{QFileInfo(pfad).fileName()});
}

INSTANTIATE_TEST_SUITE_P(
    Alle, Sonderdateien,
    ::testing::Combine(::testing::ValuesIn(AlleSonderarten),
                       ::testing::Values(Leser::Rolle, Leser::Rollenoperation, Leser::Nutzerdatei,
                                         Leser::Einstellungsdatei, Leser::Ganzedatei)),
    [](const auto& info) {
        return std::string(sonderartName(std::get<Sonderart>(info.param))) +
               leserName(std::get<Leser>(info.param));
    });

} // namespace
