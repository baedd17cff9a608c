// Key-to-screen on a long roll: an append followed by the repaint of the main roll view; and
// the administration window's roll copy on a million-line roll: showing its tab, typing into
// it, and the memory that showing, editing and leaving keep. The variants "MitLeser" do the
// same while a screen reader listens to the views.
#include "bench_zeilen.h"
#include "rechner/rollenfeld/rollenansicht.h"
#include "rechner/rollenfeld/rolleneditor.h"
#include "rechner/rollenfeld/rollenmeldung.h"
#include "speicher.h"
#include "tests/hilfen/testrechner.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

// Stands in for Qt's bridge to a screen reader, which asks the view for the cursor on each
// cursor event and takes the text of a change from the event itself.
void wieDieBruecke(QAccessibleEvent* ereignis) {
    QAccessibleInterface* schnittstelle = ereignis->accessibleInterface();
    QAccessibleTextInterface* text = schnittstelle ? schnittstelle->textInterface() : nullptr;
    if (text && ereignis->type() == QAccessible::TextCaretMoved)
        benchmark::DoNotOptimize(text->cursorPosition());
    else if (text && ereignis->type() == QAccessible::TextUpdated) // a new roll, told whole
        benchmark::DoNotOptimize(
            static_cast<QAccessibleTextUpdateEvent*>(ereignis)->textInserted().size());
}

// A screen reader listens while it lives; the platform the benchmarks run on has none.
struct Leser {
    Leser() { rollenmeldung::mithoeren(wieDieBruecke); }
    ~Leser() { rollenmeldung::mithoeren(nullptr); }
    Leser(const Leser&) = delete;
    Leser& operator=(const Leser&) = delete;
};

void BM_AnsichtAnhaengen(benchmark::State& state) {
    Rolle rolle;
    QStringList zeilen;
    for (qsizetype i = 0; i < state.range(0); ++i)
        zeilen.append(QStringLiteral("+ %1,00 €  ").arg(i % 1000));
    RollenAnsicht ansicht(rolle, nullptr);
    ansicht.resize(289, 489);
    rolle.ersetzen(zeilen);
    ansicht.show();
    QApplication::processEvents();
    for (auto _ : state) {
        rolle.anhaengen(QStringLiteral("= 17,00 €  \r\r"));
        QApplication::processEvents();
        ansicht.viewport()->repaint();
    }
}
BENCHMARK(BM_AnsichtAnhaengen)->Arg(1000)->Arg(1'000'000)->Unit(benchmark::kMicrosecond);

void BM_AnsichtAnhaengenMitLeser(benchmark::State& state) {
    const Leser leser;
    BM_AnsichtAnhaengen(state);
}
BENCHMARK(BM_AnsichtAnhaengenMitLeser)->Arg(1000)->Arg(1'000'000)->Unit(benchmark::kMicrosecond);

// The main window and the administration window over a million-line main roll, with a data
// folder for the files that leaving writes.
struct Verwaltungslauf {
    Verwaltungslauf() {
        qputenv("XDG_DATA_HOME", QFile::encodeName(daten.path()));
        QDir().mkpath(daten.path() + QStringLiteral("/Morvane/Rechner"));
        hauptfenster.modell().rolle().ersetzen(typischeZeilen(MillionZeilen));
        kopie = fenster.findChild<RollenEditor*>(QStringLiteral("RichEdit1"));
    }
    // Shows the window with the roll copy's tab and paints the copy once.
    void zeigen() {
        fenster.zeigen();
        rollenseite();
    }
    void rollenseite() {
        fenster.findChild<QTabWidget*>(QStringLiteral("PageControl1"))
            ->setCurrentWidget(fenster.findChild<QWidget*>(QStringLiteral("TabSheet4")));
        QApplication::processEvents();
        kopie->viewport()->repaint();
    }
    void tippen(Qt::Key taste, const QString& text) {
        QKeyEvent druck(QEvent::KeyPress, taste, Qt::NoModifier, text);
        QApplication::sendEvent(kopie, &druck);
        QApplication::processEvents();
    }

    QTemporaryDir daten;
    Testrechner rechner;
    Hauptfenster& hauptfenster = rechner.hauptfenster;
    Verwaltungsfenster& fenster = rechner.fenster.verwaltungsfenster;
    RollenEditor* kopie = nullptr;
};

// Each showing fills the copy anew from the million-line main roll; with a screen reader
// listening, that is told as the old text's length and the whole new text, put together once.
void BM_KopieZeigen(benchmark::State& state) {
    Verwaltungslauf v;
    const double vorher = speicher::residentMB();
    double gezeigt = 0;
    for (auto _ : state) {
        v.zeigen();
        state.PauseTiming();
        gezeigt = std::max(gezeigt, speicher::residentMB());
        v.fenster.close();
        QApplication::processEvents();
        state.ResumeTiming();
    }
    state.counters["RSS_vorher_MB"] = vorher;
    state.counters["gezeigt_plus_MB"] = gezeigt - vorher;
    state.counters["geschlossen_plus_MB"] = speicher::residentMB() - vorher;
}
BENCHMARK(BM_KopieZeigen)->Unit(benchmark::kMillisecond);

void BM_KopieZeigenMitLeser(benchmark::State& state) {
    const Leser leser;
    BM_KopieZeigen(state);
}
BENCHMARK(BM_KopieZeigenMitLeser)->Unit(benchmark::kMillisecond);

// Typing into the roll copy at a line of a million-line roll: a character and Backspace per
// iteration, each with its repaint. The first key also pays for the copy's own line list,
// which it shared with the main roll until then. Leaving hands the copy back.
void BM_KopieTippen(benchmark::State& state) {
    Verwaltungslauf v;
    const double vorher = speicher::residentMB();
    v.zeigen();
    v.fenster.ausfuehren([&v] { v.fenster.modell().passwortGetippt(QStringLiteral("573904")); });
    v.rollenseite();
    v.kopie->setFocus();
    v.kopie->cursorSetzen({state.range(0), 0});
    const QString zeile = v.fenster.modell().rollenkopie().zeile(state.range(0));
    QElapsedTimer uhr;
    uhr.start();
    v.tippen(Qt::Key_X, QStringLiteral("x"));
    const double ersteTaste = static_cast<double>(uhr.nsecsElapsed()) / 1e6;
    for (auto _ : state) {
        v.tippen(Qt::Key_X, QStringLiteral("x"));
        v.tippen(Qt::Key_Backspace, QString());
    }
    const double bearbeitet = speicher::residentMB();
    v.fenster.findChild<QPushButton*>(QStringLiteral("BitBtn1"))->click();
    QApplication::processEvents();
    if (v.fenster.isVisible() ||
        v.hauptfenster.modell().rolle().zeile(state.range(0)) != QLatin1Char('x') + zeile)
        state.SkipWithError("verlassen ohne die Handeingabe");
    state.counters["je_Taste"] =
        benchmark::Counter(2.0 * static_cast<double>(state.iterations()),
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
    state.counters["erste_Taste_ms"] = ersteTaste;
    state.counters["RSS_vorher_MB"] = vorher;
    state.counters["bearbeitet_plus_MB"] = bearbeitet - vorher;
    state.counters["verlassen_plus_MB"] = speicher::residentMB() - vorher;
}
BENCHMARK(BM_KopieTippen)->Arg(0)->Arg(500'000)->Arg(999'999)->Unit(benchmark::kMicrosecond);

} // namespace
