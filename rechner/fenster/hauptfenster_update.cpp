// Main window: the online update check.
#include "common/web.h"
#include "rechner/fenster/hauptfenster.h"
#include "rechner/kern/programmstart.h"

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

// Asks the main window to close through its close query. When it closes, the program hides
// its other windows and keeps the clipboard for the updater before it ends.
void schliessenNachUebergabe(QWidget* fenster) {
    if (!QGuiApplication::quitOnLastWindowClosed()) {
        fenster->close();
        return;
    }
    QGuiApplication::setQuitOnLastWindowClosed(false);
    fenster->close();
    if (fenster->isVisible()) {
        QGuiApplication::setQuitOnLastWindowClosed(true);
        return;
    }
    for (QWidget* anderes : QApplication::topLevelWidgets())
        anderes->hide();
    new Ablagehalter(fenster);
}

} // namespace

// Closing goes through the main window's close query, which may refuse.
Onlineaktualisierung Hauptfenster::aktualisierungBauen(Dialoge& dialoge, Shell& shell,
                                                       Zwischenablage& zwischenablage) {
    return Onlineaktualisierung(m_modell,
                                {dialoge, shell, zwischenablage, Open_Internet,
                                 [this] {
                                     schliessenNachUebergabe(this);
                                 }},
                                updateServer(), Programmordner());
}

void Hauptfenster::updateVerbinden() {
    connect(updateAktion, &QAction::triggered, this,
            [this] { ausfuehren([this] { m_aktualisierung.pruefen(); }); });
}
