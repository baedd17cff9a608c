#include "rechner/fenster/dialoge.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

Dialoge::Antwort frageStellen(QWidget* eltern, const QString& text) {
    QMessageBox box(QMessageBox::Information, QStringLiteral("Information"), text,
                    QMessageBox::NoButton, eltern);
    QPushButton* ja = box.addButton(QStringLiteral("&Ja"), QMessageBox::YesRole);
    QPushButton* nein = box.addButton(QStringLiteral("&Nein"), QMessageBox::NoRole);
    box.setDefaultButton(ja);
    box.setEscapeButton(static_cast<QAbstractButton*>(nullptr));
    box.exec();
    if (box.clickedButton() == ja)
        return Dialoge::Antwort::Ja;
    if (box.clickedButton() == nein)
        return Dialoge::Antwort::Nein;
    return Dialoge::Antwort::Abgebrochen;
}

namespace {
const QString Kassenrolle = QStringLiteral("Kassenrolle (*.KRO)");
} // namespace

std::optional<QString> QtDialoge::speichernDialog(const QString& dateiname) {
    m_speichernName = dateiname;
    QFileDialog dialog(m_eltern(), QStringLiteral("Daten speichern"), QString(), Kassenrolle);
    // The desktop's own dialogs would ask about overwriting before ".KRO" is added.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(QStringLiteral("KRO"));
    if (!m_speichernName.isEmpty())
        dialog.selectFile(m_speichernName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    m_speichernName = dialog.selectedFiles().constFirst();
    return m_speichernName;
}

std::optional<QString> QtDialoge::oeffnenDialog(const std::optional<QString>& dateiname) {
    if (dateiname)
        m_oeffnenName = *dateiname;
    QFileDialog dialog(m_eltern(), QStringLiteral("Datei öffnen"), QString(), Kassenrolle);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    if (!m_oeffnenName.isEmpty())
        dialog.selectFile(m_oeffnenName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    m_oeffnenName = dialog.selectedFiles().constFirst();
    return m_oeffnenName;
}
