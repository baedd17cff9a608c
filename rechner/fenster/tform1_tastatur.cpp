// Main window: the keyboard sink Edit1 and keeping the keyboard focus there.
#include "rechner/fenster/rollenansicht.h"
#include "rechner/fenster/tform1.h"

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

void TForm1::tastaturVerbinden() {
    // Typed characters must arrive as key events, not as text composed by an input method.
    Edit1->setAttribute(Qt::WA_InputMethodEnabled, false);
    // Keys that reach the window itself while no control has the focus (FormKeyPress).
    installEventFilter(this);
}

void TForm1::funktionstaste(int nummer) {
    ausfuehren([this, nummer] { m_modell.funktionstaste(nummer); });
}

bool TForm1::tastaturEreignis(QObject* objekt, QEvent* ereignis) {
    // Panel1 reports its children's arrival while the window is still being built.
    const bool rolle = RichEdit1 && (objekt == RichEdit1 || objekt == RichEdit1->viewport());
    if (ereignis->type() == QEvent::FocusIn && objekt == Panel3)
        Edit1->setFocus(); // Panel3Enter
    if (ereignis->type() == QEvent::MouseButtonRelease && rolle)
        Edit1->setFocus(); // RichEdit1MouseUp
    if (ereignis->type() != QEvent::KeyPress)
        return false;
    const auto* taste = static_cast<QKeyEvent*>(ereignis);
    const int nummer = fNummer(taste);
    const QString zeichen = getippt(taste);
    if (objekt == Edit1) {
        if (nummer != 0)
            funktionstaste(nummer); // Edit1KeyDown
        for (QChar z : zeichen)
            ausfuehren([this, z] { m_modell.zeichenGetippt(z); });
        return true;
    }
    // A keypad button, the cover, the roll or the window itself: the sink takes the focus
    // back. A character only moves the focus; a function key still reaches its operation.
    if (nummer == 0 && zeichen.isEmpty() && !rolle)
        return false; // left to the toolkit
    Edit1->setFocus();
    if (nummer != 0)
        funktionstaste(nummer);
    return true;
}
