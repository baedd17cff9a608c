// The program block Rechner: the application title, the five windows created hidden in their
// order, the start-up sequence of the main window's first showing, the message loop. The
// program ends when the main window closes.
#include "common/sprache.h"
#include "rechner/fenster/dialoge.h"
#include "rechner/fenster/tform1.h"
#include "rechner/fenster/tform2.h"
#include "rechner/fenster/tform3.h"
#include "rechner/fenster/tform4.h"
#include "rechner/fenster/tform5.h"
#include "rechner/kern/programmwerte.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication anwendung(argc, argv);
    deutscheQtTexteLaden();
    QApplication::setApplicationName(Anwendungstitel);
    QApplication::setWindowIcon(Programmsymbol());
    Programmwerte werte;
    TForm1 form1(werte);
    // The file dialogs belong to the main window and keep the names they last held.
    QtDialoge dialoge(&form1);
    TForm2 form2(form1, dialoge);
    TForm3 form3(form1, form2);
    TForm5 form5;
    TForm4 form4(form1);
    form1.Form2 = &form2;
    form1.Form3 = &form3;
    form1.Form5 = &form5;
    form1.Form4 = &form4;
    form1.FormShow();
    form1.show();
    // On a display without a window manager nothing else gives the window the keyboard.
    form1.activateWindow();
    return QApplication::exec();
}
