#include "window_shots.h"

#include "app/instances.h"
#include "app/tf_main.h"
#include "folder_node.h"
#include "retrieval/tf_browse.h"
#include "retrieval/tf_move_doc.h"
#include "retrieval/tf_search.h"
#include "shot_taker.h"
#include "widgets/dataset_grid.h"
#include "widgets/folder_tree_view.h"
#include "widgets/tile_flow_panel.h"
#include "window_controls.h"

#include <QComboBox>
#include <QDateEdit>
#include <stdexcept>

namespace quillox::screenshots {
namespace {

// A picture of an empty view would hide what the window does with data.
void expectShown(bool shown, const QString& what) {
    if (!shown)
        throw std::runtime_error(("no " + what + " to show").toStdString());
}

bool showsTiles() {
    return control<quillox::widgets::TileFlowPanel>(fBrowse, "FlowPanel1")->TileCount() > 0;
}

void shootBrowse(const ShotTaker& shots) {
    fMain->iBrowseBotButtonClick();
    settle();
    expectShown(showsTiles(), "top-level folders");
    shots.take(*fBrowse, "browse_top.png");

    fBrowse->showItems("TAXES FOLDER");
    expectShown(showsTiles(), "subfolders of TAXES FOLDER");
    expectShown(control<quillox::widgets::DatasetGrid>(fBrowse, "dbgFiles")->rowCount() > 0,
                "documents in TAXES FOLDER");
    shots.take(*fBrowse, "browse_folder.png");
}

// Moves the browse window's current document, the first of the folder shown.
void shootMove(const ShotTaker& shots) {
    fBrowse->miMoveClick();
    settle();
    selectFolderNode(*control<quillox::widgets::FolderTreeView>(fMoveDoc, "TreeView1"),
                     "2014 SUBFOLDER");
    shots.take(*fMoveDoc, "move.png");
    fMoveDoc->bCancelClick();
}

void shootSearch(const ShotTaker& shots) {
    fBrowse->iSearchButtonClick();
    settle();
    control<QComboBox>(fSearch, "cbSearchTerm")->setEditText("TAX INSURANCE");
    control<QDateEdit>(fSearch, "dtpFrom")->setDate({2013, 6, 1});
    control<QDateEdit>(fSearch, "dtpTo")->setDate({2014, 3, 31});
    fSearch->iSearchButtonClick();
    // Where the words were typed, rather than the first of the tab order.
    control<QComboBox>(fSearch, "cbSearchTerm")->setFocus();
    expectShown(control<quillox::widgets::DatasetGrid>(fSearch, "dbgFiles")->rowCount() > 0,
                "documents found");
    expectShown(control<quillox::widgets::DatasetGrid>(fSearch, "dbgFolders")->rowCount() > 0,
                "folders found");
    shots.take(*fSearch, "search_results.png");
    fSearch->iCloseButtonClick();
    fBrowse->iBackButtonClick();
}

} // namespace

void shootRetrievalWindows(const ShotTaker& shots) {
    shootBrowse(shots);
    shootMove(shots);
    shootSearch(shots);
}

} // namespace quillox::screenshots
