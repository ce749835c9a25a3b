#include "app/instances.h"

#include "app/tf_about.h"
#include "app/tf_main.h"
#include "app/window_flow.h"
#include "filing/tf_new_dir.h"
#include "filing/tf_new_doc.h"
#include "platform/handler_guard.h"
#include "retrieval/tf_browse.h"
#include "retrieval/tf_move_doc.h"
#include "retrieval/tf_search.h"
#include "scan/tf_scan.h"
#include "store/leftover_copies.h"
#include "store/tdm_data.h"
#include "widgets/message_box.h"

quillox::app::TfMain* fMain = nullptr;
quillox::filing::TfNewDoc* fNewDoc = nullptr;
quillox::store::TdmData* dmData = nullptr;
quillox::retrieval::TfBrowse* fBrowse = nullptr;
quillox::scan::TfScan* fScan = nullptr;
quillox::retrieval::TfSearch* fSearch = nullptr;
quillox::filing::TfNewDir* fNewDir = nullptr;
quillox::app::TfAbout* fAbout = nullptr;
quillox::retrieval::TfMoveDoc* fMoveDoc = nullptr;

namespace quillox::app {
namespace {

// Deletes the instance and clears its reference.
template <typename T> void destroy(T*& instance) {
    delete instance;
    instance = nullptr;
}

// Runs the instance's destruction handler first.
template <typename T, typename Handler> void destroy(T*& instance, Handler handler) {
    if (instance)
        platform::runHandler([&] { handler(*instance); });
    destroy(instance);
}

} // namespace

void CreateInstances(store::StartKind previousRun) {
    // Every window but the main one belongs to it, so that only the main window has a
    // taskbar entry.
    fMain = new TfMain;
    platform::runHandler([] { fMain->FormCreate(); });
    fNewDoc = new filing::TfNewDoc(fMain);
    dmData = new store::TdmData;
    platform::runHandler([previousRun] {
        dmData->DataModuleCreate(
            previousRun, [](const QString& question) { return widgets::askYesNo(question); });
        // The program holds the store's lock from before this point, so no filing is under way.
        store::removeCopiesOfInterruptedFilings(*dmData);
    });
    // The new document window is made before the data module, and touches it only once shown.
    fNewDoc->SetData(*dmData);
    fBrowse = new retrieval::TfBrowse(fMain, *dmData);
    fScan = new scan::TfScan(fMain);
    fSearch = new retrieval::TfSearch(fMain, *dmData);
    fNewDir = new filing::TfNewDir(fMain, *dmData);
    fAbout = new TfAbout(fMain);
    fMoveDoc = new retrieval::TfMoveDoc(fMain, *dmData);
    connectWindowFlow();
}

void DestroyInstances() {
    destroy(fMoveDoc);
    destroy(fAbout);
    destroy(fNewDir);
    destroy(fSearch);
    destroy(fScan);
    destroy(fBrowse);
    destroy(dmData, [](store::TdmData& data) { data.DataModuleDestroy(); });
    destroy(fNewDoc);
    destroy(fMain, [](TfMain& main) { main.FormDestroy(); });
}

} // namespace quillox::app
