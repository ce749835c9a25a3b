#include "window_shots.h"

#include "instances.h"
#include "shot_taker.h"
#include "tf_about.h"
#include "tf_main.h"
#include "tf_scan.h"

namespace quillox::screenshots {

void shootStartWindows(const ShotTaker& shots) {
    fMain->show();
    shots.take(*fMain, "main.png");

    fMain->HelpButtonClick();
    shots.take(*fAbout, "about.png");
    fAbout->hide();

    fScan->show();
    shots.take(*fScan, "scan_preview.png");
    fScan->hide();
}

} // namespace quillox::screenshots
