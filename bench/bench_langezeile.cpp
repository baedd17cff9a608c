// A line of 5 MB in the roll views: pasting it into the roll copy, selecting all of it, copying
// it, typing into it and turning the wheel over it, and appending it to the main roll. Each
// answers within 100 ms, with the repaint that follows: the time per iteration, or where an
// iteration takes two steps, the counter "je_Schritt".
#include "rechner/rollenfeld/rollenansicht.h"
#include "rechner/rollenfeld/rolleneditor.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QWheelEvent>
#include <benchmark/benchmark.h>

namespace {

const QString& langeZeile() {
    static const QString Zeile = QStringLiteral("0123456789 ").repeated(480'000);
    return Zeile;
}

void taste(QWidget* ziel, Qt::Key taste, Qt::KeyboardModifiers mod = {}, const QString& text = {}) {
    QKeyEvent druck(QEvent::KeyPress, taste, mod, text);
    QApplication::sendEvent(ziel, &druck);
}

void rad(QAbstractScrollArea& ansicht, int winkel) {
    QWidget* flaeche = ansicht.viewport();
    const QPointF mitte = QRectF(flaeche->rect()).center();
    QWheelEvent ereignis(mitte, flaeche->mapToGlobal(mitte), QPoint(), QPoint(0, winkel),
                         Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(flaeche, &ereignis);
}

void nachmalen(QAbstractScrollArea& ansicht) {
    QApplication::processEvents();
    ansicht.viewport()->repaint();
}

void jeSchritt(benchmark::State& state) {
    state.counters["je_Schritt"] =
        benchmark::Counter(2.0 * static_cast<double>(state.iterations()),
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

// The roll copy as the administration window shows it, with a few lines and focus.
struct Kopie {
    explicit Kopie(bool mitLangerZeile) {
        rolle.ersetzen({QStringLiteral("12,00 €  "), QString()});
        if (mitLangerZeile)
            rolle.anhaengen(langeZeile() + QLatin1Char('\r'));
        editor.resize(289, 209);
        editor.show();
        editor.setFocus();
        nachmalen(editor);
    }
    Rolle rolle;
    RollenEditor editor{rolle, nullptr};
};

void BM_LangeZeileEinfuegen(benchmark::State& state) {
    Kopie k(false);
    QGuiApplication::clipboard()->setText(langeZeile());
    for (auto _ : state) {
        k.editor.cursorSetzen({1, 0});
        taste(&k.editor, Qt::Key_V, Qt::ControlModifier);
        nachmalen(k.editor);
        state.PauseTiming();
        k.rolle.bereichErsetzen(1, 1, {QString()});
        nachmalen(k.editor);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_LangeZeileEinfuegen)->Unit(benchmark::kMillisecond);

void BM_LangeZeileAllesAuswaehlen(benchmark::State& state) {
    Kopie k(true);
    for (auto _ : state) {
        taste(&k.editor, Qt::Key_A, Qt::ControlModifier);
        nachmalen(k.editor);
        state.PauseTiming();
        k.editor.cursorSetzen({});
        nachmalen(k.editor);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_LangeZeileAllesAuswaehlen)->Unit(benchmark::kMillisecond);

void BM_LangeZeileKopieren(benchmark::State& state) {
    Kopie k(true);
    taste(&k.editor, Qt::Key_A, Qt::ControlModifier);
    for (auto _ : state) {
        taste(&k.editor, Qt::Key_C, Qt::ControlModifier);
        nachmalen(k.editor);
    }
    if (QGuiApplication::clipboard()->text().size() <= langeZeile().size())
        state.SkipWithError("nicht kopiert");
}
BENCHMARK(BM_LangeZeileKopieren)->Unit(benchmark::kMillisecond);

// A character typed in the middle of the line and taken back with Backspace: two keys.
void BM_LangeZeileTippen(benchmark::State& state) {
    Kopie k(true);
    k.editor.cursorSetzen({2, langeZeile().size() / 2});
    nachmalen(k.editor);
    for (auto _ : state) {
        taste(&k.editor, Qt::Key_X, {}, QStringLiteral("x"));
        nachmalen(k.editor);
        taste(&k.editor, Qt::Key_Backspace);
        nachmalen(k.editor);
    }
    if (k.rolle.zeile(2) != langeZeile())
        state.SkipWithError("falsch getippt");
    jeSchritt(state);
}
BENCHMARK(BM_LangeZeileTippen)->Unit(benchmark::kMillisecond);

// A notch down and a notch up, over the long line at the end of the roll.
template <typename Ansicht> void radDrehen(benchmark::State& state, Ansicht& ansicht) {
    for (auto _ : state) {
        rad(ansicht, QWheelEvent::DefaultDeltasPerStep);
        nachmalen(ansicht);
        rad(ansicht, -QWheelEvent::DefaultDeltasPerStep);
        nachmalen(ansicht);
    }
    jeSchritt(state);
}

void BM_LangeZeileRadKopie(benchmark::State& state) {
    Kopie k(true);
    radDrehen(state, k.editor);
}
BENCHMARK(BM_LangeZeileRadKopie)->Unit(benchmark::kMillisecond);

// The main roll view: the long line appended (the main roll's one way to take text), and the
// wheel over it.
struct Hauptrolle {
    Hauptrolle() {
        rolle.ersetzen({QStringLiteral("12,00 €  "), QString()});
        ansicht.resize(289, 489);
        ansicht.show();
        nachmalen(ansicht);
    }
    Rolle rolle;
    RollenAnsicht ansicht{rolle, nullptr};
};

void BM_LangeZeileAnhaengen(benchmark::State& state) {
    Hauptrolle h;
    const QString stueck = langeZeile() + QLatin1Char('\r');
    for (auto _ : state) {
        h.rolle.anhaengen(stueck);
        nachmalen(h.ansicht);
        state.PauseTiming();
        h.rolle.bereichErsetzen(2, 1, {});
        nachmalen(h.ansicht);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_LangeZeileAnhaengen)->Unit(benchmark::kMillisecond);

void BM_LangeZeileRadAnsicht(benchmark::State& state) {
    Hauptrolle h;
    h.rolle.anhaengen(langeZeile() + QLatin1Char('\r'));
    nachmalen(h.ansicht);
    radDrehen(state, h.ansicht);
}
BENCHMARK(BM_LangeZeileRadAnsicht)->Unit(benchmark::kMillisecond);

} // namespace
