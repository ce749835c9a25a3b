#pragma once

#include "store/table_names.h"
#include "widgets/designed_window.h"

#include <QWidget>

class QLabel;
class QMenu;
class QSplitter;
class QAction;

namespace quillox::store {
class TdmData;
}
namespace quillox::widgets {
class DatasetGrid;
class PictureButton;
class TCaptionedImage;
class TileFlowPanel;
} // namespace quillox::widgets

namespace quillox::retrieval {

// The browse window: the folders of one level as tiles and the documents of the folder being
// viewed in a grid, with the commands on both.
class TfBrowse : public widgets::DesignedWindow<QWidget> {
    Q_OBJECT

public:
    TfBrowse(QWidget* owner, store::TdmData& data);
    ~TfBrowse() override;

    // Rebuilds the whole view for the folder of that name, "-" for the top level.
    void showItems(const QString& parentDir);

    void FormShow() override;
    void FolderTileClick(widgets::TCaptionedImage& sender);
    void iUpButtonClick();
    void iBackButtonClick();
    void iSearchButtonClick();
    void iAddButtonClick();
    void iDeleteButtonClick();
    void dbgFilesDblClick(QPoint globalPosition);
    void miOpenClick();
    void miExportClick();
    void miMoveClick();
    void Delete1Click();

    QString currentFolder() const { return currentFolder_; }
    bool topLevel() const { return topLevel_; }

signals:
    // Back to the main window.
    void backRequested();
    void searchRequested();
    // A new folder to be made; the level being viewed is shown again once the dialog closes.
    void newFolderRequested();
    // The grid's document, now the documents table's current row, to be moved.
    void moveRequested();

protected:
    void makeControls() override;
    void FormClose() override { iBackButtonClick(); }

private:
    store::TdmData& data_;
    QWidget* Panel3 = nullptr;
    QLabel* Label2 = nullptr;
    widgets::TileFlowPanel* FlowPanel1 = nullptr;
    QSplitter* Splitter1 = nullptr;
    QWidget* Panel2 = nullptr;
    QLabel* Label1 = nullptr;
    widgets::DatasetGrid* dbgFiles = nullptr;
    QWidget* Panel1 = nullptr;
    widgets::PictureButton* iSearchButton = nullptr;
    widgets::PictureButton* iAddButton = nullptr;
    widgets::PictureButton* iDeleteButton = nullptr;
    widgets::PictureButton* iUpButton = nullptr;
    widgets::PictureButton* iBackButton = nullptr;
    QMenu* PopupMenu1 = nullptr;
    QAction* miOpen = nullptr;
    QAction* miExport = nullptr;
    QAction* miMove = nullptr;
    QAction* Delete1 = nullptr;

    // Makes the grid's document the current row of the documents table; false when no row
    // holds it any more.
    bool locateCurrentDocument();

    QString currentFolder_{store::topLevelMarker};
    bool topLevel_ = true;
    // Whether the folder being viewed has a row, and that row's parent.
    bool currentFolderHasRow_ = false;
    QString currentParent_;
};

} // namespace quillox::retrieval
