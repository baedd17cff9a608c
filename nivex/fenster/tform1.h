#pragma once

// The updater's window. Each event (a button, a key, a tick of a step timer, the first
// activation) calls one operation of the model Nivexmodell; the window then copies the model's
// field texts, pens, progress values, enabled states and running timers into its widgets, and
// closes when the model asks for it. Edits of the two editable memos go straight to the model.
// Before each download, which blocks the event loop, the model asks the window to show and paint
// its state; it also asks how the information and flag fields wrap a line.

#include "nivex/kern/nivexmodell.h"

#include <QTimer>
#include <QWidget>
#include <functional>

class QLabel;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class Stufenrahmen;

class TForm1 : public QWidget {
public:
    // `programmordner` is the updater's own folder with a trailing "/".
    TForm1(NivexAussenwelt& welt, const QString& basisadresse, const QString& programmordner,
           QWidget* eltern = nullptr);

    Nivexmodell& modell() { return m_modell; }

protected:
    bool event(QEvent* ereignis) override;
    void keyPressEvent(QKeyEvent* ereignis) override;
    void closeEvent(QCloseEvent* ereignis) override;

private:
    void felderBauen();
    void schritteBauen();
    void knoepfeBauen();
    void statusleisteBauen();
    void ausfuehren(const std::function<void()>& operation);
    void aktualisieren();

    Nivexmodell m_modell;
    QPlainTextEdit* Memo1 = nullptr;
    QPlainTextEdit* Memo5 = nullptr;
    QPlainTextEdit* Memo2 = nullptr;
    QPlainTextEdit* Memo3 = nullptr;
    QPlainTextEdit* Memo4 = nullptr;
    Stufenrahmen* Shape1 = nullptr;
    Stufenrahmen* Shape2 = nullptr;
    QProgressBar* ProgressBar1 = nullptr;
    QProgressBar* ProgressBar2 = nullptr;
    QPushButton* BitBtn1 = nullptr;
    QPushButton* BitBtn2 = nullptr;
    QPushButton* BitBtn3 = nullptr;
    QLabel* Statusfeld[2] = {};
    QTimer Timer1;
    QTimer Timer2;
    QTimer Timer3;
};
