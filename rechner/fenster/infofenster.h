#pragma once

#include <QDialog>
#include <QIcon>
#include <QString>

class QLabel;
class QPushButton;
class Hauptfenster;

// The maker's addresses, shown here and opened by the main window's links.
inline const QString MorvaneWebseite = QStringLiteral("https://www.morvane.example");
inline const QString MorvaneEMail = QStringLiteral("info@morvane.example");

// The program's icon, compiled into the program.
QIcon programmsymbol();

// The about box: product name and version, the icon, the mail and web links, OK. It is shown
// modeless by the menu item "Info ...", has no buttons in its title bar and is only hidden by
// OK.
class Infofenster : public QDialog {
public:
    explicit Infofenster(Hauptfenster& hauptfenster);

    void beimAktivieren();
    void ok();
    void emailSchreiben();
    void webseiteOeffnen();

protected:
    bool event(QEvent* ereignis) override;
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;
    void keyPressEvent(QKeyEvent* ereignis) override;

private:
    void obenBauen();
    void untenBauen();

    Hauptfenster& m_hauptfenster;
    QLabel* m_programmsymbol = nullptr;
    QLabel* m_versionsText = nullptr;
    QLabel* m_emailLink = nullptr;
    QLabel* m_webLink = nullptr;
    QPushButton* m_okKnopf = nullptr;
};
