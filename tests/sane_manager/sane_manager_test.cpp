// Our manager over SANE's own test backend, driven by the scanner component as the program
// drives any manager.
#include "twain_component.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <dlfcn.h>
#include <gtest/gtest.h>

using namespace quillox::twain;

namespace {

// A private SANE configuration: the test backend alone, with two devices. SANE's libraries stay
// mapped for the whole run, so that the strings SANE itself never frees are traced to them and
// left out of the leak report, while ours are not.
class SaneTestBackend {
public:
    SaneTestBackend() {
        for (const char* library : {"libsane.so.1", SANE_TEST_BACKEND})
            ::dlopen(library, RTLD_NOW | RTLD_NODELETE);
        write("dll.conf", "test\n");
        write("test.conf", "number_of_devices 2\nmode Color\ndepth 8\n");
        qputenv("SANE_CONFIG_DIR", folder_.path().toLocal8Bit());
    }

private:
    void write(const QString& name, const QByteArray& text) {
        QFile file(QDir(folder_.path()).filePath(name));
        if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size())
            throw std::runtime_error("cannot write the SANE configuration");
    }

    QTemporaryDir folder_;
};

} // namespace

TEST(SaneManager, ListsSanesDevicesAndOpensThem) {
    SaneTestBackend sane;
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

    // Without a dialog of its own yet, the selection falls to the application's chooser.
    component.SetSourceChooser([](const QStringList& names, int preselected) {
        return names.size() == 2 && preselected == 0 ? 1 : -1;
    });
    const int chosen = component.SelectSource();
    ASSERT_EQ(chosen, 1);
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
    SaneTestBackend sane;
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
