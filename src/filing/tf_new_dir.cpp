#include "filing/tf_new_dir.h"

#include "platform/handler_guard.h"
#include "store/add_folder.h"
#include "store/folder_names.h"
#include "store/table_names.h"
#include "store/tdm_data.h"
#include "widgets/artwork.h"
#include "widgets/folder_node_drop.h"
#include "widgets/folder_tree_loading.h"
#include "widgets/folder_tree_view.h"
#include "widgets/icon_grid.h"
#include "widgets/picture_button.h"
#include "widgets/stored_width_limit.h"
#include "widgets/window_design.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>

namespace quillox::filing {

TfNewDir::TfNewDir(QWidget* owner, store::TdmData& data) : DesignedWindow(owner), data_(data) {
    widgets::applyWindowDesign(*this, "Quillox - Create your new folder!", {1009, 421},
                               widgets::Border::Fixed);
    setFont(widgets::designFont("Calibri", 13));
    setModal(true);
}

void TfNewDir::makeControls() {
    iWatermark = new widgets::PictureButton(this);
    iWatermark->setGeometry(335, 0, 316, 421);
    iWatermark->SetPicture(artwork::watermark);

    Label1 = new QLabel("Select icon for your new folder", this);
    Label1->setGeometry(620, 55, 167, 15);

    lNewFolderName = new QLabel("New Folder Name", this);
    lNewFolderName->setGeometry(10, 4, 121, 15);
    eNewFolderName = new QLineEdit(this);
    eNewFolderName->setGeometry(10, 20, 121, 23);
    // The name the folder gets keeps the whole of what was typed.
    widgets::limitToStoredWidth(*eNewFolderName, store::typedFolderNameWidth());
    lNewFolderName->setBuddy(eNewFolderName);

    cbSubfolder = new QCheckBox("Create as subfolder of:", this);
    // Wider than designed, so that the whole caption shows in the fonts at hand.
    cbSubfolder->setGeometry(10, 45, 170, 17);
    connect(cbSubfolder, &QCheckBox::clicked, this,
            platform::guarded([this] { cbSubfolderClick(); }));

    tvFolders = new widgets::FolderTreeView(this);
    tvFolders->setGeometry(5, 70, 361, 261);
    tvFolders->setEnabled(false);
    tvFolders->OnDragDrop = [this](const QPoint& point) {
        platform::runHandler([&] { widgets::dropFolderNode(*tvFolders, point, data_.tFolders); });
    };

    // Five cells of 120 pixels with 4 between them fill a row beside the scroll bar.
    ilvImageSelect = new widgets::IconGrid({100, 100}, {123, 124}, this);
    ilvImageSelect->setGeometry(370, 70, 636, 261);

    iOkButton = widgets::clickablePicture(this, {5, 335, 81, 81}, artwork::okButton,
                                          widgets::PictureScaling::Stretch, "Create the folder");
    connect(iOkButton, &widgets::PictureButton::clicked, this,
            platform::guarded([this] { bOkClick(); }));

    iCancelButton = widgets::clickablePicture(this, {925, 335, 81, 81}, artwork::cancelButton,
                                              widgets::PictureScaling::Stretch, "Cancel");
    connect(iCancelButton, &widgets::PictureButton::clicked, this,
            platform::guarded([this] { bCancelClick(); }));

    setTabOrder(tvFolders, eNewFolderName);
    setTabOrder(eNewFolderName, cbSubfolder);
    setTabOrder(cbSubfolder, ilvImageSelect);

    widgets::nameControls({{iCancelButton, "iCancelButton"},
                           {iOkButton, "iOkButton"},
                           {iWatermark, "iWatermark"},
                           {Label1, "Label1"},
                           {tvFolders, "tvFolders"},
                           {lNewFolderName, "lNewFolderName"},
                           {eNewFolderName, "eNewFolderName"},
                           {cbSubfolder, "cbSubfolder"},
                           {ilvImageSelect, "ilvImageSelect"}});
}

void TfNewDir::FormShow() {
    // The icons are read at the first showing, so that start-up does not wait for them.
    if (ilvImageSelect->count() == 0) {
        for (const QImage& icon : artwork::folderIcons())
            ilvImageSelect->AddIcon(icon);
    }
    eNewFolderName->clear();
    cbSubfolder->setChecked(false);
    cbSubfolderClick();
    widgets::loadFolderTree(*tvFolders, data_.tFolders);
    eNewFolderName->setFocus();
}

void TfNewDir::cbSubfolderClick() {
    tvFolders->setEnabled(cbSubfolder->isChecked());
    if (!cbSubfolder->isChecked()) {
        tvFolders->clearSelection();
        tvFolders->setCurrentItem(nullptr);
    }
}

void TfNewDir::bOkClick() {
    const QList<QTreeWidgetItem*> selected = tvFolders->selectedItems();
    const QString parent =
        selected.isEmpty() ? QString(store::topLevelMarker) : selected.front()->text(0);
    if (eNewFolderName->text().isEmpty())
        return;
    const QString name =
        store::newFolderName(eNewFolderName->text(), parent == store::topLevelMarker);
    store::addFolder(data_.tFolders, name, parent, ilvImageSelect->SelectedIndex());
    accept();
}

void TfNewDir::bCancelClick() {
    reject();
}

} // namespace quillox::filing
