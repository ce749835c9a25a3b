#include "window_shots.h"

#include "app/instances.h"
#include "app/tf_main.h"
#include "filing/tf_new_dir.h"
#include "filing/tf_new_doc.h"
#include "folder_icons.h"
#include "folder_node.h"
#include "shot_taker.h"
#include "widgets/folder_tree_view.h"
#include "widgets/icon_grid.h"

#include <QCheckBox>
#include <QDateTimeEdit>
#include <QLineEdit>
#include <stdexcept>

namespace quillox::screenshots {
namespace {

void shootNewDocument(const ShotTaker& shots, const QString& pagePath) {
    fMain->TakeFile(pagePath);
    settle();
    // The window loads its tree when it becomes active, which settling may or may not have
    // brought about; loaded once more here, the node chosen next stays selected.
    fNewDoc->FormActivate();
    fNewDoc->eDocumentName->setText("Car insurance offer 2015");
    fNewDoc->eDescription->setText("Quote from Northway for the Golf");
    fNewDoc->dtpDate->setDate({2014, 11, 24});
    fNewDoc->eTagWords->setText("INSURANCE CAR OFFER");
    selectFolderNode(*fNewDoc->TreeView1, "CAR SUBFOLDER");
    settle();
    if (fNewDoc->TreeView1->selectedItems().isEmpty())
        throw std::runtime_error("the new document window lost its selected folder");
    shots.take(*fNewDoc, "new_document.png");
    fNewDoc->bCancelClick();
}

void shootNewFolder(const ShotTaker& shots) {
    fNewDir->show();
    settle();
    fNewDir->eNewFolderName->setText("Pets");
    fNewDir->cbSubfolder->setChecked(true);
    fNewDir->cbSubfolderClick();
    selectFolderNode(*fNewDir->tvFolders, "HOUSEHOLD FOLDER");
    const int petsIcon = folderIcon(Symbol::Pets, Colour::Amber);
    fNewDir->ilvImageSelect->SetSelectedIndex(petsIcon);
    fNewDir->ilvImageSelect->scrollToItem(fNewDir->ilvImageSelect->item(petsIcon));
    shots.take(*fNewDir, "new_folder.png");
    fNewDir->bCancelClick();
}

} // namespace

void shootFilingWindows(const ShotTaker& shots, const QString& pagePath) {
    shootNewDocument(shots, pagePath);
    shootNewFolder(shots);
}

} // namespace quillox::screenshots
