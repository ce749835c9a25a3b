#pragma once

#include "sane_manager/sane_devices.h"
#include "sane_manager/sane_source.h"
#include "scan/twain/twain_protocol.h"

#include <map>
#include <memory>

namespace quillox::sane_manager {

// The TWAIN manager over SANE: it answers the application's triplets, lists SANE's devices as
// TWAIN sources and opens them. Whatever it does not support answers TWRC_FAILURE with a
// condition code, never a crash.
class SourceManager {
public:
    ~SourceManager();

    twain::TW_UINT16 Entry(twain::TW_IDENTITY* origin, twain::TW_IDENTITY* destination,
                           twain::TW_UINT32 group, twain::TW_UINT16 dat, twain::TW_UINT16 msg,
                           void* data);

private:
    twain::TW_UINT16 ToManager(twain::TW_IDENTITY& origin, twain::TW_UINT16 dat,
                               twain::TW_UINT16 msg, void* data);
    twain::TW_UINT16 ToSource(twain::TW_IDENTITY& source, twain::TW_UINT16 dat,
                              twain::TW_UINT16 msg, void* data);
    twain::TW_UINT16 Fail(twain::TW_UINT16 condition);
    twain::TW_UINT16 Identify(std::size_t index, void* data);
    twain::TW_UINT16 UserSelect(void* data);
    twain::TW_UINT16 OpenSource(twain::TW_IDENTITY& identity);
    twain::TW_UINT16 CloseSource(const twain::TW_IDENTITY& identity);
    void CloseAll();

    SaneSession sane_;
    bool open_ = false;
    std::size_t nextListed_ = 0;
    twain::TW_UINT16 condition_ = twain::TWCC_SUCCESS;
    std::map<twain::TW_UINT32, std::unique_ptr<SaneSource>> openSources_; // by the source's Id
};

} // namespace quillox::sane_manager
