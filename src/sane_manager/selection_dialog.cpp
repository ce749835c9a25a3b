#include "sane_manager/selection_dialog.h"

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace quillox::sane_manager {

std::optional<int> chooseDevice(const std::vector<SaneDevice>& devices, int preselected) {
    if (!qobject_cast<QApplication*>(QCoreApplication::instance()))
        return std::nullopt;
    QDialog dialog(QApplication::activeWindow());
    dialog.setWindowTitle("Select Scanner");
    auto* list = new QListWidget(&dialog);
    for (const SaneDevice& device : devices)
        list->addItem(
            QString::fromStdString(device.vendor + " " + device.model + " (" + device.name + ")"));
    list->setCurrentRow(preselected);
    auto* label = new QLabel("&Scanners:", &dialog);
    label->setBuddy(list);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    buttons->button(QDialogButtonBox::Ok)->setText("&Select");
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    QObject::connect(list, &QListWidget::itemDoubleClicked, &dialog, &QDialog::accept);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(label);
    layout->addWidget(list);
    layout->addWidget(buttons);
    if (dialog.exec() != QDialog::Accepted || list->currentRow() < 0)
        return -1;
    return list->currentRow();
}

} // namespace quillox::sane_manager
