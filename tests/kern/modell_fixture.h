#pragma once

#include "tests/hilfen/ausgabe.h"
#include "tests/hilfen/modellstart.h"
#include "tests/hilfen/tasten.h"
#include "tests/kern/fehlervon.h"
#include "tests/kern/modellzugang.h"

#include <gtest/gtest.h>

// A main model as right after a start in euro mode with two decimals and no sign-in.
class ModellTest : public ::testing::Test {
protected:
    ModellTest() : m_m(m_w) { wieNachDemStart(m_m, m_w); }

    // Presses the keys named by their captions, blank-separated ("1 2 + 5 =").
    void tasten(const QString& folge) { druecke(m_m, folge); }
    void taste(const QString& name) { druecke(m_m, name); }
    // Types a number digit by digit, a comma as ",".
    void eingeben(const QString& zahl) {
        for (QChar zeichen : zahl)
            taste(QString(zeichen));
    }
    // The digits of 10 to the power `nullen`, as typed.
    static QString zehnHoch(int nullen) { return QLatin1Char('1') + QString(nullen, u'0'); }
    // Puts a text into the display as it stands, also one no key sequence gives.
    void zeigen(const QString& text) { Modellzugang::anzeigeSetzen(m_m, text); }
    // The error text a key raises, or empty.
    QString fehlerVon(const QString& name) {
        return ::fehlerVon([&] { taste(name); });
    }
    // Lines appended since the mark.
    QStringList neueZeilen() {
        QStringList neu = m_m.rolle().zeilen().mid(m_marke);
        m_marke = m_m.rolle().anzahl();
        return neu;
    }
    QString zeittasten() const {
        return QString::number(m_m.mStdAktiv()) + QString::number(m_m.mDezAktiv()) +
               QString::number(m_m.stdMAktiv());
    }

    Programmwerte m_w;
    Hauptmodell m_m;
    qsizetype m_marke = 0;
};
