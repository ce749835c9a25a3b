#include "sane_manager/sane_conditions.h"

namespace quillox::sane_manager {

using namespace twain;

TW_UINT16 conditionOf(SANE_Status status) {
    switch (status) {
    case SANE_STATUS_GOOD:
        return TWCC_SUCCESS;
    case SANE_STATUS_JAMMED:
        return TWCC_PAPERJAM;
    case SANE_STATUS_NO_DOCS:
        return TWCC_NOMEDIA;
    case SANE_STATUS_COVER_OPEN:
        return TWCC_INTERLOCK;
    case SANE_STATUS_NO_MEM:
        return TWCC_LOWMEMORY;
    case SANE_STATUS_ACCESS_DENIED:
        return TWCC_DENIED;
    case SANE_STATUS_IO_ERROR:
    case SANE_STATUS_DEVICE_BUSY:
        return TWCC_CHECKDEVICEONLINE;
    default:
        return TWCC_OPERATIONERROR;
    }
}

TW_UINT16 transferFailure(SANE_Status status, TW_UINT16& condition) {
    if (status == SANE_STATUS_CANCELLED)
        return TWRC_CANCEL;
    condition = conditionOf(status);
    return TWRC_FAILURE;
}

} // namespace quillox::sane_manager
