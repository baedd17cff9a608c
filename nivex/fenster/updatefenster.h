#pragma once

// The updater's window. Each event (a button, a key, a tick of a step timer, the first
// activation) calls one operation of the model Updatemodell; the window then copies the model's
// field texts, pens, progress values, enabled states and running timers into its widgets, and
// closes when the model asks for it. Edits of the two editable text fields go straight to the
// model. Before each download, which blocks the event loop, the model asks the window to show and
// paint its state; it also asks how the information and flag fields wrap a line.

#include "nivex/kern/updatemodell.h"

#include <QTimer>
#include <QWidget>
#include <functional>

class QLabel;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class Stufenrahmen;

class Updatefenster : public QWidget {
public:
    // `programmordner` is the updater's own folder with a trailing "/".
    Updatefenster(NivexAussenwelt& welt, const QString& basisadresse, const QString& programmordner,
                  QWidget* eltern = nullptr);

    Updatemodell& modell() { return m_modell; }

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

    Updatemodell m_modell;
    QPlainTextEdit* m_downloadOrdnerFeld = nullptr;
    QPlainTextEdit* m_aktuelleVersionFeld = nullptr;
    QPlainTextEdit* m_neueVersionFeld = nullptr;
    QPlainTextEdit* m_informationsFeld = nullptr;
    QPlainTextEdit* m_hilfeKennungFeld = nullptr;
    Stufenrahmen* m_downloadRahmen = nullptr;
    Stufenrahmen* m_installRahmen = nullptr;
    QProgressBar* m_downloadBalken = nullptr;
    QProgressBar* m_installBalken = nullptr;
    QPushButton* m_herunterladenKnopf = nullptr;
    QPushButton* m_installierenKnopf = nullptr;
    QPushButton* m_abbrechenKnopf = nullptr;
    QLabel* m_statusfelder[2] = {};
    QTimer m_downloadZeitgeber;
    QTimer m_nachDownloadZeitgeber;
    QTimer m_installZeitgeber;
};
