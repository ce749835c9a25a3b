// quillox-screenshots OUTDIR: saves a picture of every window, filled with sample data from a
// temporary store, into OUTDIR.
#include "app/instances.h"
#include "app/quillox_application.h"
#include "error_log.h"
#include "sample_documents.h"
#include "sample_folders.h"
#include "scanned_page.h"
#include "shot_taker.h"
#include "store/tdm_data.h"
#include "temporary_home.h"
#include "window_shots.h"

#include <QDir>
#include <cstdio>
#include <exception>

using namespace quillox::screenshots;

namespace {

int fail(const char* message) {
    std::fprintf(stderr, "quillox-screenshots: %s\n", message);
    return 1;
}

void shootAll(const QDir& out, ErrorLog& errors, const TemporaryHome& home) {
    quillox::app::CreateInstances();
    errors.check("start-up");
    addSampleFolders(dmData->tFolders);
    const QString scanFolder = home.path() + "/Scans";
    fileSampleDocuments(*dmData, scanFolder);
    const ShotTaker shots(out, errors);
    shootStartWindows(shots);
    shootFilingWindows(shots, writeScannedPage(scanFolder, "car_insurance_offer.txt",
                                               "Car insurance offer 2015\n"));
    shootRetrievalWindows(shots);
}

// Made after the application object, the temporary home leaves the fonts to be looked up in
// the user's own configuration, as the program does; made before the instances, it holds the
// store they open.
int shootInTemporaryHome(const QDir& out, ErrorLog& errors) {
    const TemporaryHome home;
    int status = 0;
    try {
        shootAll(out, errors, home);
    } catch (const std::exception& error) {
        status = fail(error.what());
    }
    // The store is closed before its temporary folder goes.
    quillox::app::DestroyInstances();
    try {
        errors.check("shut-down");
    } catch (const std::exception& error) {
        status = fail(error.what());
    }
    return status;
}

} // namespace

int main(int argc, char** argv) {
    // No desktop is needed: the windows are drawn into memory.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    ErrorLog errors;
    quillox::app::QuilloxApplication application(argc, argv);
    application.SetErrorReporter(errors.reporter());
    if (argc != 2) {
        std::fprintf(stderr, "usage: quillox-screenshots OUTDIR\n");
        return 2;
    }
    const QString outDir = QString::fromLocal8Bit(argv[1]);
    if (!QDir().mkpath(outDir))
        return fail(qPrintable("cannot make " + outDir));
    try {
        return shootInTemporaryHome(QDir(outDir), errors);
    } catch (const std::exception& error) {
        return fail(error.what());
    }
}
