#include "scan/twain/twain_identity.h"

#include <cstring>

namespace quillox::twain {

TTwainIdentity::TTwainIdentity(void* owner) : fOwner(owner) {}

TTwainLanguage TTwainIdentity::Language() const {
    const int ordinal = TW_INT16(Structure.Version.Language) + 1;
    return ordinal >= 0 && ordinal < twainLanguageCount ? TTwainLanguage(ordinal) : tlUserLocale;
}

void TTwainIdentity::SetLanguage(TTwainLanguage language) {
    Structure.Version.Language = TW_UINT16(TW_INT16(int(language) - 1));
}

unsigned TTwainIdentity::Groups() const {
    return (Structure.SupportedGroups & (DG_IMAGE | DG_AUDIO)) | tgControl;
}

void TTwainIdentity::SetGroups(unsigned groups) {
    Structure.SupportedGroups = DG_CONTROL | (groups & (DG_IMAGE | DG_AUDIO));
}

// The field is read up to its first zero byte, never beyond its end.
QString TTwainIdentity::textOf(const TW_STR32& field) {
    const std::size_t length = strnlen(field, sizeof(TW_STR32));
    return QString::fromLatin1(field, qsizetype(length));
}

void TTwainIdentity::setText(TW_STR32& field, const QString& text) {
    std::memset(field, 0, sizeof(TW_STR32));
    const QByteArray bytes = text.toLatin1().left(sizeof(TW_STR32));
    std::memcpy(field, bytes.constData(), std::size_t(bytes.size()));
}

TTwainIdentity TTwainIdentity::application() {
    TTwainIdentity identity;
    identity.Structure.Id = 0;
    identity.SetMajorVersion(1);
    identity.SetMinorVersion(0);
    identity.SetLanguage(tlUserLocale);
    identity.SetCountryCode(TWCY_USA);
    identity.SetVersionInfo("Application name");
    identity.Structure.ProtocolMajor = 1;
    identity.Structure.ProtocolMinor = 9;
    identity.SetGroups(tgControl | tgImage);
    identity.SetManufacturer("Application manufacturer");
    identity.SetProductFamily("App product family");
    identity.SetProductName("App product name");
    return identity;
}

} // namespace quillox::twain
