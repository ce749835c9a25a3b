// Our manager over SANE's own test backend, driven by the scanner component as the program
// drives any manager.
#include "sane_test_backend.h"
#include "scan/twain/twain_component.h"

#include <QApplication>
#include <QDialog>
#include <QListWidget>
#include <QTimer>
#include <gtest/gtest.h>

using namespace quillox::twain;

namespace {

// Answers the manager's selection dialog when it shows: the row taken, or -1 to cancel. The
// rows it listed go to listed.
void answerSelection(int row, QStringList& listed) {
    QTimer::singleShot(20, [row, &listed] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog || dialog->windowTitle() != "Select Scanner") {
            answerSelection(row, listed);
            return;
        }
        auto* list = dialog->findChild<QListWidget*>();
        listed.clear();
        for (int i = 0; i < list->count(); ++i)
            listed << list->item(i)->text();
        if (row < 0) {
            dialog->reject();
        } else {
            list->setCurrentRow(row);
            dialog->accept();
        }
    });
}

} // namespace

TEST(SaneManager, ListsSanesDevicesAndOpensThem) {
    useSaneTestBackend();
    TTwainComponent component;
    component.SetLibraryFolders({SANE_MANAGER_FOLDER});
    ASSERT_TRUE(component.LoadLibrary());
    component.SetSourceManagerLoaded(true);
    ASSERT_TRUE(component.SourceManagerLoaded());
    EXPECT_EQ(component.AppIdentity().Structure.Id, 1u);

    ASSERT_EQ(component.SourceCount(), 2);
    EXPECT_EQ(component.SourceAt(0)->ProductName(), "test:0");
    EXPECT_EQ(component.SourceAt(1)->ProductName(), "test:1");
    EXPECT_EQ(component.SourceAt(0)->Manufacturer(), "Noname");
    EXPECT_EQ(component.SourceAt(-1), component.SourceAt(0));

    // The manager's own dialog lists the devices; cancelling it chooses nothing.
    bool chooserAsked = false;
    component.SetSourceChooser([&chooserAsked](const QStringList&, int) {
        chooserAsked = true;
        return 0;
    });
    QStringList listed;
    answerSelection(-1, listed);
    EXPECT_EQ(component.SelectSource(), -1);
    EXPECT_EQ(listed,
              QStringList({"Noname frontend-tester (test:0)", "Noname frontend-tester (test:1)"}));
    answerSelection(1, listed);
    const int chosen = component.SelectSource();
    ASSERT_EQ(chosen, 1);
    EXPECT_FALSE(chooserAsked);
    TTwainSource* source = component.SourceAt(chosen);
    source->SetLoaded(true);
    EXPECT_TRUE(source->Loaded());
    EXPECT_EQ(component.SourcesLoaded(), 1);

    source->SetLoaded(false);
    EXPECT_EQ(component.SourcesLoaded(), 0);
    component.SetSourceManagerLoaded(false);
    EXPECT_FALSE(component.SourceManagerLoaded());
}

TEST(SaneManager, AnswersWhatItDoesNotSupportWithAFailure) {
    useSaneTestBackend();
    TTwainComponent component;
    component.SetLibraryFolders({SANE_MANAGER_FOLDER});
    ASSERT_TRUE(component.LoadLibrary());
    TW_IDENTITY app = TTwainIdentity::application().Structure;
    TW_STATUS status{};
    // Before the manager is open, and with calls it does not know.
    EXPECT_EQ(component.TwainProc()(&app, nullptr, DG_CONTROL, DAT_IDENTITY, MSG_GETFIRST, &app),
              TWRC_FAILURE);
    component.SetSourceManagerLoaded(true);
    EXPECT_EQ(component.Send(nullptr, DG_CONTROL, DAT_CAPABILITY, MSG_GET, nullptr), TWRC_FAILURE);
    EXPECT_EQ(component.Send(nullptr, DG_CONTROL, DAT_STATUS, MSG_GET, &status), TWRC_SUCCESS);
    EXPECT_EQ(status.ConditionCode, TWCC_BADPROTOCOL);
    EXPECT_EQ(component.Send(nullptr, 0x40, DAT_IDENTITY, MSG_GETFIRST, nullptr), TWRC_FAILURE);
    TW_IDENTITY stranger{};
    stranger.Id = 99;
    EXPECT_EQ(component.Send(&stranger, DG_CONTROL, DAT_STATUS, MSG_GET, &status), TWRC_FAILURE);
    EXPECT_EQ(component.Send(nullptr, DG_CONTROL, DAT_IDENTITY, MSG_OPENDS, &stranger),
              TWRC_FAILURE);
}

TEST(SaneManager, AnswersTheCapabilitiesFromSanesOptions) {
    useSaneTestBackend();
    TTwainComponent component;
    component.SetLibraryFolders({SANE_MANAGER_FOLDER});
    ASSERT_TRUE(component.LoadLibrary());
    component.SetSourceManagerLoaded(true);
    TTwainSource* source = component.SourceAt(0);
    ASSERT_TRUE(source);
    source->SetLoaded(true);
    ASSERT_TRUE(source->Loaded());

    TTwainUnit unit = tuUnknown;
    EXPECT_EQ(GetICapUnits(*source, unit), crSuccess);
    EXPECT_EQ(unit, tuInches);
    TTwainPixelFlavor flavor = tpfUnknown;
    EXPECT_EQ(GetIPixelFlavor(*source, flavor), crSuccess);
    EXPECT_EQ(flavor, tpfChocolate);
    TTwainPixelType type = tbdUnknown;
    EXPECT_EQ(GetIPixelType(*source, type), crSuccess);
    EXPECT_EQ(type, tbdRgb); // the configuration's mode is Color
    double dpi = 0;
    EXPECT_EQ(GetIXResolution(*source, dpi), crSuccess);
    EXPECT_GT(dpi, 0);
    int count = 0;
    EXPECT_EQ(GetCapXferCount(*source, count), crSuccess);
    EXPECT_EQ(count, -1);
    bool value = false;
    EXPECT_EQ(GetUIControllable(*source, value), crSuccess);
    EXPECT_TRUE(value);
    EXPECT_EQ(GetFeederEnabled(*source, value), crSuccess);
    EXPECT_FALSE(value);
    int depth = 0;
    EXPECT_EQ(GetIBitDepth(*source, depth), crUnsupported);
}
