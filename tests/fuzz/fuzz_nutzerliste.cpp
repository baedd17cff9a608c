// Any bytes as the operator file: the loaded text has CR LF breaks only, and saving and loading
// it again changes nothing.
#include "rechner/kern/datendateien.h"
#include "tests/fuzz/fuzz_dateien.h"

namespace {

class KeineDialoge : public Dialoge {
public:
    void meldung(const QString&) override { std::abort(); }
    Antwort frage(const QString&) override { std::abort(); }
    std::optional<QString> speichernDialog(const QString&) override { std::abort(); }
    std::optional<QString> oeffnenDialog(const std::optional<QString>&) override { std::abort(); }
};

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
    fuzzDateiAnlegen(QStringLiteral("KRAMV.txt"), daten, groesse);
    KeineDialoge dialoge;
    QString liste;
    NutzerlisteLaden(liste, dialoge);
    if (!nurCrLf(liste))
        std::abort();
    NutzerlisteSpeichern(liste, dialoge);
    if (NutzerlisteLaden(liste, dialoge))
        std::abort();
    return 0;
}
