#include "app/instances.h"

#include "app/tf_about.h"
#include "app/tf_main.h"
#include "filing/tf_new_dir.h"
#include "filing/tf_new_doc.h"
#include "retrieval/tf_browse.h"
#include "retrieval/tf_move_doc.h"
#include "retrieval/tf_search.h"
#include "scan/tf_scan.h"
#include "store/tdm_data.h"

#include <exception>

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

void guarded(const ErrorReporter& report, const std::function<void()>& step) {
    try {
        step();
    } catch (const std::exception& error) {
        report(QString::fromUtf8(error.what()));
    }
}

// Runs a destruction handler, then deletes the instance and clears its reference.
template <typename T>
void destroy(T*& instance, const ErrorReporter& report, const std::function<void(T&)>& handler) {
    if (!instance)
        return;
    if (handler)
        guarded(report, [&] { handler(*instance); });
    delete instance;
    instance = nullptr;
}

} // namespace

void CreateInstances(const ErrorReporter& report) {
    // Every window but the main one belongs to it, so that only the main window has a
    // taskbar entry.
    fMain = new TfMain;
    guarded(report, [] { fMain->FormCreate(); });
    fNewDoc = new filing::TfNewDoc(fMain);
    dmData = new store::TdmData;
    guarded(report, [] { dmData->DataModuleCreate(); });
    fBrowse = new retrieval::TfBrowse(fMain);
    fScan = new scan::TfScan(fMain);
    fSearch = new retrieval::TfSearch(fMain);
    fNewDir = new filing::TfNewDir(fMain);
    fAbout = new TfAbout(fMain);
    fMoveDoc = new retrieval::TfMoveDoc(fMain);
}

void DestroyInstances(const ErrorReporter& report) {
    destroy<retrieval::TfMoveDoc>(fMoveDoc, report, {});
    destroy<TfAbout>(fAbout, report, {});
    destroy<filing::TfNewDir>(fNewDir, report, {});
    destroy<retrieval::TfSearch>(fSearch, report, {});
    destroy<scan::TfScan>(fScan, report, {});
    destroy<retrieval::TfBrowse>(fBrowse, report, {});
    destroy<store::TdmData>(dmData, report, [](store::TdmData& d) { d.DataModuleDestroy(); });
    destroy<filing::TfNewDoc>(fNewDoc, report, {});
    destroy<TfMain>(fMain, report, [](TfMain& m) { m.FormDestroy(); });
}

} // namespace quillox::app
