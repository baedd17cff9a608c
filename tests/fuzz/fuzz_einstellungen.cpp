// Any bytes as the settings file: taking them in ends with a conversion error or gives six texts;
// those written out and taken in again are the same.
#include "common/fehler.h"
#include "rechner/kern/datendateien.h"

#include <array>
#include <cstdint>
#include <cstdlib>

namespace {

std::array<QString, 6> texte(const Programmwerte& w) {
    return {w.AutopfadText,     w.Autopfad,          w.KommastellenText,
            w.RechnerModusText, w.OhneAnmeldungText, w.Firmenname};
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t groesse) {
    const QByteArrayView bytes(reinterpret_cast<const char*>(daten), qsizetype(groesse));
    Programmwerte werte;
    try {
        einstellungenAus(bytes, werte);
    } catch (const Fehler&) {
        return 0;
    }
    Programmwerte wieder;
    einstellungenAus(einstellungsBytes(werte), wieder);
    if (texte(wieder) != texte(werte) || wieder.Kommastellen != werte.Kommastellen ||
        wieder.RechnerModus != werte.RechnerModus || wieder.OhneAnmeldung != werte.OhneAnmeldung)
        std::abort();
    return 0;
}
