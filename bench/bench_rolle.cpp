// Cost of the roll's hot paths on a long day's roll.
#include "rechner/kern/hauptmodell.h"

#include <benchmark/benchmark.h>

namespace {

constexpr qsizetype MillionZeilen = 1'000'000;

QStringList typischeZeilen(qsizetype anzahl) {
    QStringList zeilen;
    zeilen.reserve(anzahl);
    for (qsizetype i = 0; i < anzahl; ++i)
        zeilen.append(i % 4 == 3 ? QString() : QStringLiteral("+ %1,00 €  ").arg(i % 1000));
    return zeilen;
}

void BM_RolleAnhaengen(benchmark::State& state) {
    Rolle rolle;
    rolle.ersetzen(typischeZeilen(MillionZeilen));
    const QString stueck = QStringLiteral("= 17,00 €  \r\r");
    for (auto _ : state)
        rolle.anhaengen(stueck);
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_RolleAnhaengen);

void BM_KettenrechnungLangeRolle(benchmark::State& state) {
    Programmwerte werte;
    werte.Kommastellen = 2;
    werte.RechnerModus = 1;
    Hauptmodell modell(werte);
    modell.RichEdit1.ersetzen(typischeZeilen(MillionZeilen));
    modell.Grundstellung();
    for (auto _ : state) {
        modell.BitBtn1Click();
        modell.BitBtn2Click();
        modell.BitBtn14Click();
        modell.BitBtn5Click();
        modell.BitBtn12Click();
    }
}
BENCHMARK(BM_KettenrechnungLangeRolle);

} // namespace
