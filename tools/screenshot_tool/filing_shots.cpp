#include "window_shots.h"

#include "app/instances.h"
#include "app/tf_main.h"
#include "app/window_flow.h"
#include "filing/tf_new_dir.h"
#include "filing/tf_new_doc.h"
#include "folder_icons.h"
#include "folder_node.h"
#include "shot_taker.h"
#include "widgets/folder_tree_view.h"
#include "widgets/icon_grid.h"
#include "window_controls.h"

#include <QCheckBox>
#include <QDateTimeEdit>
#include <QLineEdit>
#include <stdexcept>

namespace quillox::screenshots {
namespace {

void shootNewDocument(const ShotTaker& shots, const QString& pagePath) {
    quillox::app::handOverFile(pagePath);
    settle();
    // The window loads its tree when it becomes active, which settling may or may not have
    // brought about; loaded once more here, the node chosen next stays selected.
    fNewDoc->FormActivate();
    control<QLineEdit>(fNewDoc, "eDocumentName")->setText("Car insurance offer 2015");
    control<QLineEdit>(fNewDoc, "eDescription")->setText("Quote from Northway for the Golf");
    control<QDateTimeEdit>(fNewDoc, "dtpDate")->setDate({2014, 11, 24});
    control<QLineEdit>(fNewDoc, "eTagWords")->setText("INSURANCE CAR OFFER");
    selectFolderNode(*control<quillox::widgets::FolderTreeView>(fNewDoc, "TreeView1"),
                     "CAR SUBFOLDER");
    settle();
    if (control<quillox::widgets::FolderTreeView>(fNewDoc, "TreeView1")->selectedItems().isEmpty())
        throw std::runtime_error("the new document window lost its selected folder");
    shots.take(*fNewDoc, "new_document.png");
    fNewDoc->bCancelClick();
}

void shootNewFolder(const ShotTaker& shots) {
    fNewDir->show();
    settle();
    control<QLineEdit>(fNewDir, "eNewFolderName")->setText("Pets");
    control<QCheckBox>(fNewDir, "cbSubfolder")->setChecked(true);
    fNewDir->cbSubfolderClick();
    selectFolderNode(*control<quillox::widgets::FolderTreeView>(fNewDir, "tvFolders"),
                     "HOUSEHOLD FOLDER");
    const int petsIcon = folderIcon(Symbol::Pets, Colour::Amber);
    control<quillox::widgets::IconGrid>(fNewDir, "ilvImageSelect")->SetSelectedIndex(petsIcon);
    control<quillox::widgets::IconGrid>(fNewDir, "ilvImageSelect")
        ->scrollToItem(
            control<quillox::widgets::IconGrid>(fNewDir, "ilvImageSelect")->item(petsIcon));
    shots.take(*fNewDir, "new_folder.png");
    fNewDir->bCancelClick();
}

} // namespace

void shootFilingWindows(const ShotTaker& shots, const QString& pagePath) {
    shootNewDocument(shots, pagePath);
    shootNewFolder(shots);
}

} // namespace quillox::screenshots
