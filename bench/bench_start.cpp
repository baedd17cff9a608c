// Start-up on the automatic path with a day's roll of a million lines: the windows built as the
// program block builds them, the roll file read, the main window shown and painted once. (The
// process start and the application object come on top, the same for every roll.)
#include "bench_zeilen.h"
#include "rechner/fenster/dialoge.h"
#include "rechner/fenster/tform1.h"
#include "rechner/fenster/tform2.h"
#include "rechner/fenster/tform3.h"
#include "rechner/fenster/tform4.h"
#include "rechner/fenster/tform5.h"
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
    RollendateiSchreiben(rolle, typischeZeilen(MillionZeilen));
    QFile nutzer(ordner + QStringLiteral("KRAMV.txt"));
    nutzer.open(QIODevice::WriteOnly);
    QFile einstellungen(ordner + QStringLiteral("AUTMV.txt"));
    einstellungen.open(QIODevice::WriteOnly);
    einstellungen.write("True\r\n" + rolle.toLocal8Bit() + "\r\n2\r\n1\r\n1\r\n\r\n");
}

struct Programm {
    Programmwerte werte;
    TForm1 form1{werte};
    QtDialoge dialoge{&form1};
    TForm2 form2{form1, dialoge};
    TForm3 form3{form1, form2};
    TForm5 form5;
    TForm4 form4{form1};
};

void BM_StartMillionZeilen(benchmark::State& state) {
    QTemporaryDir daten;
    qputenv("XDG_DATA_HOME", QFile::encodeName(daten.path()));
    datenordnerAnlegen(daten.path());
    std::unique_ptr<Programm> programm;
    for (auto _ : state) {
        programm = std::make_unique<Programm>();
        TForm1& form1 = programm->form1;
        form1.Form2 = &programm->form2;
        form1.Form3 = &programm->form3;
        form1.Form5 = &programm->form5;
        form1.Form4 = &programm->form4;
        form1.FormShow();
        form1.show();
        QApplication::processEvents();
        form1.repaint();
        state.PauseTiming();
        if (form1.modell().rolle.anzahl() != MillionZeilen)
            state.SkipWithError("Rolle nicht geladen");
        // Closed without the close query, which would save the roll again.
        form1.Form2 = nullptr;
        programm.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_StartMillionZeilen)->Unit(benchmark::kMillisecond);

} // namespace
