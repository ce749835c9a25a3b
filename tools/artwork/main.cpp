// quillox-artwork OUTDIR: draws every picture of the program into OUTDIR.
#include "about_picture.h"
#include "app_icon.h"
#include "backgrounds.h"
#include "browse_buttons.h"
#include "dialog_buttons.h"
#include "folder_icons.h"
#include "image_files.h"
#include "main_pictures.h"
#include "symbols.h"
#include "wait_picture.h"

#include <QDir>
#include <QGuiApplication>
#include <cstdio>
#include <exception>

using namespace quillox::artwork;

namespace {

// The main window stretches its three pictures into boxes of 154 x 200 pixels.
QImage shownInMainWindow(const QImage& picture) {
    return picture.scaled(154, 200, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

void writeAll(const QDir& out) {
    // Icon index = five times the symbol's number plus the colour's number.
    int index = 0;
    for (const SymbolPainter symbol : symbolsInSetOrder())
        for (const Hue& hue : variantHues())
            writePng(folderIcon(symbol, hue),
                     out.filePath(QString("folder_%1.png").arg(index++, 2, 10, QChar('0'))));
    writePng(blankSheet(), out.filePath("blank_sheet.png"));
    writePng(appIcon(), out.filePath("app_icon.png"));
    for (const int size : themeIconSizes)
        writePng(appIcon(size), out.filePath(QString("app_icon_%1.png").arg(size)));
    writeBmp(okButton(), out.filePath("ok_button.bmp"), 24);
    writeBmp(cancelButton(), out.filePath("cancel_button.bmp"), 24);
    writeBmp(searchButton(), out.filePath("search_button.bmp"), 24);
    writeBmp(addFolderButton(), out.filePath("add_button.bmp"), 24);
    writeBmp(deleteFolderButton(), out.filePath("delete_button.bmp"), 24);
    writeBmp(upButton(), out.filePath("up_button.bmp"), 24);
    writeBmp(backButton(), out.filePath("back_button.bmp"), 24);
    writeBmp(closeButton(), out.filePath("close_button.bmp"), 24);
    writeBmp(waitPicture(), out.filePath("wait_image.bmp"), 24);
    writeBmp(documentBackground(), out.filePath("background.bmp"), 8);
    writeBmp(folderWatermark(), out.filePath("watermark.bmp"), 8);
    writePng(mainDropPicture(), out.filePath("main_drop.png"), PngCompression::None);
    writePng(mainScanPicture(), out.filePath("main_scan.png"), PngCompression::None);
    writePng(mainBrowsePicture(), out.filePath("main_browse.png"), PngCompression::None);
    writePng(shownInMainWindow(mainDropPicture()), out.filePath("main_drop_shown.png"),
             PngCompression::None);
    writePng(shownInMainWindow(mainScanPicture()), out.filePath("main_scan_shown.png"),
             PngCompression::None);
    writePng(shownInMainWindow(mainBrowsePicture()), out.filePath("main_browse_shown.png"),
             PngCompression::None);
    writeJpeg(aboutPicture(), out.filePath("about.jpg"));
}

} // namespace

int main(int argc, char** argv) {
    // Lettering needs the font database of a GUI application; the tool never shows a window.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    const QGuiApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: quillox-artwork OUTDIR\n");
        return 2;
    }
    const QString outDir = QString::fromLocal8Bit(argv[1]);
    if (!QDir().mkpath(outDir)) {
        std::fprintf(stderr, "quillox-artwork: cannot make %s\n", argv[1]);
        return 1;
    }
    try {
        writeAll(QDir(outDir));
    } catch (const std::exception& error) {
        std::fprintf(stderr, "quillox-artwork: %s\n", error.what());
        return 1;
    }
    return 0;
}
