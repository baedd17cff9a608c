// The download, post-download and install steps tick by tick, and "Abbrechen".
#include "tests/nivex/schritte.h"

#include <QDir>

#include <gtest/gtest.h>

namespace {

namespace T = Nivextexte;

// What the window shows of a step.
struct Stand {
    bool b1, b2, b3;
    Stift s1, s2;
    QString status;
    int pb1, pb2;
    bool t1, t2, t3;
    bool operator==(const Stand&) const = default;
};

Stand stand(const Updatemodell& m) {
    return {m.herunterladenAktiv(),
            m.installierenAktiv(),
            m.abbrechenAktiv(),
            m.downloadStift(),
            m.installStift(),
            m.statuszeile(1),
            m.downloadFortschritt(),
            m.installFortschritt(),
            m.schritt() == Updatemodell::Schritt::Download,
            m.schritt() == Updatemodell::Schritt::NachDownload,
            m.schritt() == Updatemodell::Schritt::Installation};
}

void PrintTo(const Stand& s, std::ostream* os) {
    *os << s.b1 << s.b2 << s.b3 << " pen " << int(s.s1.farbe) << '/' << s.s1.breite << ' '
        << int(s.s2.farbe) << '/' << s.s2.breite << " \"" << s.status.toStdString() << "\" "
        << s.pb1 << ' ' << s.pb2 << " timer " << s.t1 << s.t2 << s.t3;
}

enum class Ereignis { Herunterladen, Tick1, Tick2, Installieren, Tick3 };

struct Zeile {
    Ereignis ereignis;
    Stand danach;
};

constexpr Stift S = SchwarzerStift, R = RoterStift;

// The state table, tick by tick.
const Zeile Ablauf[] = {
    {Ereignis::Herunterladen, {0, 0, 0, S, S, T::Bereit, 0, 0, 1, 0, 0}},
    {Ereignis::Tick1, {0, 0, 0, S, S, T::Ermitteln, 0, 0, 1, 0, 0}},
    {Ereignis::Tick1, {0, 0, 0, S, S, T::Ermitteln, 0, 0, 1, 0, 0}},
    {Ereignis::Tick1, {0, 0, 0, S, S, T::Ermitteln, 0, 0, 1, 0, 0}},
    {Ereignis::Tick1, {0, 0, 0, S, S, T::Ermitteln, 0, 0, 1, 0, 0}},
    {Ereignis::Tick1, {0, 0, 0, R, S, T::DownloadBeginnt, 0, 0, 1, 0, 0}},
    {Ereignis::Tick1, {0, 0, 0, R, S, T::DownloadBeginnt, 100, 0, 0, 1, 0}},
    {Ereignis::Tick2, {0, 0, 0, R, S, T::DownloadBeginnt, 100, 0, 0, 1, 0}},
    {Ereignis::Tick2, {0, 0, 0, S, S, T::DownloadBeendet, 100, 0, 0, 1, 0}},
    {Ereignis::Tick2, {0, 0, 0, S, S, T::DownloadBeendet, 100, 0, 0, 1, 0}},
    {Ereignis::Tick2, {0, 1, 1, S, S, T::Fortfahren, 100, 0, 0, 0, 0}},
    {Ereignis::Installieren, {0, 0, 0, S, R, T::Installieren, 0, 0, 0, 0, 1}},
    {Ereignis::Tick3, {0, 0, 0, S, R, T::Installieren, 0, 0, 0, 0, 1}},
    {Ereignis::Tick3, {0, 0, 0, S, R, T::Installieren, 0, 20, 0, 0, 1}},
    {Ereignis::Tick3, {0, 0, 0, S, R, T::Installieren, 0, 40, 0, 0, 1}},
    {Ereignis::Tick3, {0, 0, 0, S, S, T::Beendet, 0, 60, 0, 0, 1}},
    {Ereignis::Tick3, {0, 0, 0, S, S, T::Beendet, 0, 80, 0, 0, 1}},
    {Ereignis::Tick3, {0, 0, 0, S, S, T::Beendet, 0, 100, 0, 0, 1}},
    {Ereignis::Tick3, {0, 0, 0, S, S, T::Beendet, 0, 0, 0, 0, 1}},
    {Ereignis::Tick3, {0, 0, 0, S, S, T::Beendet, 0, 0, 0, 0, 0}},
};

void ausloesen(Updatemodell& m, Ereignis e) {
    switch (e) {
    case Ereignis::Herunterladen:
        return m.herunterladen();
    case Ereignis::Tick1:
        return m.downloadTick();
    case Ereignis::Tick2:
        return m.nachDownloadTick();
    case Ereignis::Installieren:
        return m.installieren();
    case Ereignis::Tick3:
        return m.installTick();
    }
}

TEST(Schritte, Zustandstabelle) {
    Updatelauf lauf(true);
    QDir(lauf.ordner.path()).mkdir(QStringLiteral("Temp"));
    QStringList fortschritt;
    lauf.welt.beimHerunterladen = [&](const QString& url) {
        fortschritt << url.section(u'/', -1) +
                           QStringLiteral(" %1").arg(lauf.m.downloadFortschritt());
    };
    lauf.starten();
    EXPECT_EQ(stand(lauf.m), (Stand{1, 0, 1, S, S, T::Bereit, 0, 0, 0, 0, 0}));
    for (std::size_t i = 0; i < std::size(Ablauf); ++i) {
        ausloesen(lauf.m, Ablauf[i].ereignis);
        EXPECT_EQ(stand(lauf.m), Ablauf[i].danach) << "Zeile " << i;
        EXPECT_EQ(lauf.m.geschlossen(), i + 1 == std::size(Ablauf)) << "Zeile " << i;
    }
    EXPECT_EQ(fortschritt, QStringList({"Rechner.zip 50", "RechnerHilfe.chm 80"}));
    EXPECT_EQ(lauf.m.aktuelleVersion(), QStringLiteral("Aktualisierte Version 2.1.5.0"));
    EXPECT_EQ(lauf.m.neueVersionFeld(), QString());
    EXPECT_EQ(lauf.welt.starts, QStringList{lauf.pfad(QStringLiteral("Rechner"))});
    EXPECT_TRUE(lauf.welt.meldungen.isEmpty());
}

// Ticks that arrive while "Download abgebrochen" is open count on and find nothing to do;
// the step then ends as usual.
TEST(Schritte, TicksWaehrendDerMeldung) {
    Updatelauf lauf(false);
    lauf.server.anhalten();
    lauf.starten();
    lauf.welt.beiMeldung = [&] {
        for (int tick = 0; tick < 3; ++tick)
            lauf.m.downloadTick();
    };
    lauf.herunterladen();
    EXPECT_EQ(lauf.welt.meldungen, QStringList{T::DownloadAbgebrochen});
    EXPECT_EQ(lauf.m.downloadTicks(), 0);
    EXPECT_EQ(stand(lauf.m), (Stand{0, 1, 1, S, S, T::Fortfahren, 100, 0, 0, 0, 0}));
}

// However long the box stays open, its ticks start no second download and no second box, also
// when the tick counter wraps past 255 and reaches 6 again.
TEST(Schritte, LangeOffeneMeldung) {
    Updatelauf lauf(false);
    lauf.server.anhalten();
    lauf.starten();
    int downloads = 0;
    lauf.welt.beimHerunterladen = [&](const QString&) {
        ++downloads;
    };
    lauf.welt.beiMeldung = [&] {
        if (lauf.welt.meldungen.size() == 1) {
            for (int tick = 0; tick < 600; ++tick)
                lauf.m.downloadTick();
        }
    };
    lauf.herunterladen();
    EXPECT_EQ(downloads, 1);
    EXPECT_EQ(lauf.welt.meldungen, QStringList{T::DownloadAbgebrochen});
    EXPECT_EQ(stand(lauf.m), (Stand{0, 1, 1, S, S, T::Fortfahren, 100, 0, 0, 0, 0}));
}

// "Abbrechen" (and Escape) ends the updater only while it is enabled; nothing is installed and
// Rechner is not started.
TEST(Schritte, Abbrechen) {
    struct Fall {
        int ticks; // download ticks before the press; -1: before "Herunterladen"
        bool endet;
    };
    for (const Fall& fall : {Fall{-1, true}, Fall{0, false}, Fall{5, false}, Fall{10, true}}) {
        Updatelauf lauf(false);
        dateiAnlegen(lauf.pfad(QStringLiteral("Rechner")), "altes Programm");
        lauf.starten();
        if (fall.ticks >= 0)
            lauf.m.herunterladen();
        for (int tick = 0; tick < fall.ticks; ++tick)
            tick < 6 ? lauf.m.downloadTick() : lauf.m.nachDownloadTick();
        lauf.m.abbrechen();
        EXPECT_EQ(lauf.m.geschlossen(), fall.endet) << fall.ticks;
        EXPECT_EQ(dateiBytes(lauf.pfad(QStringLiteral("Rechner"))), "altes Programm");
        EXPECT_TRUE(lauf.welt.starts.isEmpty());
    }
}

// The folder field is read at download tick 6; the install and the restart use that folder.
// Without a trailing "/" the names are appended directly; a line break makes the downloads fail.
TEST(Schritte, DownloadOrdnerAusDemFeld) {
    for (const auto& [ordner, abbrueche] :
         {std::pair{QStringLiteral("neu-"), 0}, std::pair{QStringLiteral("neu-\r\n"), 1}}) {
        Updatelauf lauf(false);
        lauf.starten();
        lauf.m.herunterladen();
        for (int tick = 0; tick < 5; ++tick)
            lauf.m.downloadTick();
        lauf.m.downloadOrdnerGetippt(lauf.pfad(ordner));
        lauf.m.downloadTick();
        lauf.m.downloadOrdnerGetippt(lauf.pfad(QStringLiteral("spaeter/")));
        for (int tick = 0; tick < 4; ++tick)
            lauf.m.nachDownloadTick();
        lauf.installieren();
        EXPECT_EQ(lauf.welt.meldungen.size(), abbrueche);
        EXPECT_EQ(dateiBytes(lauf.pfad(ordner + QStringLiteral("Rechner"))),
                  abbrueche ? "<fehlt>" : "neues Programm");
        EXPECT_EQ(lauf.welt.starts, QStringList{lauf.pfad(ordner + QStringLiteral("Rechner"))});
    }
}

} // namespace
