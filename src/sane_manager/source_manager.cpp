#include "sane_manager/source_manager.h"

#include "sane_manager/selection_dialog.h"

#include <cstring>
#include <sane/sane.h>

namespace quillox::sane_manager {

using namespace twain;

namespace {

void setText(TW_STR32& field, const std::string& text) {
    std::memset(field, 0, sizeof(TW_STR32));
    std::memcpy(field, text.data(), std::min(text.size(), sizeof(TW_STR32) - 2));
}

} // namespace

SourceManager::~SourceManager() {
    CloseAll();
    sane_.Stop();
}

TW_UINT16 SourceManager::Fail(TW_UINT16 condition) {
    condition_ = condition;
    return TWRC_FAILURE;
}

TW_UINT16 SourceManager::Entry(TW_IDENTITY* origin, TW_IDENTITY* destination, TW_UINT32 group,
                               TW_UINT16 dat, TW_UINT16 msg, void* data) {
    if (!origin)
        return Fail(TWCC_BADPROTOCOL);
    if (group != DG_CONTROL && group != DG_IMAGE)
        return Fail(TWCC_BADPROTOCOL);
    return destination ? ToSource(*destination, dat, msg, data)
                       : ToManager(*origin, dat, msg, data);
}

TW_UINT16 SourceManager::ToManager(TW_IDENTITY& origin, TW_UINT16 dat, TW_UINT16 msg, void* data) {
    if (dat == DAT_STATUS && msg == MSG_GET) {
        if (!data)
            return Fail(TWCC_BADVALUE);
        static_cast<TW_STATUS*>(data)->ConditionCode = open_ ? condition_ : TWCC_BUMMER;
        condition_ = TWCC_SUCCESS;
        return TWRC_SUCCESS;
    }
    if (dat == DAT_PARENT && msg == MSG_OPENDSM) {
        if (open_)
            return Fail(TWCC_SEQERROR);
        if (origin.ProductName[0] == 0)
            return Fail(TWCC_BADVALUE);
        if (!sane_.Start())
            return Fail(TWCC_BUMMER);
        origin.Id = 1;
        open_ = true;
        return TWRC_SUCCESS;
    }
    if (!open_)
        return Fail(TWCC_SEQERROR);
    if (dat == DAT_PARENT && msg == MSG_CLOSEDSM) {
        CloseAll();
        sane_.Stop();
        open_ = false;
        return TWRC_SUCCESS;
    }
    if (dat != DAT_IDENTITY || !data)
        return Fail(TWCC_BADPROTOCOL);
    switch (msg) {
    case MSG_GETFIRST:
        sane_.ListDevices();
        nextListed_ = 0;
        [[fallthrough]];
    case MSG_GETNEXT:
        if (nextListed_ >= sane_.Devices().size())
            return TWRC_ENDOFLIST;
        return Identify(nextListed_++, data);
    case MSG_GETDEFAULT:
        if (sane_.Devices().empty() && sane_.ListDevices().empty())
            return Fail(TWCC_NODS);
        return Identify(0, data);
    case MSG_OPENDS:
        return OpenSource(*static_cast<TW_IDENTITY*>(data));
    case MSG_CLOSEDS:
        return CloseSource(*static_cast<TW_IDENTITY*>(data));
    case MSG_USERSELECT:
        return UserSelect(data);
    default:
        return Fail(TWCC_BADPROTOCOL);
    }
}

// A device's identity: its position gives the Id, SANE's vendor, model and name its texts.
TW_UINT16 SourceManager::Identify(std::size_t index, void* data) {
    const SaneDevice& device = sane_.Devices().at(index);
    TW_IDENTITY identity{};
    identity.Id = TW_UINT32(index + 1);
    identity.Version.MajorNum = 1;
    identity.Version.Language = TW_UINT16(TWLG_USERLOCALE);
    identity.Version.Country = TWCY_USA;
    setText(identity.Version.Info, device.type);
    identity.ProtocolMajor = 1;
    identity.ProtocolMinor = 9;
    identity.SupportedGroups = DG_CONTROL | DG_IMAGE;
    setText(identity.Manufacturer, device.vendor);
    setText(identity.ProductFamily, device.model);
    setText(identity.ProductName, device.name);
    std::memcpy(data, &identity, sizeof identity);
    return TWRC_SUCCESS;
}

// Our own dialog, with the default device chosen at first. An application without widgets
// gets the public manager's answer on Linux: no dialog.
TW_UINT16 SourceManager::UserSelect(void* data) {
    static_cast<TW_IDENTITY*>(data)->Id = 0;
    if (sane_.ListDevices().empty())
        return Fail(TWCC_NODS);
    const std::optional<int> chosen = chooseDevice(sane_.Devices(), 0);
    if (!chosen)
        return Fail(TWCC_BADPROTOCOL);
    if (*chosen < 0)
        return TWRC_CANCEL;
    return Identify(std::size_t(*chosen), data);
}

TW_UINT16 SourceManager::OpenSource(TW_IDENTITY& identity) {
    if (sane_.Devices().empty())
        sane_.ListDevices();
    const TW_UINT32 id = identity.Id;
    if (id == 0 || id > sane_.Devices().size())
        return Fail(TWCC_NODS);
    if (openSources_.count(id))
        return Fail(TWCC_SEQERROR);
    SANE_Handle handle = nullptr;
    if (sane_open(sane_.Devices()[id - 1].name.c_str(), &handle) != SANE_STATUS_GOOD)
        return Fail(TWCC_NODS);
    openSources_[id] = std::make_unique<SaneSource>(handle, sane_.Devices()[id - 1]);
    return TWRC_SUCCESS;
}

TW_UINT16 SourceManager::CloseSource(const TW_IDENTITY& identity) {
    const auto found = openSources_.find(identity.Id);
    if (found == openSources_.end())
        return Fail(TWCC_BADDEST);
    openSources_.erase(found);
    return TWRC_SUCCESS;
}

void SourceManager::CloseAll() {
    openSources_.clear();
}

TW_UINT16 SourceManager::ToSource(TW_IDENTITY& source, TW_UINT16 dat, TW_UINT16 msg, void* data) {
    if (!openSources_.count(source.Id))
        return Fail(TWCC_BADDEST);
    if (dat == DAT_STATUS && msg == MSG_GET && data) {
        static_cast<TW_STATUS*>(data)->ConditionCode = condition_;
        condition_ = TWCC_SUCCESS;
        return TWRC_SUCCESS;
    }
    return openSources_[source.Id]->Answer(dat, msg, data, condition_);
}

} // namespace quillox::sane_manager
