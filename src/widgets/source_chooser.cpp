#include "widgets/source_chooser.h"

#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace quillox::widgets {

int chooseScanner(QWidget* parent, const QStringList& names, int preselected) {
    QDialog dialog(parent);
    dialog.setWindowTitle("Select Source");
    auto* label = new QLabel("&Sources:", &dialog);
    auto* list = new QComboBox(&dialog);
    list->addItems(names);
    list->setCurrentIndex(preselected);
    label->setBuddy(list);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    buttons->button(QDialogButtonBox::Ok)->setText("&Select");
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(label);
    layout->addWidget(list);
    layout->addWidget(buttons);
    return dialog.exec() == QDialog::Accepted ? list->currentIndex() : -1;
}

} // namespace quillox::widgets
