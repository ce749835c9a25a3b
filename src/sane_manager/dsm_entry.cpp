// The manager's one entry point, as TWAIN applications find it in libtwaindsm.so.2.
#include "sane_manager/source_manager.h"

#include <exception>

using namespace quillox::twain;

namespace {

quillox::sane_manager::SourceManager& manager() {
    static quillox::sane_manager::SourceManager instance;
    return instance;
}

} // namespace

extern "C" __attribute__((visibility("default"))) TW_UINT16
DSM_Entry(TW_IDENTITY* origin, TW_IDENTITY* destination, TW_UINT32 group, TW_UINT16 dat,
          TW_UINT16 msg, TW_MEMREF data) {
    // No error may cross into the application, which knows only return codes.
    try {
        return manager().Entry(origin, destination, group, dat, msg, data);
    } catch (const std::exception&) {
        return TWRC_FAILURE;
    }
}
