// Any bytes as the operator file: the list text has CR LF breaks only, and its bytes taken in
// again give the same text.
#include "rechner/kern/datendateien.h"

#include <cstdint>
#include <cstdlib>

namespace {

bool nurCrLf(const QString& text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        const bool crOhneLf = text[i] == u'\r' && (i + 1 == text.size() || text[i + 1] != u'\n');
        const bool lfOhneCr = text[i] == u'\n' && (i == 0 || text[i - 1] != u'\r');
        if (crOhneLf || lfOhneCr)
            return false;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t groesse) {
    const QString liste =
        nutzerlisteAus(QByteArrayView(reinterpret_cast<const char*>(daten), qsizetype(groesse)));
    if (!nurCrLf(liste) || nutzerlisteAus(nutzerlistenBytes(liste)) != liste)
        std::abort();
    return 0;
}
