#include "retrieval/tf_move_doc.h"

#include "platform/handler_guard.h"
#include "store/move_document.h"
#include "store/tdm_data.h"
#include "widgets/artwork.h"
#include "widgets/folder_node_drop.h"
#include "widgets/folder_tree_loading.h"
#include "widgets/folder_tree_view.h"
#include "widgets/picture_button.h"
#include "widgets/window_design.h"

#include <QLabel>

namespace quillox::retrieval {

TfMoveDoc::TfMoveDoc(QWidget* owner, store::TdmData& data)
    : DesignedWindow(owner, Qt::Window), data_(data) {
    widgets::applyWindowDesign(*this, "Move", {371, 410}, widgets::Border::Resizable);
    setFont(widgets::designFont("Tahoma", 11));
}

void TfMoveDoc::makeControls() {
    Label1 = new QLabel("Destination Folder:", this);
    Label1->setGeometry(5, 5, 120, 13);

    TreeView1 = new widgets::FolderTreeView(this);
    TreeView1->setGeometry(5, 25, 361, 296);
    TreeView1->setIndentation(19);
    Label1->setBuddy(TreeView1);
    // Folders re-parented here are stored at once, whether the move is then made or not.
    TreeView1->OnDragDrop = [this](const QPoint& point) {
        platform::runHandler([&] { widgets::dropFolderNode(*TreeView1, point, data_.tFolders); });
    };
    connect(TreeView1, &QTreeWidget::itemSelectionChanged, this,
            platform::guarded([this] { updateOkButton(); }));

    iOkButton = widgets::clickablePicture(this, {5, 325, 81, 81}, artwork::okButton,
                                          widgets::PictureScaling::Stretch);
    iCancelButton = widgets::clickablePicture(this, {285, 325, 81, 81}, artwork::cancelButton,
                                              widgets::PictureScaling::Stretch);
    connect(iOkButton, &widgets::PictureButton::clicked, this,
            platform::guarded([this] { bOkClick(); }));
    connect(iCancelButton, &widgets::PictureButton::clicked, this,
            platform::guarded([this] { bCancelClick(); }));
    updateOkButton();

    widgets::nameControls({{Label1, "Label1"},
                           {iOkButton, "iOkButton"},
                           {iCancelButton, "iCancelButton"},
                           {TreeView1, "TreeView1"}});
}

void TfMoveDoc::FormShow() {
    widgets::loadFolderTree(*TreeView1, data_.tFolders);
    updateOkButton();
}

// A move needs a destination: OK stays disabled until a folder is selected.
void TfMoveDoc::updateOkButton() {
    iOkButton->setEnabled(!TreeView1->selectedItems().isEmpty());
}

void TfMoveDoc::bOkClick() {
    const QList<QTreeWidgetItem*> selected = TreeView1->selectedItems();
    if (selected.isEmpty())
        return;
    store::moveCurrentDocument(data_.tDocuments, selected.front()->text(0));
    bCancelClick();
}

void TfMoveDoc::bCancelClick() {
    emit moveEnded();
}

bool TfMoveDoc::canConfirm() const {
    return iOkButton->isEnabled();
}

} // namespace quillox::retrieval
