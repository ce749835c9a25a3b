// quillox-artwork OUTDIR: draws every picture of the program into OUTDIR.
#include "app_icon.h"
#include "backgrounds.h"
#include "buttons.h"
#include "folder_icons.h"
#include "image_files.h"
#include "symbols.h"

#include <QDir>
#include <cstdio>
#include <exception>

using namespace quillox::artwork;

namespace {

void writeAll(const QDir& out) {
    // Icon index = five times the symbol's number plus the colour's number.
    int index = 0;
    for (const SymbolPainter symbol : symbolsInSetOrder())
        for (const Hue& hue : variantHues())
            writePng(folderIcon(symbol, hue),
                     out.filePath(QString("folder_%1.png").arg(index++, 2, 10, QChar('0'))));
    writePng(blankSheet(), out.filePath("blank_sheet.png"));
    writePng(appIcon(), out.filePath("app_icon.png"));
    writeBmp(okButton(), out.filePath("ok_button.bmp"), 24);
    writeBmp(cancelButton(), out.filePath("cancel_button.bmp"), 24);
    writeBmp(documentBackground(), out.filePath("background.bmp"), 8);
    writeBmp(folderWatermark(), out.filePath("watermark.bmp"), 8);
}

} // namespace

int main(int argc, char** argv) {
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
