#include "scan/twain/condition_text.h"

#include "scan/twain/twain_protocol.h"

namespace quillox::twain {

QString conditionText(int condition) {
    switch (condition) {
    case TWCC_BUMMER:
        return "the scanner reported a failure";
    case TWCC_LOWMEMORY:
        return "there is not enough memory";
    case TWCC_OPERATIONERROR:
        return "the scanner reported an error";
    case TWCC_DENIED:
        return "access to the scanner was denied";
    case TWCC_PAPERJAM:
        return "the paper is jammed";
    case TWCC_CHECKDEVICEONLINE:
        return "the scanner does not answer; check that it is on and connected";
    case TWCC_INTERLOCK:
        return "a cover of the scanner is open";
    case TWCC_NOMEDIA:
        return "the document feeder is empty";
    default:
        return QString("the scanner gave the condition %1").arg(condition);
    }
}

} // namespace quillox::twain
