#include "retrieval/tf_move_doc.h"

#include "app/instances.h"
#include "platform/handler_guard.h"
#include "retrieval/tf_browse.h"
#include "store/move_document.h"
#include "store/tdm_data.h"
#include "widgets/artwork.h"
#include "widgets/folder_node_drop.h"
#include "widgets/folder_tree_loading.h"
#include "widgets/folder_tree_view.h"
#include "widgets/picture_button.h"
#include "widgets/window_design.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QShowEvent>

namespace quillox::retrieval {

TfMoveDoc::TfMoveDoc(QWidget* owner) : QWidget(owner, Qt::Window) {
    widgets::applyWindowDesign(*this, "Move", {371, 410}, widgets::Border::Resizable);
    setFont(widgets::designFont("Tahoma", 11));

    Label1 = new QLabel("Destination Folder:", this);
    Label1->setGeometry(5, 5, 120, 13);

    TreeView1 = new widgets::FolderTreeView(this);
    TreeView1->setGeometry(5, 25, 361, 296);
    TreeView1->setIndentation(19);
    Label1->setBuddy(TreeView1);
    // Folders re-parented here are stored at once, whether the move is then made or not.
    TreeView1->OnDragDrop = [this](const QPoint& point) {
        platform::runHandler([&] { widgets::dropFolderNode(*TreeView1, point, dmData->tFolders); });
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
}

void TfMoveDoc::FormShow() {
    widgets::loadFolderTree(*TreeView1, dmData->tFolders);
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
    store::moveCurrentDocument(dmData->tDocuments, selected.front()->text(0));
    bCancelClick();
}

void TfMoveDoc::bCancelClick() {
    hide();
    fBrowse->show();
}

void TfMoveDoc::showEvent(QShowEvent* event) {
    if (!event->spontaneous())
        platform::runHandler([this] { FormShow(); });
    QWidget::showEvent(event);
}

void TfMoveDoc::closeEvent(QCloseEvent* event) {
    platform::runHandler([this] { bCancelClick(); });
    event->accept();
}

// Return moves when a destination is selected; Escape cancels.
void TfMoveDoc::keyPressEvent(QKeyEvent* event) {
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && iOkButton->isEnabled())
        platform::runHandler([this] { bOkClick(); });
    else if (event->key() == Qt::Key_Escape)
        platform::runHandler([this] { bCancelClick(); });
    else
        QWidget::keyPressEvent(event);
}

} // namespace quillox::retrieval
