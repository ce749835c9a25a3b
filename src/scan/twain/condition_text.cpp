#include "scan/twain/condition_text.h"

#include "scan/twain/twain_protocol.h"

namespace quillox::twain {

QString conditionText(int condition) {
    switch (condition) {
    case TWCC_BUMMER:
        return "the scanner reported a failure";
    case TWCC_LOWMEMORY:
        return "there is not enough memory";
    case TWCC_NODS:
        return "no scanner was found";
    case TWCC_MAXCONNECTIONS:
        return "the scanner is in use by another program";
    case TWCC_OPERATIONERROR:
        return "the scanner reported an error";
    case TWCC_BADCAP:
    case TWCC_CAPUNSUPPORTED:
        return "the scanner does not support a setting it was asked about";
    case TWCC_BADPROTOCOL:
        return "the scanner does not support what it was asked to do";
    case TWCC_BADVALUE:
        return "the scanner refused a value it was given";
    case TWCC_SEQERROR:
        return "the scanner was asked for something out of order";
    case TWCC_BADDEST:
        return "the request went to a scanner that is not open";
    case TWCC_CAPBADOPERATION:
        return "the scanner does not allow that change of a setting";
    case TWCC_CAPSEQERROR:
        return "a setting of the scanner depends on another one not set yet";
    case TWCC_DENIED:
        return "access to the scanner was denied";
    case TWCC_FILEEXISTS:
        return "the scanner's file already exists";
    case TWCC_FILENOTFOUND:
        return "the scanner's file was not found";
    case TWCC_NOTEMPTY:
        return "the scanner's folder is not empty";
    case TWCC_PAPERJAM:
        return "the paper is jammed";
    case TWCC_PAPERDOUBLEFEED:
        return "two sheets were fed at once";
    case TWCC_FILEWRITEERROR:
        return "the scanner could not write its file";
    case TWCC_CHECKDEVICEONLINE:
        return "the scanner does not answer; check that it is on and connected";
    case TWCC_INTERLOCK:
        return "a cover of the scanner is open";
    case TWCC_DAMAGEDCORNER:
        return "a corner of the page is damaged or folded";
    case TWCC_FOCUSERROR:
        return "the scanner could not focus";
    case TWCC_DOCTOOLIGHT:
        return "the page is too light to scan";
    case TWCC_DOCTOODARK:
        return "the page is too dark to scan";
    case TWCC_NOMEDIA:
        return "the document feeder is empty";
    default:
        // A driver's own codes, and codes TWAIN does not define.
        return condition >= TWCC_CUSTOMBASE
                   ? QString("the scanner reported a condition of its own (%1)").arg(condition)
                   : QString("the scanner reported an unknown condition (%1)").arg(condition);
    }
}

} // namespace quillox::twain
