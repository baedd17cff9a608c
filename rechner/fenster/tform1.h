#pragma once

// The main window. An event travels like this: a key click (or a typed character reaching the
// hidden sink Edit1) calls one operation of the model Hauptmodell; the operation changes the
// calculator state, the field texts and appends pieces to the roll; the window then copies the
// field texts and enabled states into its widgets, and the roll view, told of each appended
// line by the roll itself, paints the lines in sight and scrolls to the end after the event. An
// operation that throws Fehler is shown in the error box, with what it changed before still in
// place.

#include "rechner/fenster/plattform.h"
#include "rechner/fenster/tastenfeld.h"
#include "rechner/kern/hauptmodell.h"

#include <QMainWindow>
#include <QTimer>
#include <functional>
#include <memory>

class QAction;
class Programmstart;
class TForm2;
class TForm3;
class TForm4;
class TForm5;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class RollenAnsicht;

class TForm1 : public QMainWindow {
public:
    TForm1(Programmwerte& werte, QWidget* eltern = nullptr);
    ~TForm1() override;

    Hauptmodell& modell() { return m_modell; }
    // Runs an operation of the model as an event handler: refresh afterwards, the error box on
    // failure, the keyboard focus back to the sink on success.
    void ausfuehren(const std::function<void()>& operation);
    // Copies the model's field texts and states into the widgets.
    void aktualisieren();
    // The start-up sequence (tform1_start.cpp). The program block runs it once, right before it
    // shows the window, when the other windows exist.
    void FormShow();

    QAction* Registrieren1 = nullptr;
    QAction* Beenden1 = nullptr;
    QAction* Anmelden1 = nullptr;
    QAction* Abmelden1 = nullptr;
    QAction* Drucken2 = nullptr;
    QAction* Info2 = nullptr;
    QAction* MorvaneWebseite1 = nullptr;
    QAction* FragenEMailFragenanMorvane1 = nullptr;
    QAction* ProgrammaktualisierungOnlineUpdate1 = nullptr;
    QAction* Hilfe1 = nullptr;

    QLineEdit* Edit1 = nullptr;

    // Print, about box and the outside links (tform1_menue.cpp).
    void Drucken2Click();
    void Info2Click();
    void MorvaneWebseite1Click();
    void FragenEMailFragenanMorvane1Click();
    void Internet1Click(); // the about box's web link
    void eMail1Click();    // the about box's mail link
    void Hilfe1Click();
    void AufrufExtern();
    QString AufrufPfad; // the file the shell is asked to open
    // The desktop's opener; tests put a recording one in its place.
    Shell* shell = &m_desktop;

    // The other windows, created by the program block after the main window.
    TForm2* Form2 = nullptr;
    TForm3* Form3 = nullptr;
    TForm4* Form4 = nullptr;
    TForm5* Form5 = nullptr;

protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;
    void mouseMoveEvent(QMouseEvent* ereignis) override;
    // The close query (tform1_start.cpp).
    void closeEvent(QCloseEvent* ereignis) override;

private:
    void menueBauen();
    void felderBauen(QWidget* panel1);
    void statusleisteBauen();
    void tastenVerbinden();
    // Wiring of the menu items, each in the file of its topic.
    void anmeldungVerbinden(); // tform1_start.cpp: start-up, close, administration, sign-in
    void menueVerbinden();     // tform1_menue.cpp: print, about box, links, hints
    void updateVerbinden();    // tform1_update.cpp: the online update check
    // Start-up and the close query (tform1_start.cpp), made when first needed.
    Programmstart& startmodell();
    // Keyboard sink and focus (tform1_tastatur.cpp); true when the event is used up.
    void tastaturVerbinden();
    bool tastaturEreignis(QObject* objekt, QEvent* ereignis);
    void funktionstaste(int nummer);
    // Status hints of panel 0 (tform1_menue.cpp).
    void hinweisBeiBewegung(QObject* objekt);

    Hauptmodell m_modell;
    // One for the whole run: the close query needs to know what start-up could not read.
    std::unique_ptr<Programmstart> m_start;
    QtShell m_desktop;
    QWidget* Panel1 = nullptr;
    QLabel* Panel3 = nullptr;
    QLabel* Panel2 = nullptr;
    QLabel* Panel34 = nullptr;
    QLabel* Panel6 = nullptr;
    QLabel* Panel4 = nullptr;
    QLabel* Panel5 = nullptr;
    QLabel* Panel33 = nullptr;
    QLineEdit* Edit2 = nullptr;
    QPlainTextEdit* Memo1 = nullptr;
    RollenAnsicht* RichEdit1 = nullptr;
    QLabel* StatusPanel[3] = {};
    Tasten m_tasten{};
    QTimer Timer1;
    QTimer Timer2;
};
