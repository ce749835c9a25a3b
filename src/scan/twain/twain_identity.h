#pragma once

#include "scan/twain/twain_language.h"
#include "scan/twain/twain_protocol.h"

#include <QString>

namespace quillox::twain {

enum TTwainGroup { tgControl = 1, tgImage = 2, tgAudio = 4 };

// A TWAIN identity: the application's, or a source's as the manager reports it. Texts are
// kept as 8-bit characters in zero-filled fields.
class TTwainIdentity {
public:
    explicit TTwainIdentity(void* owner = nullptr);
    virtual ~TTwainIdentity() = default;
    TTwainIdentity(const TTwainIdentity&) = default;
    TTwainIdentity& operator=(const TTwainIdentity&) = default;

    void* Owner() const { return fOwner; }

    int MajorVersion() const { return Structure.Version.MajorNum; }
    void SetMajorVersion(int value) { Structure.Version.MajorNum = TW_UINT16(value); }
    int MinorVersion() const { return Structure.Version.MinorNum; }
    void SetMinorVersion(int value) { Structure.Version.MinorNum = TW_UINT16(value); }
    TTwainLanguage Language() const;
    void SetLanguage(TTwainLanguage language);
    int CountryCode() const { return Structure.Version.Country; }
    void SetCountryCode(int value) { Structure.Version.Country = TW_UINT16(value); }
    // A set of TTwainGroup bits; it always holds tgControl.
    unsigned Groups() const;
    void SetGroups(unsigned groups);
    QString VersionInfo() const { return textOf(Structure.Version.Info); }
    void SetVersionInfo(const QString& text) { setText(Structure.Version.Info, text); }
    QString Manufacturer() const { return textOf(Structure.Manufacturer); }
    void SetManufacturer(const QString& text) { setText(Structure.Manufacturer, text); }
    QString ProductFamily() const { return textOf(Structure.ProductFamily); }
    void SetProductFamily(const QString& text) { setText(Structure.ProductFamily, text); }
    QString ProductName() const { return textOf(Structure.ProductName); }
    void SetProductName(const QString& text) { setText(Structure.ProductName, text); }

    TW_IDENTITY Structure{};

    // The identity the component presents to the manager.
    static TTwainIdentity application();

private:
    static QString textOf(const TW_STR32& field);
    static void setText(TW_STR32& field, const QString& text);

    void* fOwner;
};

} // namespace quillox::twain
