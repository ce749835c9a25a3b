#pragma once

#include "platform/device_independent_bitmap.h"
#include "scan/twain/manager_library.h"
#include "scan/twain/pointer_list.h"
#include "scan/twain/twain_identity.h"
#include "scan/twain/twain_source.h"
#include "scan/twain/typed_capabilities.h"

#include <QObject>
#include <QTimer>
#include <functional>
#include <memory>

namespace quillox::twain {

struct TwainMessage;

// The scanner component: finds and loads the TWAIN manager, opens it, lets the user choose a
// source, opens and enables the source, takes the sources' notifications out of the message
// stream, runs each burst of transfers and hands each image to its owner.
class TTwainComponent : public QObject {
    Q_OBJECT

public:
    explicit TTwainComponent(QObject* owner = nullptr);
    ~TTwainComponent() override;

    bool LoadLibrary();
    bool UnloadLibrary();
    bool LibraryLoaded() const { return fLibraryLoaded; }
    void SetLibraryLoaded(bool loaded);
    // Where LoadLibrary looks, the trusted folders unless told otherwise.
    QStringList LibraryFolders() const { return libraryFolders_; }
    void SetLibraryFolders(const QStringList& folders) { libraryFolders_ = folders; }

    bool LoadSourceManager();
    bool UnloadSourceManager(bool forced);
    bool SourceManagerLoaded() const { return fSourceManagerLoaded; }
    void SetSourceManagerLoaded(bool loaded);

    bool EnumerateDevices();
    void ClearDeviceList();
    int SourceCount();
    bool HasEnumerated() const { return fHasEnumerated; }
    // The index of the chosen source, or -1.
    int SelectSource();
    // Whether the last SelectSource found no source to offer, as opposed to a choice cancelled.
    bool NoSourceFound() const { return fNoSourceFound; }
    TTwainSource* SourceAt(int index);
    int IndexOfIdentity(const TW_IDENTITY& identity);

    // The manager's condition code for the last triplet it answered itself; 0 when the manager
    // is not open or does not say.
    TW_UINT16 ManagerCondition();

    int SourcesLoaded() const { return fSourcesLoaded; }
    const TTwainIdentity& AppIdentity() const { return fInfo; }
    void SetAppIdentity(const TTwainIdentity& identity) { fInfo.Structure = identity.Structure; }
    TTwainTransferMode TransferMode() const { return fTransferMode; }
    void SetTransferMode(TTwainTransferMode mode) { fTransferMode = mode; }
    void* Handle() const { return library_.Handle(); }
    DSMENTRYPROC TwainProc() const { return library_.Entry(); }
    bool PollingActive() const { return fMessagesTimer.isActive(); }

    // Where the public Linux manager shows no selection dialog (MSG_USERSELECT answers
    // TWRC_FAILURE with TWCC_BADPROTOCOL), this chooser stands in: it gets the sources' names
    // and the default's position, and answers the chosen position or -1.
    using SourceChooser = std::function<int(const QStringList& names, int defaultIndex)>;
    void SetSourceChooser(SourceChooser chooser) { chooser_ = std::move(chooser); }

    // The events, in the order the owner sees them.
    // The bitmap exists only while the handler runs; a handler that keeps it copies it.
    std::function<void(TTwainComponent&, int index, const platform::DeviceIndependentBitmap& image,
                       bool& cancel)>
        OnTwainAcquire;
    std::function<void(TTwainComponent&, int index)> OnAcquireCancel;
    std::function<void(TTwainComponent&, int index)> OnSourceDisable;
    std::function<void(TTwainComponent&, int index, int errorCode, int additional)> OnAcquireError;
    std::function<void(TTwainSource&, int index, const platform::DeviceIndependentBitmap& image,
                       int current, int total)>
        OnAcquireProgress;
    std::function<void(TTwainComponent&, int index)> OnSourceSetupFileXfer;
    std::function<void(TTwainComponent&, int index, const QString& fileName, TTwainFormat format,
                       bool& cancel)>
        OnSourceFileTransfer;

    // A triplet sent through the manager's entry point, with the application as origin.
    TW_UINT16 Send(TW_IDENTITY* destination, TW_UINT32 dg, TW_UINT16 dat, TW_UINT16 msg,
                   void* data);

    // For the sources.
    void SourceOpened() { ++fSourcesLoaded; }
    void SourceClosed() { --fSourcesLoaded; }
    void StartPolling() { fMessagesTimer.start(); }
    void StopPolling() { fMessagesTimer.stop(); }
    void* VirtualWindow() const { return virtualWindow_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Offers a message to the enabled sources; true when one took it.
    bool ApplicationMessageHook(const TwainMessage& message);
    bool OfferMessage(TTwainSource& source, const TwainMessage& message);
    void RunTransfers(TTwainSource& source);
    TW_UINT16 TransferOne(TTwainSource& source, bool& cancel);
    int ChooseWithoutManagerDialog(TW_IDENTITY& chosen);

    int fSourcesLoaded = 0;
    bool SelectDialogDisplayed = false;
    bool fNoSourceFound = false;
    QTimer fMessagesTimer;
    QObject messageTarget_;
    void* virtualWindow_;
    TPointerList DeviceList;
    TTwainIdentity fInfo = TTwainIdentity::application();
    ManagerLibrary library_;
    QStringList libraryFolders_ = trustedManagerFolders();
    bool fHasEnumerated = false;
    TTwainTransferMode fTransferMode = ttmMemory;
    bool fLibraryLoaded = false;
    bool fSourceManagerLoaded = false;
    SourceChooser chooser_;
};

} // namespace quillox::twain
