#pragma once

#include "common/fehler.h"
#include "hilfen/modellstart.h"
#include "rechner/kern/hauptmodell.h"
#include "rechner/kern/tasten.h"
#include "tests/hilfen/ausgabe.h"

#include <gtest/gtest.h>

// A main model as right after a start in euro mode with two decimals and no sign-in.
class ModellTest : public ::testing::Test {
protected:
    ModellTest() : m(w) { wieNachDemStart(m); }

    // Presses the keys named by their captions, blank-separated ("1 2 + 5 =").
    void tasten(const QString& folge) {
        for (const QString& name : folge.split(QLatin1Char(' '), Qt::SkipEmptyParts))
            taste(name);
    }
    void taste(const QString& name) {
        const Taste* t = TasteNachName(name);
        ASSERT_NE(t, nullptr) << name.toStdString();
        t->druecken(m);
    }
    // The error text a key raises, or empty.
    QString fehlerVon(const QString& name) {
        try {
            taste(name);
        } catch (const Fehler& f) {
            return f.text();
        }
        return {};
    }
    // Lines appended since the mark.
    QStringList neueZeilen() {
        QStringList neu = m.rolle.zeilen().mid(marke);
        marke = m.rolle.anzahl();
        return neu;
    }
    QString zeittasten() const {
        return QString::number(m.mStdAktiv) + QString::number(m.mDezAktiv) +
               QString::number(m.stdMAktiv);
    }

    Programmwerte w;
    Hauptmodell m;
    qsizetype marke = 0;
};
