#include "filing/tf_new_doc.h"

#include "platform/handler_guard.h"
#include "store/file_document.h"
#include "store/table_columns.h"
#include "store/table_names.h"
#include "store/tdm_data.h"
#include "widgets/artwork.h"
#include "widgets/copy_progress_dialog.h"
#include "widgets/folder_node_drop.h"
#include "widgets/folder_tree_loading.h"
#include "widgets/folder_tree_view.h"
#include "widgets/picture_button.h"
#include "widgets/stored_width_limit.h"
#include "widgets/window_design.h"

#include <QDateTimeEdit>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>

namespace quillox::filing {
namespace {

QLabel* label(QWidget* parent, const QString& text, QRect geometry) {
    auto* result = new QLabel(text, parent);
    result->setGeometry(geometry);
    return result;
}

QLineEdit* edit(QWidget* parent, QRect geometry) {
    auto* result = new QLineEdit(parent);
    result->setGeometry(geometry);
    return result;
}

} // namespace

TfNewDoc::TfNewDoc(QWidget* owner) : DesignedWindow(owner, Qt::Window) {
    widgets::applyWindowDesign(*this, "Quillox - Import your documents here!", {344, 462},
                               widgets::Border::Fixed);
    setFont(widgets::designFont("Calibri", 13));
}

void TfNewDoc::makeControls() {
    iBackground = new widgets::PictureButton(this);
    iBackground->setGeometry(rect());
    iBackground->SetPicture(artwork::background);

    Label2 = label(this, "Document Name", {15, 6, 89, 15});
    Label6 = label(this, "Description", {15, 33, 63, 15});
    Label3 = label(this, "Folder", {15, 65, 35, 15});
    Label4 = label(this, "Date", {15, 327, 25, 15});
    Label5 = label(this, "Tag Words", {15, 355, 57, 15});

    ePath = edit(this, {105, 5, 231, 23});
    ePath->setReadOnly(true);
    ePath->hide();
    eDocumentName = edit(this, {105, 7, 231, 23});
    eDescription = edit(this, {105, 35, 231, 23});
    dtpDate = new QDateTimeEdit(this);
    dtpDate->setGeometry(100, 324, 186, 23);
    dtpDate->setCalendarPopup(true);
    dtpDate->setDisplayFormat(QLocale().dateFormat(QLocale::ShortFormat));
    eTagWords = edit(this, {100, 350, 231, 23});
    // Each field takes no more than its column keeps, so that the row holds what the user sees
    // and a search for it finds it; upper-casing the tag words keeps their bytes' count.
    const std::vector<store::ColumnDefinition>& columns = store::documentsColumns();
    widgets::limitToStoredWidth(*eDocumentName,
                                store::columnWidth(columns, store::documentNameColumn));
    widgets::limitToStoredWidth(*eDescription,
                                store::columnWidth(columns, store::descriptionColumn));
    widgets::limitToStoredWidth(*eTagWords, store::columnWidth(columns, store::tagWordsColumn));
    Label2->setBuddy(eDocumentName);
    Label6->setBuddy(eDescription);
    Label4->setBuddy(dtpDate);
    Label5->setBuddy(eTagWords);

    TreeView1 = new widgets::FolderTreeView(this);
    TreeView1->setGeometry(15, 80, 321, 241);
    Label3->setBuddy(TreeView1);
    TreeView1->OnDragDrop = [this](const QPoint& point) {
        platform::runHandler([&] { widgets::dropFolderNode(*TreeView1, point, data_->tFolders); });
    };

    bNewFolder = new QPushButton("Create folder", this);
    bNewFolder->setGeometry(105, 65, 86, 15);
    connect(bNewFolder, &QPushButton::clicked, this,
            platform::guarded([this] { bNewFolderClick(); }));

    iOkButton = widgets::clickablePicture(this, {10, 375, 81, 81}, artwork::okButton,
                                          widgets::PictureScaling::Stretch, "Confirm input");
    connect(iOkButton, &widgets::PictureButton::clicked, this,
            platform::guarded([this] { CreateNewDocument(); }));

    iCancelButton = widgets::clickablePicture(this, {255, 375, 81, 81}, artwork::cancelButton,
                                              widgets::PictureScaling::Stretch, "Cancel");
    connect(iCancelButton, &widgets::PictureButton::clicked, this,
            platform::guarded([this] { bCancelClick(); }));

    for (QLineEdit* field : {eDocumentName, eDescription, eTagWords})
        connect(field, &QLineEdit::textChanged, this, platform::guarded([this] { Check(); }));
    connect(dtpDate, &QDateTimeEdit::dateTimeChanged, this, platform::guarded([this] { Check(); }));
    connect(TreeView1, &QTreeWidget::itemSelectionChanged, this,
            platform::guarded([this] { Check(); }));

    setTabOrder(eDocumentName, eDescription);
    setTabOrder(eDescription, dtpDate);
    setTabOrder(dtpDate, eTagWords);
    setTabOrder(eTagWords, TreeView1);
    setTabOrder(TreeView1, bNewFolder);

    widgets::nameControls({{iBackground, "iBackground"},
                           {Label2, "Label2"},
                           {Label6, "Label6"},
                           {Label3, "Label3"},
                           {Label4, "Label4"},
                           {Label5, "Label5"},
                           {eDocumentName, "eDocumentName"},
                           {eDescription, "eDescription"},
                           {dtpDate, "dtpDate"},
                           {eTagWords, "eTagWords"},
                           {TreeView1, "TreeView1"},
                           {ePath, "ePath"},
                           {bNewFolder, "bNewFolder"},
                           {iOkButton, "iOkButton"},
                           {iCancelButton, "iCancelButton"}});
}

void TfNewDoc::Clear() {
    needControls();
    ePath->clear();
    ePath->setEnabled(true);
    eDocumentName->clear();
    eTagWords->clear();
    eDescription->clear();
    TreeView1->clearSelection();
    TreeView1->setCurrentItem(nullptr);
}

void TfNewDoc::Check() {
    needControls();
    iOkButton->setEnabled(!ePath->text().isEmpty() && !eDocumentName->text().isEmpty() &&
                          !TreeView1->selectedItems().isEmpty());
}

void TfNewDoc::CreateNewDocument() {
    needControls();
    const QList<QTreeWidgetItem*> selected = TreeView1->selectedItems();
    if (selected.isEmpty())
        return;
    const store::FilingInput input{ePath->text(),        eDocumentName->text(),
                                   eDescription->text(), eTagWords->text(),
                                   dtpDate->dateTime(),  selected.front()->text(0)};
    // A large file takes a while: its progress shows, and Cancel files nothing.
    widgets::CopyProgressDialog progress(
        this, "Copying \"" + QFileInfo(input.sourcePath).fileName() + "\" into the store");
    const bool filed = store::fileDocument(*data_, input, progress.progress());
    if (!filed)
        return;
    Clear();
    emit filingEnded();
}

void TfNewDoc::bCancelClick() {
    emit filingEnded();
}

// The window opens over its owner, the main window.
// The tree is read at every showing, not only on activation, which a window manager may not
// give the window.
void TfNewDoc::FormShow() {
    if (const QWidget* owner = parentWidget())
        move(owner->frameGeometry().center() - rect().center());
    reloadFolderTree();
    dtpDate->setDateTime(QDateTime::currentDateTime());
}

void TfNewDoc::FormActivate() {
    reloadFolderTree();
}

void TfNewDoc::reloadFolderTree() {
    needControls();
    widgets::loadFolderTree(*TreeView1, data_->tFolders);
    Check();
}

void TfNewDoc::bNewFolderClick() {
    emit newFolderRequested();
}

void TfNewDoc::startFiling(const QString& path, bool pathLocked) {
    needControls();
    Clear();
    ePath->setText(path);
    ePath->setEnabled(!pathLocked);
}

bool TfNewDoc::isFilingAnotherFile(const QString& path) const {
    return isVisible() && !ePath->text().isEmpty() && ePath->text() != path;
}

void TfNewDoc::FormClose() {
    bCancelClick();
}

// Return files the document when OK is enabled; Escape cancels.
bool TfNewDoc::canConfirm() const {
    return iOkButton->isEnabled();
}

void TfNewDoc::confirm() {
    CreateNewDocument();
}

void TfNewDoc::cancel() {
    bCancelClick();
}

void TfNewDoc::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        platform::runHandler([this] { FormActivate(); });
}

} // namespace quillox::filing
