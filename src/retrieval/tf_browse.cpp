#include "retrieval/tf_browse.h"

#include "platform/desktop_open.h"
#include "platform/file_copy.h"
#include "platform/handler_guard.h"
#include "retrieval/folder_tile_picture.h"
#include "retrieval/operations/browse_statements.h"
#include "store/delete_document.h"
#include "store/folder_tree.h"
#include "store/locate_row.h"
#include "store/table_names.h"
#include "store/tdm_data.h"
#include "widgets/artwork.h"
#include "widgets/captioned_image.h"
#include "widgets/copy_progress_dialog.h"
#include "widgets/dataset_grid.h"
#include "widgets/picture_button.h"
#include "widgets/tile_flow_panel.h"
#include "widgets/window_design.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QSplitter>
#include <QVBoxLayout>

namespace quillox::retrieval {
namespace {

const QString browseCaption = "Quillox - View your documents here!";

QLabel* heading(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setFont(widgets::designFont("Calibri", 21));
    label->setGeometry(5, 5, 97, 26);
    return label;
}

// A panel holding a heading at the top and a body that fills the rest, 1 pixel inside the
// edges, 35 pixels down.
QWidget* headedPanel(QWidget* parent, QLabel*& label, const QString& text, QWidget* body) {
    auto* panel = new QWidget(parent);
    label = heading(text, panel);
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(1, 35, 1, 1);
    layout->addWidget(body);
    return panel;
}

bool confirmed(const QString& text, QMessageBox::StandardButtons buttons,
               QMessageBox::StandardButton defaultButton, QMessageBox::StandardButton yes) {
    // Without a parent the box is centred on the screen.
    QMessageBox box(QMessageBox::Question, "Confirm", text, buttons);
    box.setDefaultButton(defaultButton);
    return box.exec() == yes;
}

} // namespace

TfBrowse::TfBrowse(QWidget* owner, store::TdmData& data)
    : DesignedWindow(owner, Qt::Window), data_(data) {
    widgets::applyWindowDesign(*this, browseCaption, {954, 552}, widgets::Border::Resizable);
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    setFont(widgets::designFont("Calibri", 11));
}

void TfBrowse::makeControls() {
    FlowPanel1 = new widgets::TileFlowPanel;
    FlowPanel1->SetOnTileClick([this](widgets::TCaptionedImage& sender) {
        platform::runHandler([&] { FolderTileClick(sender); });
    });
    Panel3 = headedPanel(this, Label2, "Folders", FlowPanel1);
    Label2->resize(62, 26);

    dbgFiles = new widgets::DatasetGrid({{store::documentNameColumn, "Document Name", 232},
                                         {store::descriptionColumn, "Description", 290},
                                         {store::inputDateColumn, "Date Submitted", 108}},
                                        {store::idColumn, store::pathColumn});
    dbgFiles->setFont(widgets::designFont("Calibri", 13));
    Panel2 = headedPanel(this, Label1, "Documents", dbgFiles);

    Splitter1 = new QSplitter(Qt::Vertical, this);
    Splitter1->setHandleWidth(3);
    Splitter1->setChildrenCollapsible(false);
    Splitter1->addWidget(Panel3);
    Splitter1->addWidget(Panel2);
    Splitter1->setStretchFactor(1, 1);
    Splitter1->setSizes({221, 225});

    Panel1 = new QWidget(this);
    Panel1->setFixedHeight(103);
    const auto picture = [this](int left, widgets::PictureButton::PictureSource image,
                                const QString& hint) {
        return widgets::clickablePicture(Panel1, {left, 5, 86, 91}, image,
                                         widgets::PictureScaling::KeepProportions, hint);
    };
    iSearchButton = picture(490, artwork::searchButton, "Search");
    iAddButton = picture(580, artwork::addFolderButton, "New folder");
    iDeleteButton = picture(670, artwork::deleteFolderButton, "Delete folder");
    iUpButton = picture(761, artwork::upButton, "Back to folders");
    iBackButton = picture(850, artwork::backButton, "Back to main page");
    connect(iSearchButton, &widgets::PictureButton::clicked, this,
            platform::guarded([this] { iSearchButtonClick(); }));
    connect(iAddButton, &widgets::PictureButton::clicked, this,
            platform::guarded([this] { iAddButtonClick(); }));
    connect(iDeleteButton, &widgets::PictureButton::clicked, this,
            platform::guarded([this] { iDeleteButtonClick(); }));
    connect(iUpButton, &widgets::PictureButton::clicked, this,
            platform::guarded([this] { iUpButtonClick(); }));
    connect(iBackButton, &widgets::PictureButton::clicked, this,
            platform::guarded([this] { iBackButtonClick(); }));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(Splitter1, 1);
    layout->addWidget(Panel1);

    PopupMenu1 = new QMenu(this);
    miOpen = PopupMenu1->addAction("&Open");
    miExport = PopupMenu1->addAction("&Export");
    miMove = PopupMenu1->addAction("&Move");
    Delete1 = PopupMenu1->addAction("&Delete");
    PopupMenu1->setDefaultAction(miOpen);
    connect(miOpen, &QAction::triggered, this, platform::guarded([this] { miOpenClick(); }));
    connect(miExport, &QAction::triggered, this, platform::guarded([this] { miExportClick(); }));
    connect(miMove, &QAction::triggered, this, platform::guarded([this] { miMoveClick(); }));
    connect(Delete1, &QAction::triggered, this, platform::guarded([this] { Delete1Click(); }));
    connect(dbgFiles, &widgets::DatasetGrid::gridDoubleClicked, this,
            [this](QPoint position) { platform::runHandler([&] { dbgFilesDblClick(position); }); });

    widgets::nameControls({{Panel3, "Panel3"},
                           {Label2, "Label2"},
                           {FlowPanel1, "FlowPanel1"},
                           {Splitter1, "Splitter1"},
                           {Panel2, "Panel2"},
                           {Label1, "Label1"},
                           {dbgFiles, "dbgFiles"},
                           {Panel1, "Panel1"},
                           {iSearchButton, "iSearchButton"},
                           {iAddButton, "iAddButton"},
                           {iDeleteButton, "iDeleteButton"},
                           {iUpButton, "iUpButton"},
                           {iBackButton, "iBackButton"},
                           {PopupMenu1, "PopupMenu1"},
                           {miOpen, "miOpen"},
                           {miExport, "miExport"},
                           {miMove, "miMove"},
                           {Delete1, "Delete1"}});
}

TfBrowse::~TfBrowse() = default;

void TfBrowse::showItems(const QString& parentDir) {
    needControls();
    FlowPanel1->SetTiles({});
    db::TDbTable& folders = data_.tFolders;
    folders.SetFiltered(false);
    folders.SetFilter(subfolderFilter(parentDir));
    folders.SetFiltered(true);
    std::vector<widgets::TileFlowPanel::Tile> tiles;
    for (folders.First(); !folders.Eof(); folders.Next())
        tiles.push_back({folders.FieldByName(store::nameColumn).AsString(),
                         folderTilePicture(folders.FieldByName(store::pictureColumn).AsInteger()),
                         folders.FieldByName(store::idColumn).AsInteger()});
    FlowPanel1->SetTiles(std::move(tiles));

    db::TDbQuery& documents = data_.qQuery3;
    documents.Close();
    documents.SQL().Clear();
    documents.SQL().Add(folderDocumentsStatement(parentDir));
    dbgFiles->clear();
    documents.Open();
    dbgFiles->load(documents);

    topLevel_ = parentDir == QString(store::topLevelMarker);
    currentFolder_ = parentDir;
    if (topLevel_) {
        setWindowTitle(browseCaption);
        Label1->setText("Documents:");
    } else {
        const QString path = store::folderDisplayPath(folders, currentFolder_);
        setWindowTitle(browseCaption + " (" + path + ")");
        Label1->setText("Documents: (" + path + ")");
    }
    Label1->adjustSize();
    iDeleteButton->setVisible(!topLevel_);
    iUpButton->setVisible(!topLevel_);

    folders.SetFiltered(false);
    currentFolderHasRow_ = store::locateRow(folders, store::nameColumn, parentDir);
    currentParent_ =
        currentFolderHasRow_ ? folders.FieldByName(store::parentColumn).AsString() : QString();
}

// The keyboard starts on the tiles: the grid keeps Tab for its cells, so Tab would not lead
// out of it to them.
void TfBrowse::FormShow() {
    showItems(QString(store::topLevelMarker));
    FlowPanel1->setFocus();
}

void TfBrowse::FolderTileClick(widgets::TCaptionedImage& sender) {
    db::TDbTable& folders = data_.tFolders;
    if (store::locateRow(folders, store::idColumn, QString::number(sender.Tag())))
        showItems(folders.FieldByName(store::nameColumn).AsString());
}

// A folder shown without a row of its own (reached from a document whose folder is gone) has
// no parent on record: Up leads to the top level.
void TfBrowse::iUpButtonClick() {
    if (topLevel_)
        return;
    showItems(currentFolderHasRow_ ? currentParent_ : QString(store::topLevelMarker));
}

void TfBrowse::iBackButtonClick() {
    data_.tDocuments.SetFiltered(false);
    data_.tFolders.SetFiltered(false);
    emit backRequested();
}

void TfBrowse::iSearchButtonClick() {
    emit searchRequested();
}

void TfBrowse::iAddButtonClick() {
    emit newFolderRequested();
}

// Only a folder with a row of its own can be deleted from here.
void TfBrowse::iDeleteButtonClick() {
    if (topLevel_ || !currentFolderHasRow_)
        return;
    const QString name = currentFolder_;
    if (!confirmed("Are you sure that you would like to delete folder " + name +
                       ", all its subfolders and documents?",
                   QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Ok, QMessageBox::Ok))
        return;
    const QString parent = currentParent_;
    data_.deleteFolder(name);
    showItems(parent);
}

void TfBrowse::dbgFilesDblClick(QPoint globalPosition) {
    if (!dbgFiles->currentText(store::idColumn))
        return;
    PopupMenu1->exec(globalPosition);
}

void TfBrowse::miOpenClick() {
    if (const auto path = dbgFiles->currentText(store::pathColumn))
        platform::openWithDesktop(*path);
}

void TfBrowse::miExportClick() {
    const auto path = dbgFiles->currentText(store::pathColumn);
    if (!path)
        return;
    // The stored copy is checked first, so that a missing one is told before a place is asked.
    platform::checkCopySource(*path);
    const QString target =
        QFileDialog::getSaveFileName(this, {}, QDir::home().filePath(QFileInfo(*path).fileName()));
    if (target.isEmpty())
        return;
    // As filing does: a large file's progress shows, and Cancel leaves no target behind.
    widgets::CopyProgressDialog progress(this,
                                         "Exporting \"" + QFileInfo(target).fileName() + "\"");
    platform::copyFileSafely(*path, target, progress.progress(), platform::ExistingTarget::Replace);
}

bool TfBrowse::locateCurrentDocument() {
    const auto id = dbgFiles->currentText(store::idColumn);
    if (!id)
        return false;
    return store::locateRow(data_.tDocuments, store::idColumn, *id);
}

// A document deleted meanwhile is simply gone from the refreshed view.
void TfBrowse::miMoveClick() {
    if (!locateCurrentDocument()) {
        showItems(currentFolder_);
        return;
    }
    emit moveRequested();
}

void TfBrowse::Delete1Click() {
    if (locateCurrentDocument()) {
        db::TDbTable& documents = data_.tDocuments;
        const QString text = "Are you sure you wish to remove file \"" +
                             documents.FieldByName(store::documentNameColumn).AsString() +
                             "\"?  This operation is not reversible.";
        if (confirmed(text, QMessageBox::Yes | QMessageBox::No, QMessageBox::No, QMessageBox::Yes))
            store::deleteDocument(documents, documents.FieldByName(store::idColumn).AsInteger());
    }
    showItems(currentFolder_);
}

} // namespace quillox::retrieval
