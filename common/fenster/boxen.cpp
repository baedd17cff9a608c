#include "common/fenster/boxen.h"

#include "common/fehler.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <utility>

namespace {

Boxumleitung*& umleitung() {
    static Boxumleitung* aktuelle = nullptr;
    return aktuelle;
}

void zeigen(const Box& box, QWidget* eltern) {
    if (Boxumleitung::uebernehmen(box))
        return;
    const QMessageBox::Icon symbol =
        box.art == Box::Art::Fehler ? QMessageBox::Critical : QMessageBox::NoIcon;
    QMessageBox fenster(symbol, box.titel, box.text, QMessageBox::Ok, eltern);
    fenster.exec();
}

} // namespace

Boxumleitung::Boxumleitung(std::function<void(const Box&)> empfaenger)
    : m_empfaenger(std::move(empfaenger)), m_vorige(std::exchange(umleitung(), this)) {}

Boxumleitung::~Boxumleitung() {
    umleitung() = m_vorige;
}

bool Boxumleitung::uebernehmen(const Box& box) {
    if (!umleitung())
        return false;
    umleitung()->m_empfaenger(box);
    return true;
}

void fehlerboxZeigen(QWidget* eltern, const QString& text) {
    zeigen({Box::Art::Fehler, QCoreApplication::applicationName(), fehlerboxText(text)}, eltern);
}

void meldungsboxZeigen(QWidget* eltern, const QString& text) {
    zeigen({Box::Art::Meldung, QCoreApplication::applicationName(), text}, eltern);
}
