// The program block Nivex.
#include "common/sprache.h"
#include "common/web.h"
#include "nivex/fenster/plattform.h"
#include "nivex/fenster/tform1.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication anwendung(argc, argv);
    deutscheQtTexteLaden();
    QApplication::setApplicationName(Nivextexte::Titel);
    NivexPlattform plattform;
    TForm1 form1(plattform, updateServer(), QCoreApplication::applicationDirPath() + u'/');
    plattform.setzeEltern(&form1);
    form1.show();
    // The window takes the keyboard at once, as the program's only window.
    form1.activateWindow();
    return QApplication::exec();
}
