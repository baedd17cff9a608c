#pragma once

// Whole-file reads and crash-safe whole-file writes that fail with the platform's German
// input/output texts. Every file of the calculator goes through here, and the updater builds its
// downloads and installs on the same temporary files (dateiablage.h).

#include "common/fehler.h"
#include "common/zwischendatei.h"

#include <QByteArray>
#include <QByteArrayView>
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

// The text the error box shows for a platform error number.
QString EaText(int nummer);
// The platform number for an errno value. ENOENT means the file is missing (2) unless its folder
// is missing too (3).
int EaNummer(int fehler, bool ordnerFehlt);
// Raises the EaFehler of an errno value.
[[noreturn]] void EaWerfen(int fehler, bool ordnerFehlt = false);
// Logs why reading or writing `pfad` failed, where the caller shows a generic text instead.
void DateifehlerProtokollieren(const char* vorgang, const QString& pfad, const Fehler& fehler);

// A file opened for reading, read in pieces; closed when it goes out of scope.
class Lesedatei {
public:
    explicit Lesedatei(const QString& pfad); // throws EaFehler
    ~Lesedatei();
    Lesedatei(const Lesedatei&) = delete;
    Lesedatei& operator=(const Lesedatei&) = delete;
    // Appends up to `anzahl` bytes to `ziel`; false at the end of the file.
    bool weiterlesen(QByteArray& ziel, qsizetype anzahl);

private:
    int m_fd;
};

// The whole file. One larger than `hoechstens` bytes raises E/A-Fehler 8 (not enough memory)
// rather than taking the machine's memory.
QByteArray DateiLesen(const QString& pfad, qint64 hoechstens);

// Replaces the file's content whole: the bytes go to a temporary file in the same folder, which
// is flushed to disk and renamed over the target only when complete. A failure or a crash at any
// moment leaves the old file as it was; a failure leaves no temporary file, and a crash none that
// the next save into the folder does not remove. A target without any write permission counts as
// read-only and is refused, as the platform refuses it. Links are followed as ZielAufloesen
// (dateiziel.h) says. `art` Benannt takes the way of file systems without unnamed files.
void DateiErsetzen(const QString& pfad, QByteArrayView inhalt,
                   Zwischendateiart art = Zwischendateiart::Unbenannt);
