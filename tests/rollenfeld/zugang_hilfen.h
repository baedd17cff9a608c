#pragma once

// Helpers for the tests of what screen readers get from the roll views: the events, taken
// down as Qt's bridge to a screen reader takes them, and the two views over their rolls.

#include "rechner/rollenfeld/rollenansicht.h"
#include "rechner/rollenfeld/rolleneditor.h"
#include "rechner/rollenfeld/rollenmeldung.h"

#include <QAccessible>
#include <QApplication>

namespace zugang {

// A short day's roll: values, empty lines and a date stamp.
inline const QStringList Kasse{QStringLiteral("12,00 €  "), QString(),
                               QStringLiteral("= 17,00 €  "), QString(),
                               QStringLiteral("07.12.2026 22:40:15      ")};

struct Gemeldet {
    QAccessible::Event typ = QAccessible::InvalidEvent;
    QObject* objekt = nullptr;
    int position = -1;
    QString entfernt;
    QString eingefuegt;
    int cursor = -1;
    // What the view's interface answered for the cursor when the event came (Qt's bridge asks).
    int cursorDerSchnittstelle = -1;
    int auswahlVon = -1;
    int auswahlBis = -1;
    QAccessible::State zustand;
    // Qt's bridge drops an event whose object has no text interface.
    bool mitText = false;
};

inline QList<Gemeldet>& gemeldet() {
    static QList<Gemeldet> liste;
    return liste;
}

inline void mitschreiben(QAccessibleEvent* ereignis) {
    Gemeldet g;
    g.typ = ereignis->type();
    g.objekt = ereignis->object();
    QAccessibleInterface* schnittstelle = ereignis->accessibleInterface();
    g.mitText = schnittstelle && schnittstelle->textInterface();
    if (g.mitText)
        g.cursorDerSchnittstelle = schnittstelle->textInterface()->cursorPosition();
    switch (g.typ) {
    case QAccessible::TextInserted: {
        const auto* text = static_cast<QAccessibleTextInsertEvent*>(ereignis);
        g.position = text->changePosition();
        g.eingefuegt = text->textInserted();
        g.cursor = text->cursorPosition();
        break;
    }
    case QAccessible::TextRemoved: {
        const auto* text = static_cast<QAccessibleTextRemoveEvent*>(ereignis);
        g.position = text->changePosition();
        g.entfernt = text->textRemoved();
        g.cursor = text->cursorPosition();
        break;
    }
    case QAccessible::TextUpdated: {
        const auto* text = static_cast<QAccessibleTextUpdateEvent*>(ereignis);
        g.position = text->changePosition();
        g.entfernt = text->textRemoved();
        g.eingefuegt = text->textInserted();
        g.cursor = text->cursorPosition();
        break;
    }
    case QAccessible::TextSelectionChanged: {
        const auto* auswahl = static_cast<QAccessibleTextSelectionEvent*>(ereignis);
        g.auswahlVon = auswahl->selectionStart();
        g.auswahlBis = auswahl->selectionEnd();
        g.cursor = auswahl->cursorPosition();
        break;
    }
    case QAccessible::TextCaretMoved:
        g.cursor = static_cast<QAccessibleTextCursorEvent*>(ereignis)->cursorPosition();
        break;
    case QAccessible::StateChanged:
        g.zustand = static_cast<QAccessibleStateChangeEvent*>(ereignis)->changedStates();
        break;
    default:
        break;
    }
    gemeldet().append(g);
}

// Listens while it lives, from an empty list on.
struct Mithoeren {
    Mithoeren() {
        gemeldet().clear();
        rollenmeldung::mithoeren(mitschreiben);
    }
    ~Mithoeren() { rollenmeldung::mithoeren(nullptr); }
    Mithoeren(const Mithoeren&) = delete;
    Mithoeren& operator=(const Mithoeren&) = delete;
};

inline QList<QAccessible::Event> typen() {
    QList<QAccessible::Event> liste;
    for (const Gemeldet& g : gemeldet())
        liste.append(g.typ);
    return liste;
}

inline QAccessibleInterface* von(QWidget* ansicht) {
    return QAccessible::queryAccessibleInterface(ansicht);
}

inline QAccessibleTextInterface* textVon(QWidget* ansicht) {
    return von(ansicht)->textInterface();
}

// The view's whole text as a screen reader reads it.
inline QString ganzerText(QWidget* ansicht) {
    QAccessibleTextInterface* text = textVon(ansicht);
    return text->text(0, text->characterCount());
}

// The main view and the roll copy's editor, shown at their sizes in the windows.
struct Ansichten {
    explicit Ansichten(const QStringList& zeilen = {}) {
        haupt.ersetzen(zeilen);
        kopie.ersetzen(zeilen);
        rolle.resize(289, 489);
        editor.resize(289, 209);
        rolle.show();
        editor.show();
        editor.setFocus();
        QApplication::processEvents();
    }
    Rolle haupt;
    Rolle kopie;
    RollenAnsicht rolle{haupt, nullptr};
    RollenEditor editor{kopie, nullptr};
};

} // namespace zugang
