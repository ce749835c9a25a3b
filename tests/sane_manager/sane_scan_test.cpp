// Scans from SANE's test backend through our manager and the scanner component, compared with
// what SANE's own scanimage makes of the same device and settings.
#include "platform/device_independent_bitmap.h"
#include "sane_test_backend.h"
#include "scan/twain/twain_component.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

using namespace quillox::twain;

namespace {

QDialog* shownSourceDialog() {
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* dialog = qobject_cast<QDialog*>(widget);
            dialog && dialog->isVisible() && dialog->windowTitle() == "Scan")
            return dialog;
    return nullptr;
}

// Acts on the source's dialog once it shows.
void whenSourceDialogShows(std::function<void(QDialog&)> act) {
    QTimer::singleShot(10, [act] {
        if (QDialog* dialog = shownSourceDialog())
            act(*dialog);
        else
            whenSourceDialogShows(act);
    });
}

void choose(QDialog& dialog, const char* box, const QString& text) {
    auto* combo = dialog.findChild<QComboBox*>(box);
    ASSERT_TRUE(combo) << box;
    const int index = combo->findText(text);
    ASSERT_GE(index, 0) << text.toStdString();
    combo->setCurrentIndex(index);
}

void press(QDialog& dialog, const char* button) {
    dialog.findChild<QPushButton*>(button)->click();
}

// The component on the first test device, recording what reaches it.
class Scanner {
public:
    explicit Scanner(TTwainTransferMode mode, int pagesWanted = 100) {
        component_.SetLibraryFolders({SANE_MANAGER_FOLDER});
        component_.OnTwainAcquire =
            [this, pagesWanted](TTwainComponent&, int,
                                const quillox::platform::DeviceIndependentBitmap& page,
                                bool& cancel) {
                pages.push_back(page.toImage().convertToFormat(QImage::Format_RGB32));
                cancel = int(pages.size()) >= pagesWanted;
            };
        component_.OnAcquireCancel = [this](TTwainComponent&, int) { ++cancels; };
        component_.OnAcquireError = [this](TTwainComponent&, int, int result, int condition) {
            errors.push_back({result, condition});
        };
        if (!component_.LoadLibrary())
            throw std::runtime_error("our manager did not load");
        component_.SetSourceManagerLoaded(true);
        source_ = component_.SourceAt(0);
        source_->SetTransferMode(mode);
        source_->SetLoaded(true);
    }

    void OnProgress(std::function<void()> progress) {
        component_.OnAcquireProgress = [progress](TTwainSource&, int,
                                                  const quillox::platform::DeviceIndependentBitmap&,
                                                  int, int) { progress(); };
    }

    // Enables the source and waits until the component disables it again.
    void Run(bool showUI = true) {
        source_->SetShowUI(showUI);
        source_->SetEnabled(true);
        ASSERT_TRUE(source_->Enabled());
        ASSERT_TRUE(QTest::qWaitFor([this] { return !source_->Enabled(); }, 60000));
    }

    std::vector<QImage> pages;
    int cancels = 0;
    std::vector<std::pair<int, int>> errors;

private:
    TTwainComponent component_;
    TTwainSource* source_ = nullptr;
};

// Where two pictures differ, for a readable failure.
std::string difference(const QImage& ours, const QImage& theirs) {
    if (ours.size() != theirs.size())
        return QString("%1 x %2 against %3 x %4")
            .arg(ours.width())
            .arg(ours.height())
            .arg(theirs.width())
            .arg(theirs.height())
            .toStdString();
    for (int y = 0; y < ours.height(); ++y)
        for (int x = 0; x < ours.width(); ++x)
            if (ours.pixel(x, y) != theirs.pixel(x, y))
                return QString("at %1,%2: %3 against %4")
                    .arg(x)
                    .arg(y)
                    .arg(ours.pixel(x, y), 8, 16)
                    .arg(theirs.pixel(x, y), 8, 16)
                    .toStdString();
    return {};
}

struct ModeCase {
    const char* shown; // in the dialog
    QStringList scanimageOptions;
};

const ModeCase modes[] = {
    {"Colour", {"--mode", "Color", "--depth", "8"}},
    {"Gray", {"--mode", "Gray", "--depth", "8"}},
    {"Black and white", {"--mode", "Gray", "--depth", "1"}},
};

} // namespace

TEST(SaneScan, GivesTheComponentWhatScanimageScans) {
    useSaneTestBackend();
    for (const TTwainTransferMode transfer : {ttmMemory, ttmNative}) {
        for (const ModeCase& mode : modes) {
            for (const int dpi : {75, 150}) {
                SCOPED_TRACE(std::string(mode.shown) + " at " + std::to_string(dpi) +
                             (transfer == ttmMemory ? " by memory" : " native"));
                Scanner scanner(transfer);
                whenSourceDialogShows([&](QDialog& dialog) {
                    choose(dialog, "mode", mode.shown);
                    choose(dialog, "resolution", QString("%1 dpi").arg(dpi));
                    press(dialog, "scan");
                });
                scanner.Run();
                ASSERT_EQ(scanner.pages.size(), 1u);
                const QImage expected = scanimage(
                    mode.scanimageOptions + QStringList{"--resolution", QString::number(dpi)});
                EXPECT_EQ(difference(scanner.pages[0], expected), "");
            }
        }
    }
}

// Devices that send their colours one after another, do not know the height beforehand, give
// a few bytes at a time, send 16 bits a sample, or waste pixels at the end of each line. scanimage
// keeps those wasted pixels in its picture, so that case is compared with the device's whole lines,
// cut.
TEST(SaneScan, TakesTheDevicesUnusualForms) {
    struct Form {
        const char* settings;
        int pixelsWasted;
    };
    const Form forms[] = {{"three-pass true\n", 0},
                          {"hand-scanner true\n", 0},
                          {"read-limit true\nread-limit-size 1000\n", 0},
                          {"depth 16\n", 0},
                          {"mode Gray\ndepth 16\n", 0},
                          {"ppl-loss 7\n", 7}};
    for (const Form& form : forms) {
        for (const TTwainTransferMode transfer : {ttmMemory, ttmNative}) {
            SCOPED_TRACE(std::string(form.settings) +
                         (transfer == ttmMemory ? "by memory" : "native"));
            useSaneTestBackend(form.settings);
            Scanner scanner(transfer);
            scanner.Run(false);
            ASSERT_EQ(scanner.pages.size(), 1u);
            if (form.pixelsWasted)
                useSaneTestBackend();
            QImage expected = scanimage({});
            expected = expected.copy(0, 0, expected.width() - form.pixelsWasted, expected.height());
            EXPECT_EQ(difference(scanner.pages[0], expected), "");
        }
    }
}

TEST(SaneScan, ScansTheScanAreaChosen) {
    useSaneTestBackend();
    Scanner scanner(ttmMemory);
    whenSourceDialogShows([](QDialog& dialog) {
        choose(dialog, "pageSize", "Business card (85 x 55 mm)");
        choose(dialog, "resolution", "100 dpi");
        press(dialog, "scan");
    });
    scanner.Run();
    ASSERT_EQ(scanner.pages.size(), 1u);
    EXPECT_EQ(
        difference(scanner.pages[0], scanimage({"--resolution", "100", "-x", "85", "-y", "55"})),
        "");
}

// The test backend's feeder runs empty after ten pages.
TEST(SaneScan, TakesEveryPageOfTheFeederUnlessCancelled) {
    useSaneTestBackend();
    for (const int wanted : {100, 3}) {
        Scanner scanner(ttmNative, wanted);
        whenSourceDialogShows([](QDialog& dialog) {
            choose(dialog, "source", "Automatic Document Feeder");
            choose(dialog, "resolution", "75 dpi");
            press(dialog, "scan");
        });
        scanner.Run();
        EXPECT_EQ(scanner.pages.size(), wanted == 3 ? 3u : 10u);
        EXPECT_TRUE(scanner.errors.empty());
    }
}

TEST(SaneScan, CancelAndTheCloseBoxEndWithoutAPage) {
    useSaneTestBackend();
    for (const bool closeBox : {false, true}) {
        Scanner scanner(ttmMemory);
        whenSourceDialogShows([closeBox](QDialog& dialog) {
            if (closeBox)
                dialog.close();
            else
                press(dialog, "cancel");
        });
        scanner.Run();
        EXPECT_TRUE(scanner.pages.empty());
        EXPECT_EQ(scanner.cancels, 1);
        EXPECT_EQ(shownSourceDialog(), nullptr);
    }
}

// Off for now: under load SANE's test backend deadlocks in sane_cancel after the jam, joining
// its reader thread, which hangs in glibc's free on thread exit; the run then never ends.
TEST(SaneScan, DISABLED_ReportsTheDevicesErrors) {
    // A jam while reading stops the transfer with the paper jam condition.
    useSaneTestBackend("read-status-code \"SANE_STATUS_JAMMED\"\n");
    for (const TTwainTransferMode transfer : {ttmMemory, ttmNative}) {
        Scanner scanner(transfer);
        scanner.Run(false);
        EXPECT_TRUE(scanner.pages.empty());
        ASSERT_EQ(scanner.errors.size(), 1u);
        EXPECT_EQ(scanner.errors[0], std::make_pair(int(TWRC_FAILURE), int(TWCC_PAPERJAM)));
    }
}

// A slow device must not freeze the windows: while a transfer waits for the device's rows, the
// application's timers and repaints go on.
TEST(SaneScan, TheApplicationGoesOnWhileTheDeviceIsSlow) {
    useSaneTestBackend(
        "read-limit true\nread-limit-size 4096\nread-delay true\nread-delay-duration 100000\n");
    Scanner scanner(ttmMemory);
    bool transferring = false;
    int ticksWhileTransferring = 0;
    QTimer ticks;
    QObject::connect(&ticks, &QTimer::timeout, [&] { ticksWhileTransferring += transferring; });
    ticks.start(10);
    scanner.OnProgress([&] { transferring = true; });
    scanner.Run(false);
    transferring = false;
    ASSERT_EQ(scanner.pages.size(), 1u);
    EXPECT_GT(ticksWhileTransferring, 5);
}

// While a slow device scans, the dialog shows only Cancel, which stops the scan under way.
TEST(SaneScan, CancelStopsAScanUnderWay) {
    useSaneTestBackend(
        "read-limit true\nread-limit-size 4096\nread-delay true\nread-delay-duration 100000\n");
    for (const TTwainTransferMode transfer : {ttmMemory, ttmNative}) {
        Scanner scanner(transfer);
        bool transferred = false;
        scanner.OnProgress([&transferred] { transferred = true; });
        bool scanEnabledWhileScanning = true;
        whenSourceDialogShows([&](QDialog& dialog) {
            press(dialog, "scan");
            QTimer::singleShot(300, &dialog, [&] {
                scanEnabledWhileScanning = dialog.findChild<QPushButton*>("scan")->isEnabled();
                press(dialog, "cancel");
            });
        });
        scanner.Run();
        EXPECT_FALSE(scanEnabledWhileScanning);
        EXPECT_EQ(transferred, transfer == ttmMemory); // stopped within the transfer
        EXPECT_TRUE(scanner.pages.empty());
        EXPECT_EQ(scanner.cancels, 1);
        EXPECT_TRUE(scanner.errors.empty());
        EXPECT_EQ(shownSourceDialog(), nullptr);
    }
}
