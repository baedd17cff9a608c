// The program block Rechner: the application title, the program with its windows, the start-up
// sequence of the main window's first showing, the message loop. The program ends when the main
// window closes.
#include "common/sprache.h"
#include "rechner/fenster/rechnerfenster.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication anwendung(argc, argv);
    deutscheQtTexteLaden();
    QApplication::setApplicationName(anwendungstitel());
    QApplication::setWindowIcon(programmsymbol());
    Rechnerprogramm rechner;
    Hauptfenster& hauptfenster = rechner.fenster.hauptfenster;
    hauptfenster.starten();
    hauptfenster.show();
    // On a display without a window manager nothing else gives the window the keyboard.
    hauptfenster.activateWindow();
    return QApplication::exec();
}
