// Any bytes as a roll file: the reader ends with its message or gives lines, and those lines
// saved and read again are the same lines.
#include "common/fehler.h"
#include "rechner/kern/rollendatei.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t groesse) {
    const QByteArray inhalt(reinterpret_cast<const char*>(daten), static_cast<qsizetype>(groesse));
    QStringList zeilen;
    try {
        zeilen = ZeilenAusDatei(inhalt);
    } catch (const Fehler&) {
        return 0;
    }
    if (ZeilenAusDatei(RtfAusZeilen(zeilen)) != zeilen)
        std::abort();
    return 0;
}
