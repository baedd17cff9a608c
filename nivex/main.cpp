// The program block Nivex.
#include "common/sprache.h"
#include "nivex/fenster/plattform.h"
#include "nivex/fenster/updatefenster.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication anwendung(argc, argv);
    deutscheQtTexteLaden();
    QApplication::setApplicationName(Nivextexte::Titel);
    NivexPlattform plattform;
    Updatefenster fenster(plattform, QStringLiteral(RECHNER_UPDATE_SERVER),
                          QCoreApplication::applicationDirPath() + u'/');
    plattform.setzeEltern(&fenster);
    fenster.show();
    // The window takes the keyboard at once, as the program's only window.
    fenster.activateWindow();
    return QApplication::exec();
}
