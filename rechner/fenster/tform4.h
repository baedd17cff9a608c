#pragma once

#include <QDialog>
#include <QIcon>
#include <QString>

class QLabel;
class QPushButton;
class TForm1;

// The maker's addresses, shown here and opened by the main window's links.
inline const QString MorvaneWebseite = QStringLiteral("https://www.morvane.example");
inline const QString MorvaneEMail = QStringLiteral("info@morvane.example");

// The program's icon, compiled into the program.
QIcon Programmsymbol();

// The about box: product name and version, the icon, the mail and web links, OK. It is shown
// modeless, has no buttons in its title bar and is only hidden by OK.
class TForm4 : public QDialog {
public:
    explicit TForm4(TForm1& form1);

    void FormActivate();
    void BitBtn1Click();
    void Label2Click();
    void Label4Click();

    QLabel* ProgramIcon = nullptr;
    QLabel* Kont = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label4 = nullptr;
    QPushButton* BitBtn1 = nullptr;

protected:
    bool event(QEvent* ereignis) override;
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;
    void keyPressEvent(QKeyEvent* ereignis) override;

private:
    void obenBauen();
    void untenBauen();
    TForm1& m_form1;
};
