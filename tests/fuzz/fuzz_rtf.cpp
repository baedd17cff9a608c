// Any bytes as a roll file: the reader ends with its message or gives lines, the same whatever
// pieces the file comes in, and those lines saved and read again are the same lines.
#include "common/fehler.h"
#include "rechner/kern/rollendatei.h"

#include <cstdint>
#include <cstdlib>
#include <optional>

namespace {

std::optional<QStringList> lesen(Bytequelle& quelle) {
    try {
        return zeilenAusQuelle(quelle, qint64(1) << 30);
    } catch (const Fehler&) {
        return std::nullopt;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t groesse) {
    const QByteArray inhalt(reinterpret_cast<const char*>(daten), static_cast<qsizetype>(groesse));
    Speicherquelle ganz(inhalt);
    const std::optional<QStringList> zeilen = lesen(ganz);
    // The piece size comes from the input, so that the fuzzer finds the cuts that matter.
    Speicherquelle stuecke(inhalt, groesse ? daten[0] % 16 + 1 : 1);
    if (lesen(stuecke) != zeilen)
        std::abort();
    if (zeilen && zeilenAusDatei(rtfAusZeilen(*zeilen)) != *zeilen)
        std::abort();
    return 0;
}
