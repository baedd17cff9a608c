// Start-up on the automatic path with a day's roll of a million lines: the windows built as the
// program block builds them, the roll file read, the main window shown and painted once. (The
// process start and the application object come on top, the same for every roll.)
#include "bench_zeilen.h"
#include "rechner/fenster/rechnerfenster.h"
#include "rechner/kern/rollendatei.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

// The data folder as the installation leaves it, with the roll file filled.
void datenordnerAnlegen(const QString& basis) {
    const QString ordner = basis + QStringLiteral("/Morvane/Rechner/");
    QDir().mkpath(ordner);
    const QString rolle = ordner + QStringLiteral("Registrierrolle.KRO");
    rollendateiSchreiben(rolle, typischeZeilen(MillionZeilen));
    QFile nutzer(ordner + QStringLiteral("KRAMV.txt"));
    nutzer.open(QIODevice::WriteOnly);
    QFile einstellungen(ordner + QStringLiteral("AUTMV.txt"));
    einstellungen.open(QIODevice::WriteOnly);
    einstellungen.write("True\r\n" + rolle.toLocal8Bit() + "\r\n2\r\n1\r\n1\r\n\r\n");
}

void BM_StartMillionZeilen(benchmark::State& state) {
    QTemporaryDir daten;
    qputenv("XDG_DATA_HOME", QFile::encodeName(daten.path()));
    datenordnerAnlegen(daten.path());
    std::unique_ptr<Rechnerprogramm> programm;
    for (auto _ : state) {
        programm = std::make_unique<Rechnerprogramm>();
        Hauptfenster& hauptfenster = programm->fenster.hauptfenster;
        hauptfenster.starten();
        hauptfenster.show();
        QApplication::processEvents();
        hauptfenster.repaint();
        state.PauseTiming();
        if (hauptfenster.modell().rolle().anzahl() != MillionZeilen)
            state.SkipWithError("Rolle nicht geladen");
        // Destroyed without the close request, which would save the roll again.
        programm.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_StartMillionZeilen)->Unit(benchmark::kMillisecond);

} // namespace
