// Key-to-screen on a long roll: an append followed by the repaint of the view.
#include "rechner/fenster/rollenansicht.h"

#include <QApplication>
#include <benchmark/benchmark.h>

namespace {

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

} // namespace
