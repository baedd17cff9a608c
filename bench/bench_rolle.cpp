// Cost of the roll's hot paths on a long day's roll.
#include "bench_zeilen.h"
#include "common/ansi.h"
#include "common/dateiablage.h"
#include "rechner/fenster/druckbericht.h"
#include "rechner/kern/hauptmodell.h"
#include "rechner/kern/rollendatei.h"
#include "speicher.h"

#include <QFile>
#include <QFileInfo>
#include <QPrinter>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

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
    modell.rolle().ersetzen(typischeZeilen(MillionZeilen));
    modell.Grundstellung();
    for (auto _ : state) {
        modell.ziffer(1);
        modell.ziffer(2);
        modell.plus();
        modell.ziffer(5);
        modell.gleich();
    }
}
BENCHMARK(BM_KettenrechnungLangeRolle);

// The whole report of a long roll laid out and written as PDF, as the print preview prints it.
void BM_DruckLangeRolle(benchmark::State& state) {
    Rolle rolle;
    rolle.ersetzen(typischeZeilen(100'000));
    Druckbericht bericht;
    bericht.rolle = &rolle;
    bericht.firma = QStringLiteral("Bäckerei Müller");
    bericht.uhrzeit = QStringLiteral("07.12.2026 22:40:15");
    bericht.titel = QStringLiteral("Registrierrolle Montag.KRO");
    QTemporaryDir ordner;
    for (auto _ : state) {
        QPrinter drucker(QPrinter::HighResolution);
        Druckbericht::einrichten(drucker);
        drucker.setOutputFileName(ordner.filePath(QStringLiteral("rolle.pdf")));
        drucker.setOutputFormat(QPrinter::PdfFormat);
        benchmark::DoNotOptimize(bericht.drucken(drucker));
    }
    state.SetItemsProcessed(state.iterations() * rolle.anzahl());
}
BENCHMARK(BM_DruckLangeRolle)->Unit(benchmark::kMillisecond);

// A day's roll of a million lines saved as a roll file, and loaded again.
void BM_RolleSpeichern(benchmark::State& state) {
    const QStringList zeilen = typischeZeilen(MillionZeilen);
    QTemporaryDir ordner;
    const QString pfad = ordner.filePath(QStringLiteral("Montag.KRO"));
    speicher::spitzeZuruecksetzen();
    for (auto _ : state)
        rollendateiSchreiben(pfad, zeilen);
    state.counters["Spitze_MB"] = speicher::spitzeMB();
    state.counters["Datei_MB"] = static_cast<double>(QFileInfo(pfad).size()) / (1 << 20);
    state.SetItemsProcessed(state.iterations() * zeilen.size());
}
BENCHMARK(BM_RolleSpeichern)->Unit(benchmark::kMillisecond);

void BM_RolleLaden(benchmark::State& state) {
    QTemporaryDir ordner;
    const QString pfad = ordner.filePath(QStringLiteral("Montag.KRO"));
    rollendateiSchreiben(pfad, typischeZeilen(MillionZeilen));
    speicher::spitzeZuruecksetzen();
    for (auto _ : state) {
        const QStringList zeilen = rollendateiLesen(pfad);
        if (zeilen.size() != MillionZeilen)
            state.SkipWithError("falsche Zeilenzahl");
        benchmark::DoNotOptimize(zeilen.constData());
    }
    state.counters["Spitze_MB"] = speicher::spitzeMB();
    state.SetItemsProcessed(state.iterations() * MillionZeilen);
}
BENCHMARK(BM_RolleLaden)->Unit(benchmark::kMillisecond);

// What loading one 64 MiB paragraph adds to the resident memory at its peak, over the file's
// size, as RTF (rtf:1) and as plain text (rtf:0). The line alone takes twice the file.
void BM_RolleEinAbsatz(benchmark::State& state) {
    const QString zeile = QStringLiteral("12,50 ").repeated((qsizetype(64) << 20) / 6);
    QTemporaryDir ordner;
    const QString pfad = ordner.filePath(QStringLiteral("Absatz.KRO"));
    if (state.range(0))
        rollendateiSchreiben(pfad, {zeile});
    else
        dateiErsetzen(pfad, textZuAnsi(zeile));
    double zuwachsMB = 0; // of the last load
    for (auto _ : state) {
        const double vorher = speicher::residentMB();
        speicher::spitzeZuruecksetzen();
        const QStringList zeilen = rollendateiLesen(pfad);
        zuwachsMB = speicher::spitzeMB() - vorher;
        if (zeilen.size() != 1 || zeilen[0].size() != zeile.size())
            state.SkipWithError("nicht ein Absatz");
    }
    const double dateiMB = static_cast<double>(QFileInfo(pfad).size()) / (1 << 20);
    state.counters["Datei_MB"] = dateiMB;
    state.counters["Spitze_zu_Datei"] = zuwachsMB / dateiMB;
}
BENCHMARK(BM_RolleEinAbsatz)->ArgName("rtf")->Arg(1)->Arg(0)->Iterations(3);

// A roll past what a read once allowed (128 MB and 8,000,000 lines), saved and loaded again:
// whatever roll the program writes, it reads back.
void BM_RolleUeberAlteGrenzen(benchmark::State& state) {
    const qsizetype anzahl = state.range(0);
    QStringList zeilen;
    zeilen.reserve(anzahl);
    for (qsizetype i = 0; i < anzahl; ++i)
        zeilen.append(i % 2 ? QString() : QStringLiteral("= 1.234,56 €  "));
    QTemporaryDir ordner;
    const QString pfad = ordner.filePath(QStringLiteral("Jahr.KRO"));
    for (auto _ : state) {
        rollendateiSchreiben(pfad, zeilen);
        if (rollendateiLesen(pfad) != zeilen)
            state.SkipWithError("gelesen nicht wie geschrieben");
    }
    state.counters["Datei_MB"] = static_cast<double>(QFileInfo(pfad).size()) / (1 << 20);
    state.counters["Zeilen"] = static_cast<double>(anzahl);
}
BENCHMARK(BM_RolleUeberAlteGrenzen)->Arg(9'000'000)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace
