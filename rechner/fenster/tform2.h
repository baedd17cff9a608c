#pragma once

// The administration window "Registrierung": four tabs over the model Registrierung. Each event
// calls one operation of the model; the window then copies the model's texts, the lock and the
// control states into its widgets and refreshes the main window, whose cover, menu items,
// status bar and roll the operations also change.

#include "rechner/kern/registrierung.h"

#include <QWidget>
#include <functional>

class TForm1;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QSlider;
class QTabWidget;
class RollenEditor;

class TForm2 : public QWidget {
public:
    TForm2(TForm1& form1, Dialoge& dialoge);
    // The roll copy's view goes before the model that holds the roll copy.
    ~TForm2() override;

    Registrierung& modell() { return m_modell; }
    // Shows the window, or only brings it to the front when it is open already.
    void zeigen();
    void ausfuehren(const std::function<void()>& operation);
    void aktualisieren();

protected:
    void showEvent(QShowEvent* ereignis) override;
    void closeEvent(QCloseEvent* ereignis) override;
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

private:
    void loginBauen(QWidget* seite);
    void nutzerBauen(QWidget* seite);
    void rollenBauen(QWidget* seite);
    void einstellungenBauen(QWidget* seite);
    void verbinden();
    void nutzerVerbinden();
    void einstellungenVerbinden();
    void felderAktualisieren();
    void sperreAktualisieren();
    void verlassen();

    TForm1& m_form1;
    Registrierung m_modell;
    bool m_zeigtModell = false;

    QPushButton* BitBtn1 = nullptr;
    QTabWidget* PageControl1 = nullptr;
    QLineEdit* Edit3 = nullptr;
    QLineEdit* Edit2 = nullptr;
    QLineEdit* Edit1 = nullptr;
    QPushButton* BitBtn2 = nullptr;
    QPushButton* BitBtn3 = nullptr;
    QPlainTextEdit* Memo1 = nullptr;
    QLabel* Panel1 = nullptr;
    QLabel* Label6 = nullptr;
    QPushButton* BitBtn23 = nullptr;
    QPushButton* BitBtn24 = nullptr;
    QPushButton* BitBtn6 = nullptr;
    QPushButton* BitBtn29 = nullptr;
    RollenEditor* RichEdit1 = nullptr;
    QLabel* Panel2 = nullptr;
    QPushButton* BitBtn4 = nullptr;
    QPushButton* BitBtn5 = nullptr;
    QRadioButton* RadioButton1 = nullptr;
    QRadioButton* RadioButton2 = nullptr;
    QLabel* Label9 = nullptr;
    QSlider* TrackBar1 = nullptr;
    QLineEdit* Edit4 = nullptr;
    QCheckBox* CheckBox1 = nullptr;
};
