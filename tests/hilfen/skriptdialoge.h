#pragma once

// The dialogs of the logic answered from a script, for model and window tests: the answers are
// taken in order, every dialog is written down, and a question or file dialog nobody scripted an
// answer for ends the test with its text.

#include "rechner/kern/aussenwelt.h"

#include <QStringList>
#include <deque>

class SkriptDialoge : public Dialoge {
public:
    SkriptDialoge() : protokoll(m_eigenes) {}
    // Writes into a protocol the test shares with its other fakes, so that the order of all
    // effects shows.
    explicit SkriptDialoge(QStringList& gemeinsam) : protokoll(gemeinsam) {}
    SkriptDialoge(const SkriptDialoge&) = delete;
    SkriptDialoge& operator=(const SkriptDialoge&) = delete;

    // The answers of the questions, and the files chosen in both file dialogs (nothing:
    // cancelled).
    std::deque<Antwort> antworten;
    std::deque<std::optional<QString>> dateien;
    // "meldung: text", "frage: text", "speichern: proposed name", "oeffnen: proposed name"
    // ("oeffnen: -" without one), in the order they came.
    QStringList& protokoll;

    void meldung(const QString& text) override { protokoll << QStringLiteral("meldung: ") + text; }
    Antwort frage(const QString& text) override {
        protokoll << QStringLiteral("frage: ") + text;
        return naechste(antworten, protokoll.constLast());
    }
    std::optional<QString> speichernDialog(const QString& dateiname) override {
        protokoll << QStringLiteral("speichern: ") + dateiname;
        return naechste(dateien, protokoll.constLast());
    }
    std::optional<QString> oeffnenDialog(const std::optional<QString>& dateiname) override {
        protokoll << QStringLiteral("oeffnen: ") + dateiname.value_or(QStringLiteral("-"));
        return naechste(dateien, protokoll.constLast());
    }

    // The texts of one kind of dialog, in order.
    QStringList meldungen() const { return von(QStringLiteral("meldung: ")); }
    QStringList fragen() const { return von(QStringLiteral("frage: ")); }
    QStringList speichernVorschlaege() const { return von(QStringLiteral("speichern: ")); }
    QStringList oeffnenVorschlaege() const { return von(QStringLiteral("oeffnen: ")); }

private:
    template <typename T> static T naechste(std::deque<T>& liste, const QString& dialog) {
        if (liste.empty())
            qFatal("Unerwarteter Dialog: %s", qPrintable(dialog));
        T erste = std::move(liste.front());
        liste.pop_front();
        return erste;
    }
    QStringList von(const QString& art) const {
        QStringList texte;
        for (const QString& eintrag : protokoll)
            if (eintrag.startsWith(art))
                texte << eintrag.mid(art.size());
        return texte;
    }

    QStringList m_eigenes;
};
