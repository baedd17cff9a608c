// Main window: the hidden keyboard sink and keeping the keyboard focus there.
#include "rechner/fenster/hauptfenster.h"
#include "rechner/kern/hauptmodell.h"
#include "rechner/rollenfeld/rollenansicht.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

namespace {

// F1..F12 as 1..12, 0 for every other key.
int fNummer(const QKeyEvent* taste) {
    const int code = taste->key();
    return code >= Qt::Key_F1 && code <= Qt::Key_F12 ? code - Qt::Key_F1 + 1 : 0;
}

// The characters a key types; Enter and Backspace are characters 13 and 8 also where the
// platform gives them no text.
QString getippt(const QKeyEvent* taste) {
    if (!taste->text().isEmpty())
        return taste->text();
    switch (taste->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return QString(QChar(13));
    case Qt::Key_Backspace:
        return QString(QChar(8));
    default:
        return {};
    }
}

} // namespace

void Hauptfenster::tastaturVerbinden() {
    // Typed characters must arrive as key events, not as text composed by an input method.
    m_tastaturfeld->setAttribute(Qt::WA_InputMethodEnabled, false);
    // Keys that reach the window itself while no control has the focus.
    installEventFilter(this);
}

void Hauptfenster::funktionstaste(int nummer) {
    ausfuehren([this, nummer] { m_modell.funktionstaste(nummer); });
}

bool Hauptfenster::tastaturEreignis(QObject* objekt, QEvent* ereignis) {
    // The keypad body reports its children's arrival while the window is still being built.
    const bool rolle =
        m_rollenAnsicht && (objekt == m_rollenAnsicht || objekt == m_rollenAnsicht->viewport());
    if (ereignis->type() == QEvent::FocusIn && objekt == m_anmeldeDeckel)
        m_tastaturfeld->setFocus();
    if (ereignis->type() == QEvent::MouseButtonRelease && rolle)
        m_tastaturfeld->setFocus();
    if (ereignis->type() != QEvent::KeyPress)
        return false;
    const auto* taste = static_cast<QKeyEvent*>(ereignis);
    const int nummer = fNummer(taste);
    const QString zeichen = getippt(taste);
    if (objekt == m_tastaturfeld) {
        if (nummer != 0)
            funktionstaste(nummer);
        for (QChar z : zeichen)
            ausfuehren([this, z] { m_modell.zeichenGetippt(z); });
        return true;
    }
    // A keypad button, the cover, the roll or the window itself: the sink takes the focus
    // back. A character only moves the focus; a function key still reaches its operation.
    if (nummer == 0 && zeichen.isEmpty() && !rolle)
        return false; // left to the toolkit
    m_tastaturfeld->setFocus();
    if (nummer != 0)
        funktionstaste(nummer);
    return true;
}
