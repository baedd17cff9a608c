#pragma once

// The input/output errors of the file door, with the platform's German texts. A leaf of common/:
// every other piece of the door builds on it.

#include "common/fehler.h"

#include <QString>

// An input/output error with the platform's number: 2 file missing, 3 folder missing,
// 4 too many open files, 5 access denied, 8 not enough memory, 101 short write, 112 disk full,
// 32 file in use; anything else keeps its own number ("E/A-Fehler %d").
class EaFehler : public Fehler {
public:
    // `ursache` is the errno value behind the error, for the log; 0 where a rule of the programs
    // refused rather than the platform.
    explicit EaFehler(int nummer, int ursache = 0);
    int nummer() const { return m_nummer; }
    int ursache() const { return m_ursache; }

private:
    int m_nummer;
    int m_ursache;
};

// The platform numbers the programs raise themselves.
namespace Ea {
constexpr int DateiFehlt = 2;
constexpr int OrdnerFehlt = 3;
constexpr int ZugriffVerweigert = 5;
constexpr int NichtGenugSpeicher = 8;
constexpr int Speicherplatz = 101; // a write stored fewer bytes than asked
constexpr int PlatteVoll = 112;    // the platform reports the disk full
} // namespace Ea

// The text the error box shows for a platform error number.
QString eaText(int nummer);
// The platform number for an errno value. ENOENT means the file is missing (2) unless its folder
// is missing too (3).
int eaNummer(int fehler, bool ordnerFehlt);
// Raises the EaFehler of an errno value.
[[noreturn]] void eaWerfen(int fehler, bool ordnerFehlt = false);
// Logs why reading or writing `pfad` failed, where the caller shows a generic text instead.
void dateifehlerProtokollieren(const char* vorgang, const QString& pfad, const Fehler& fehler);
