// Any bytes as the settings file: reading ends with a platform or conversion error or gives six
// texts; those written and read again are the same.
#include "common/fehler.h"
#include "rechner/kern/datendateien.h"
#include "tests/fuzz/fuzz_dateien.h"

#include <array>

namespace {

std::array<QString, 6> texte(const Programmwerte& w) {
    return {w.AutopfadText,     w.Autopfad,          w.KommastellenText,
            w.RechnerModusText, w.OhneAnmeldungText, w.Firmenname};
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t groesse) {
    fuzzDateiAnlegen(QStringLiteral("AUTMV.txt"), daten, groesse);
    Programmwerte werte;
    try {
        EinstellungenLesen(werte);
    } catch (const Fehler&) {
        return 0;
    }
    EinstellungenSchreiben(werte);
    Programmwerte wieder;
    EinstellungenLesen(wieder);
    if (texte(wieder) != texte(werte) || wieder.Kommastellen != werte.Kommastellen ||
        wieder.RechnerModus != werte.RechnerModus || wieder.OhneAnmeldung != werte.OhneAnmeldung)
        std::abort();
    return 0;
}
