#pragma once

// Helpers for driving the real main window offscreen: keys typed through the window system,
// keypad clicks by caption, and the fields read back from the widgets by object name.

#include "rechner/fenster/hauptfenster.h"
#include "rechner/kern/tasten.h"
#include "tests/hilfen/modellstart.h"
#include "tests/hilfen/testrechner.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

namespace fenster {

// The main window as right after a successful start-up without sign-in, in euro mode with two
// decimals: the state the test driver starts in, for tests of the main window alone.
inline void wieNachDemStart(Testrechner& r) {
    wieNachDemStart(r.haupt, r.w);
    r.hauptfenster.aktualisieren();
}

// Shows the window, as after a start without sign-in, as the active one. The start stamp is
// switched off (it would add a roll line after 1.5 s); the keyboard lock reads the settings
// text, which stays "1".
inline bool bereit(Testrechner& r) {
    wieNachDemStart(r);
    r.w.OhneAnmeldung = Programmwerte::AnmeldungEin;
    Hauptfenster& f = r.hauptfenster;
    f.show();
    f.activateWindow();
    return QTest::qWaitForWindowActive(&f);
}

// A menu item of the main window by its objectName.
inline QAction* aktion(Hauptfenster& f, const char* name) {
    auto* gefunden = f.findChild<QAction*>(QLatin1String(name));
    if (!gefunden)
        qFatal("Kein Menüpunkt heißt %s", name);
    return gefunden;
}

// The hidden keyboard sink.
inline QLineEdit* tastaturfeld(Hauptfenster& f) {
    return f.findChild<QLineEdit*>(QStringLiteral("Edit1"));
}

inline QString text(Hauptfenster& f, const QString& name) {
    if (auto* label = f.findChild<QLabel*>(name))
        return label->text();
    return f.findChild<QLineEdit*>(name)->text();
}

inline QPushButton* knopf(Hauptfenster& f, const QString& beschriftung) {
    const Taste* taste = tasteNachName(beschriftung);
    return taste ? f.findChild<QPushButton*>(QStringLiteral("BitBtn%1").arg(taste->nummer))
                 : nullptr;
}

// Clicks keypad keys by caption, separated by blanks.
inline void klicke(Hauptfenster& f, const QString& folge) {
    for (const QString& beschriftung : folge.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        QPushButton* taste = knopf(f, beschriftung);
        QVERIFY2(taste, qPrintable(beschriftung));
        QTest::mouseClick(taste, Qt::LeftButton);
    }
}

// Types keys into the active window, separated by blanks: a single character, "Enter",
// "Backspace", "F1".."F12", "S-F8" (with Shift), "KP5" or "KPEnter" (numeric keypad).
inline void tippe(Hauptfenster& f, const QString& folge) {
    QWindow* fenster = f.windowHandle();
    for (const QString& wort : folge.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const bool umschalt = wort.startsWith(QLatin1String("S-"));
        const QString name = umschalt ? wort.mid(2) : wort;
        const auto mod = umschalt ? Qt::ShiftModifier : Qt::NoModifier;
        if (name == QLatin1String("Enter"))
            QTest::keyClick(fenster, Qt::Key_Return, mod);
        else if (name == QLatin1String("Backspace"))
            QTest::keyClick(fenster, Qt::Key_Backspace, mod);
        else if (name == QLatin1String("KPEnter"))
            QTest::keyClick(fenster, Qt::Key_Enter, Qt::KeypadModifier);
        else if (name.startsWith(QLatin1String("KP")))
            QTest::keyClick(fenster, name[2].toLatin1(), Qt::KeypadModifier);
        else if (name.size() > 1 && name[0] == QLatin1Char('F'))
            QTest::keyClick(fenster, Qt::Key(Qt::Key_F1 + name.mid(1).toInt() - 1), mod);
        else
            QTest::keyClick(fenster, name[0].toLatin1(), mod);
    }
}

// The main roll's lines as the model holds them.
inline QStringList rolle(Hauptfenster& f) {
    return f.modell().rolle().zeilen();
}

// What the calculator shows: the fields, the time keys' enabled states and the roll.
inline QStringList zustand(Hauptfenster& f) {
    QStringList felder;
    for (const char* name : {"Panel2", "Panel34", "Panel6", "Panel4", "Edit2"})
        felder.append(QLatin1String(name) + QLatin1Char('=') + text(f, QLatin1String(name)));
    QString zeittasten;
    for (const char* taste : {"M-Std", "M-Dez", "Std-M"})
        zeittasten += knopf(f, QLatin1String(taste))->isEnabled() ? u'1' : u'0';
    felder.append(QStringLiteral("Zeittasten=") + zeittasten);
    return felder + rolle(f);
}

} // namespace fenster
