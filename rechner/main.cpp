// The program block Rechner.
#include "rechner/fenster/dialoge.h"
#include "rechner/fenster/tform1.h"
#include "rechner/kern/programmwerte.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication anwendung(argc, argv);
    QApplication::setApplicationName(Anwendungstitel);
    Programmwerte werte;
    TForm1 form1(werte);
    form1.show();
    return QApplication::exec();
}
