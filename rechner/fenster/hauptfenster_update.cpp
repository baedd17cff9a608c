// Main window: the online update check.
#include "rechner/fenster/hauptfenster.h"
#include "rechner/kern/programm.h"

#include <QAbstractNativeEventFilter>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QTimer>
#include <utility>

namespace {

// On X11 the text on the clipboard lives in the program that put it there. After the hand-off
// the program therefore stays, without windows, until the updater has pasted the text: it
// ends a second after the last request of another program for it, when another program takes
// the clipboard over, or after ten seconds at the latest.
class Ablagehalter : public QObject, public QAbstractNativeEventFilter {
public:
    explicit Ablagehalter(QObject* eltern) : QObject(eltern) {
        setObjectName(QStringLiteral("Ablagehalter"));
        for (auto [zeitgeber, dauer] : {std::pair{&m_nachlauf, 1000}, std::pair{&m_frist, 10000}}) {
            zeitgeber->setSingleShot(true);
            zeitgeber->setInterval(dauer);
            connect(zeitgeber, &QTimer::timeout, qApp, &QCoreApplication::quit);
        }
        connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, qApp,
                &QCoreApplication::quit);
        qApp->installNativeEventFilter(this);
        m_frist.start();
    }

    bool nativeEventFilter(const QByteArray& art, void* nachricht, qintptr*) override {
        // XCB_SELECTION_REQUEST: another program asks for the clipboard's text.
        constexpr quint8 Auswahlanfrage = 30;
        if (art == "xcb_generic_event_t" &&
            (*static_cast<const quint8*>(nachricht) & 0x7f) == Auswahlanfrage)
            m_nachlauf.start();
        return false;
    }

private:
    QTimer m_nachlauf;
    QTimer m_frist;
};

} // namespace

// When the window closes, the program hides its other windows and keeps the clipboard for the
// updater before it ends.
void Hauptfenster::schliessenNachUebergabe() {
    if (!QGuiApplication::quitOnLastWindowClosed()) {
        close();
        return;
    }
    QGuiApplication::setQuitOnLastWindowClosed(false);
    close();
    if (isVisible()) {
        QGuiApplication::setQuitOnLastWindowClosed(true);
        return;
    }
    for (QWidget* anderes : QApplication::topLevelWidgets())
        anderes->hide();
    new Ablagehalter(this);
}

void Hauptfenster::updateVerbinden() {
    connect(m_updateAktion, &QAction::triggered, this,
            [this] { ausfuehren([this] { m_programm.aktualisierung().pruefen(); }); });
}
