// The component's states and the exact triplets it sends, against the scripted manager.
#include "scanner_run.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace quillox::twain;

namespace {

QStringList sourceCalls(const QStringList& calls) {
    QStringList kept;
    for (const QString& call : calls) {
        if (call.startsWith("source ") && call != "source PROCESSEVENT" &&
            call != "source CAPABILITY" && call != "source SETCAPABILITY" &&
            call != "source STATUS")
            kept << call.mid(7);
    }
    return kept;
}

} // namespace

TEST(TwainLibrary, IsSearchedOnlyInTrustedFolders) {
    // Run from a folder of its own, so that the current folder stands apart from the program's.
    const QString previous = QDir::currentPath();
    QTemporaryDir elsewhere;
    ASSERT_TRUE(QDir::setCurrent(elsewhere.path()));
    const QStringList folders = trustedManagerFolders();
    QDir::setCurrent(previous);
    ASSERT_GE(folders.size(), 4);
    EXPECT_EQ(folders.mid(0, 3),
              QStringList({"/usr/local/lib", "/usr/lib", "/usr/lib/x86_64-linux-gnu"}));
    for (const QString& folder : folders) {
        EXPECT_TRUE(QDir::isAbsolutePath(folder)) << folder.toStdString();
        EXPECT_NE(QDir(folder), QDir(elsewhere.path()));
        EXPECT_NE(QDir(folder), QDir::temp());
    }

    ScannerRun run;
    run.component.SetLibraryFolders({QDir::tempPath(), "relative", "."});
    EXPECT_FALSE(run.component.LoadLibrary());
    EXPECT_EQ(run.component.Handle(), nullptr);
    run.component.SetLibraryFolders({"/nonexistent", FakeManager::folder()});
    EXPECT_TRUE(run.component.LoadLibrary());
    EXPECT_NE(run.component.TwainProc(), nullptr);
    run.component.SetLibraryFolders({});
    EXPECT_TRUE(run.component.LoadLibrary());

    // A library of that name without the entry point is not kept.
    TTwainComponent other;
    other.SetLibraryFolders({NO_ENTRY_MANAGER_FOLDER, FakeManager::folder()});
    EXPECT_FALSE(other.LoadLibrary());
    EXPECT_EQ(other.Handle(), nullptr);
}

TEST(TwainComponent, RefusalsOfTheManagerAndTheSourceLeaveTheirStates) {
    ScannerRun run;
    run.fake.Set("opendsm_fails", 1);
    ASSERT_TRUE(run.component.LoadLibrary());
    run.component.SetSourceManagerLoaded(true);
    EXPECT_FALSE(run.component.SourceManagerLoaded());
    EXPECT_EQ(run.component.SelectSource(), -1);
    EXPECT_FALSE(run.fake.Calls().contains("manager USERSELECT"));

    run.fake.Set("opendsm_fails", 0);
    run.fake.Set("opends_fails", 1);
    run.component.SetSourceManagerLoaded(true);
    TTwainSource* source = run.component.SourceAt(0);
    source->SetLoaded(true);
    EXPECT_FALSE(source->Loaded());
    source->SetEnabled(true);
    EXPECT_FALSE(source->Enabled());
    EXPECT_FALSE(run.fake.Calls().contains("source ENABLEDS"));

    for (int i = 0; i < 300; ++i)
        run.fake.AddSource("Many");
    run.component.EnumerateDevices();
    EXPECT_EQ(run.component.SourceCount(), 302);
    EXPECT_NE(run.component.SourceAt(255), nullptr);
    EXPECT_EQ(run.component.SourceAt(256), nullptr);
}

TEST(TwainComponent, FailingTransfersAreReportedAndTheBurstGoesOn) {
    const struct {
        const char* key;
        TTwainTransferMode mode;
    } cases[] = {{"strip_fails", ttmMemory}, {"imageinfo_fails", ttmMemory}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.key);
        ScannerRun run;
        run.fake.Set("pages", 2);
        run.fake.Set(c.key, 1);
        run.component.SetTransferMode(c.mode);
        run.Acquire();
        EXPECT_EQ(run.events, QStringList({"error 0 1 1", "error 0 1 1", "disable 0"}));
        EXPECT_TRUE(run.images.isEmpty());
    }
}

// A source transfers natively until told otherwise: memory transfers are asked for before the
// source is enabled, and a source that refuses them transfers natively instead.
TEST(TwainComponent, TheTransferMechanismIsSetBeforeEnabling) {
    const struct {
        const char* name;
        bool refused;
        const char* transfer;
    } cases[] = {{"memory accepted", false, "source MEMXFER"},
                 {"memory refused", true, "source NATIVEXFER"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ScannerRun run;
        run.fake.Set("strict_mechanism", 1);
        run.fake.Set("xfermech_refused", c.refused ? 1 : 0);
        run.component.SetTransferMode(ttmMemory);
        run.Acquire();
        EXPECT_EQ(run.images.size(), 1);
        const QStringList calls = run.fake.Calls();
        EXPECT_LT(calls.indexOf("source SETCAPABILITY"), calls.indexOf("source ENABLEDS"));
        EXPECT_TRUE(calls.contains(c.transfer));
        // -1: the refusing source kept no mechanism the component set.
        EXPECT_EQ(run.fake.Value("set_259"), c.refused ? -1 : 2);
    }
}

TEST(TwainComponent, AFileTransferNamesTheFileTheSourceWrote) {
    ScannerRun run;
    QString named;
    TTwainFormat format = tfUnknown;
    run.component.OnSourceFileTransfer = [&](TTwainComponent&, int, const QString& fileName,
                                             TTwainFormat kind, bool&) {
        named = fileName;
        format = kind;
    };
    run.component.SetTransferMode(ttmFile);
    run.Acquire();
    EXPECT_EQ(named, "/tmp/fake-twain-page.bmp");
    EXPECT_EQ(format, tfBMP);
    EXPECT_EQ(sourceCalls(run.fake.Calls()),
              QStringList({"ENABLEDS", "SETUPFILEXFER", "FILEXFER", "ENDXFER", "DISABLEDS"}));
}

TEST(TwainComponent, AcquiresEveryPendingPageAndDisablesAfterTheLast) {
    ScannerRun run;
    run.fake.Set("pages", 3);
    run.component.SetTransferMode(ttmNative);
    run.Acquire(1);
    EXPECT_EQ(run.images.size(), 3);
    EXPECT_EQ(run.events, QStringList({"acquire 1", "acquire 1", "acquire 1", "disable 1"}));
    EXPECT_EQ(sourceCalls(run.fake.Calls()),
              QStringList({"ENABLEDS", "NATIVEXFER", "ENDXFER", "NATIVEXFER", "ENDXFER",
                           "NATIVEXFER", "ENDXFER", "DISABLEDS"}));
    EXPECT_FALSE(run.component.PollingActive());
    TTwainSource* source = run.component.SourceAt(1);
    ASSERT_TRUE(source);
    EXPECT_TRUE(source->Loaded());
    EXPECT_FALSE(source->Enabled());
    EXPECT_EQ(run.component.SourcesLoaded(), 1);
    // The manager saw the application's identity as it is, with the Id it gave.
    EXPECT_EQ(QString(run.fake.LastOrigin().ProductName), "App product name");
    EXPECT_EQ(TW_UINT32(run.fake.LastOrigin().Id), 1u);
    EXPECT_TRUE(run.error.isEmpty()) << run.error.toStdString();
}

TEST(TwainComponent, CancelKeepsTheDeliveredPageAndResetsTheRest) {
    ScannerRun run;
    run.fake.Set("pages", 3);
    run.cancelOnFirst = true;
    run.component.SetTransferMode(ttmNative);
    run.Acquire();
    EXPECT_EQ(run.images.size(), 1);
    EXPECT_EQ(sourceCalls(run.fake.Calls()),
              QStringList({"ENABLEDS", "NATIVEXFER", "ENDXFER", "RESET", "DISABLEDS"}));
    EXPECT_TRUE(run.component.SourceAt(0)->Loaded());
}

TEST(TwainComponent, ACancelledTransferIsAcknowledgedBeforeDisabling) {
    ScannerRun run;
    run.fake.Set("pages", 3);
    run.fake.Set("cancel_page", 1);
    run.component.SetTransferMode(ttmNative);
    run.Acquire();
    EXPECT_EQ(run.images.size(), 1);
    EXPECT_EQ(sourceCalls(run.fake.Calls()),
              QStringList({"ENABLEDS", "NATIVEXFER", "ENDXFER", "NATIVEXFER", "ENDXFER", "RESET",
                           "DISABLEDS"}));
    EXPECT_EQ(run.events, QStringList({"acquire 0", "cancel 0", "disable 0"}));
}

TEST(TwainComponent, AHandlersErrorLeavesTheSourceResetAndDisabled) {
    ScannerRun run;
    run.fake.Set("pages", 2);
    run.component.SetTransferMode(ttmNative);
    run.component.OnTwainAcquire = [](TTwainComponent&, int,
                                      const quillox::platform::DeviceIndependentBitmap&,
                                      bool&) { throw std::runtime_error("The disk is full."); };
    run.Acquire();
    EXPECT_EQ(run.error, "The disk is full.");
    EXPECT_EQ(sourceCalls(run.fake.Calls()),
              QStringList({"ENABLEDS", "NATIVEXFER", "ENDXFER", "RESET", "DISABLEDS"}));
    EXPECT_FALSE(run.component.SourceAt(0)->Enabled());
}

TEST(TwainComponent, SelectionAndEnablingFollowTheManagersAnswers) {
    ScannerRun run;
    ASSERT_TRUE(run.component.LoadLibrary());
    EXPECT_EQ(run.component.SelectSource(), -1); // the manager is not open yet
    run.component.SetSourceManagerLoaded(true);

    // The manager's own dialog, chosen or cancelled; cancelling closes an open source.
    run.fake.Set("userselect", 1);
    EXPECT_EQ(run.component.SelectSource(), 1);
    run.component.SourceAt(1)->SetLoaded(true);
    EXPECT_EQ(run.component.SourcesLoaded(), 1);
    run.fake.Set("userselect", -1);
    EXPECT_EQ(run.component.SelectSource(), -1);
    EXPECT_EQ(run.component.SourcesLoaded(), 0);

    // No dialog in the manager: the stand-in offers the sources with the default first chosen.
    run.fake.Set("userselect", -2);
    run.fake.Set("default", 1);
    QStringList offered;
    int preselected = -1;
    run.component.SetSourceChooser([&](const QStringList& names, int defaultIndex) {
        offered = names;
        preselected = defaultIndex;
        return -1;
    });
    EXPECT_EQ(run.component.SelectSource(), -1);
    EXPECT_EQ(offered, QStringList({"Flatbed One", "Feeder Two"}));
    EXPECT_EQ(preselected, 1);

    // CHECKSTATUS counts as enabled; a refusal does not.
    TTwainSource* source = run.component.SourceAt(0);
    source->SetLoaded(true);
    run.fake.Set("ready", 0);
    run.fake.Set("enable_rc", TWRC_CHECKSTATUS);
    run.fake.Set("pages", 4);
    EXPECT_TRUE(source->EnableSource(false, false));
    EXPECT_EQ(source->PendingXfers(), 4);
    EXPECT_TRUE(source->DisableSource());
    run.fake.Set("enable_rc", TWRC_FAILURE);
    EXPECT_FALSE(source->EnableSource(true, true));
    EXPECT_EQ(run.component.SourceAt(256), nullptr);
    EXPECT_EQ(run.component.SourceAt(-1), run.component.SourceAt(1));
}

// A manager without a dialog of its own that lists more sources than the component holds.
TEST(TwainComponent, TheStandInChooserOffersOnlyTheSourcesTheComponentHolds) {
    ScannerRun run;
    ASSERT_TRUE(run.component.LoadLibrary());
    run.component.SetSourceManagerLoaded(true);
    for (int i = 0; i < 300; ++i)
        run.fake.AddSource("Many");
    run.component.EnumerateDevices();
    run.fake.Set("userselect", -2);
    qsizetype offered = 0;
    run.component.SetSourceChooser([&](const QStringList& names, int) {
        offered = names.size();
        return int(names.size()) - 1;
    });
    EXPECT_EQ(run.component.SelectSource(), 255);
    EXPECT_EQ(offered, 256);
}

TEST(TwainComponent, ClosingTheSourcesDialogCancelsAndDisables) {
    ScannerRun run;
    run.fake.Set("ready", 0);
    ASSERT_TRUE(run.component.LoadLibrary());
    run.component.SetSourceManagerLoaded(true);
    TTwainSource* source = run.component.SourceAt(0);
    source->SetLoaded(true);
    source->SetEnabled(true);
    run.fake.Post(MSG_CLOSEDSREQ);
    run.RunEventsUntilDisabled();
    EXPECT_EQ(run.events, QStringList({"cancel 0", "disable 0"}));
    EXPECT_TRUE(source->Loaded());
    EXPECT_FALSE(source->Enabled());

    run.component.SetLibraryLoaded(false);
    EXPECT_EQ(run.fake.Calls().mid(run.fake.Calls().size() - 2),
              QStringList({"manager CLOSEDS", "manager CLOSEDSM"}));
    EXPECT_EQ(run.component.SourcesLoaded(), 0);
}
