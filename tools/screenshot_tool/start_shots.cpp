#include "window_shots.h"

#include "app/instances.h"
#include "app/tf_about.h"
#include "app/tf_main.h"
#include "scan/tf_scan.h"
#include "shot_taker.h"

#include <QPainter>

namespace quillox::screenshots {
namespace {

// A letter as a scanner delivers it: a white sheet with a heading and lines of text.
QImage samplePage() {
    QImage page(1240, 1754, QImage::Format_RGB32);
    page.fill(QColor(250, 250, 247));
    QPainter painter(&page);
    painter.setRenderHint(QPainter::Antialiasing);
    QFont heading("DejaVu Sans");
    heading.setPixelSize(56);
    heading.setBold(true);
    painter.setFont(heading);
    painter.setPen(QColor(30, 40, 60));
    painter.drawText(QRect(120, 160, 1000, 90), "Springfield Water Company");
    QFont body("DejaVu Sans");
    body.setPixelSize(30);
    painter.setFont(body);
    painter.drawText(QRect(120, 300, 1000, 60), "Invoice 2014-0312 for March 2014");
    painter.setPen(QColor(120, 125, 135));
    for (int line = 0; line < 24; ++line)
        painter.drawLine(120, 420 + 48 * line, line % 5 == 4 ? 700 : 1120, 420 + 48 * line);
    return page;
}

} // namespace

void shootStartWindows(const ShotTaker& shots) {
    fMain->show();
    shots.take(*fMain, "main.png");

    fMain->HelpButtonClick();
    shots.take(*fAbout, "about.png");
    fAbout->hide();

    // Waiting for the scanner, with a memory transfer under way; then the page it delivered.
    fScan->show();
    fScan->ShowProgress(420, 1000);
    shots.take(*fScan, "scan_preview.png");
    fScan->ShowPage(samplePage());
    shots.take(*fScan, "scan_page.png");
    fScan->hide();
}

} // namespace quillox::screenshots
