#include "app/window_flow.h"

#include "app/instances.h"
#include "app/tf_about.h"
#include "app/tf_main.h"
#include "filing/tf_new_dir.h"
#include "filing/tf_new_doc.h"
#include "platform/handler_guard.h"
#include "platform/user_error.h"
#include "retrieval/tf_browse.h"
#include "retrieval/tf_move_doc.h"
#include "retrieval/tf_search.h"
#include "scan/tf_scan.h"
#include "store/tdm_data.h"

#include <QApplication>

// Navigation hides one window and shows another; showing a hidden window runs its show
// handler, and showing a visible one only brings it to the front. Normally exactly one leading
// window (main, new document, browse, search or move) is visible; the scan preview and the
// About box stand beside it, and the new folder dialog is modal over its opener. Besides the
// transitions below, closing the main window ends the run, and the close box of the scan
// preview or the About box only hides it. While the store is unavailable, every window that
// needs it answers with the store's one message instead of showing.

using quillox::app::TfMain;
using quillox::filing::TfNewDoc;
using quillox::retrieval::TfBrowse;
using quillox::retrieval::TfMoveDoc;
using quillox::retrieval::TfSearch;

namespace quillox::app {
namespace {

// Runs the step when the window's signal comes, guarded like every handler.
template <typename Window, typename... Args, typename Step>
void on(Window* window, void (Window::*signal)(Args...), Step step) {
    QObject::connect(window, signal, window,
                     [step](Args... args) { platform::runHandler([&] { step(args...); }); });
}

void showInFront(QWidget& window) {
    window.show();
    window.raise();
    window.activateWindow();
}

} // namespace

void handOverFile(const QString& path) {
    dmData->RequireAvailable();
    // A document half described must not lose what the user typed.
    if (fNewDoc->isFilingAnotherFile(path)) {
        showInFront(*fNewDoc);
        throw platform::UserError("Finish or cancel the document being filed before filing \"" +
                                  path + "\"");
    }
    fNewDoc->startFiling(path, false);
    fMain->hide();
    showInFront(*fNewDoc);
}

void bringRunToFront() {
    bool shown = false;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->isVisible()) {
            window->raise();
            window->activateWindow();
            shown = true;
        }
    }
    if (!shown && fMain)
        fMain->show();
}

void connectWindowFlow() {
    // The main window.
    on(fMain, &TfMain::fileDropped, [](const QString& path) { handOverFile(path); });
    on(fMain, &TfMain::browseRequested, [] {
        dmData->RequireAvailable();
        fMain->hide();
        fBrowse->show();
    });
    on(fMain, &TfMain::aboutRequested, [] { showInFront(*fAbout); });
    // The preview comes to the front when a scan starts, behind the scanner's own window, and
    // goes when the scan ends without a page.
    on(fMain, &TfMain::scanStarted, [] { showInFront(*fScan); });
    on(fMain, &TfMain::scanProgress,
       [](int current, int total) { fScan->ShowProgress(current, total); });
    on(fMain, &TfMain::scanStopped, [] {
        fScan->ShowProgress(0, 0);
        fScan->hide();
    });
    // A page can come while any window leads; only the main window gives way to the new
    // document window, which files the scan file as it is.
    on(fMain, &TfMain::pageScanned, [](const QImage& page, const QString& scanFile) {
        fScan->ShowPage(page);
        showInFront(*fScan);
        dmData->RequireAvailable();
        fNewDoc->startFiling(scanFile, true);
        fMain->hide();
        showInFront(*fNewDoc);
    });

    // The new document window, after filing or cancelling, and its "Create folder".
    on(fNewDoc, &TfNewDoc::filingEnded, [] {
        fMain->show();
        fNewDoc->hide();
        fScan->hide();
    });
    on(fNewDoc, &TfNewDoc::newFolderRequested, [] {
        fNewDir->exec();
        fNewDoc->reloadFolderTree();
    });

    // The browse window; every showing starts at the top level.
    on(fBrowse, &TfBrowse::backRequested, [] {
        fMain->show();
        fBrowse->hide();
    });
    on(fBrowse, &TfBrowse::searchRequested, [] {
        fSearch->show();
        fBrowse->hide();
    });
    on(fBrowse, &TfBrowse::newFolderRequested, [] {
        fNewDir->exec();
        fBrowse->showItems(fBrowse->currentFolder());
    });
    on(fBrowse, &TfBrowse::moveRequested, [] {
        fBrowse->hide();
        fMoveDoc->show();
    });

    // The search window: back to browsing at the top level, or inside a found folder.
    on(fSearch, &TfSearch::closed, [] {
        fBrowse->show();
        fSearch->hide();
    });
    on(fSearch, &TfSearch::browseFolderRequested, [](const QString& folder) {
        fBrowse->show();
        fBrowse->showItems(folder);
        fSearch->hide();
    });

    // The move window, after moving or cancelling.
    on(fMoveDoc, &TfMoveDoc::moveEnded, [] {
        fMoveDoc->hide();
        fBrowse->show();
    });
}

} // namespace quillox::app
