// The program block Nivex; its window comes with the updater's work.
#include <QApplication>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication anwendung(argc, argv);
    QWidget fenster;
    fenster.setWindowTitle(QStringLiteral("Nivex"));
    fenster.show();
    return QApplication::exec();
}
