// The application identity and the identities' fields, as the manager sees their bytes.
#include "scan/twain/pointer_list.h"
#include "scan/twain/twain_identity.h"

#include <cstring>
#include <gtest/gtest.h>

using namespace quillox::twain;

TEST(TwainIdentity, TheApplicationIdentityHasItsFixedValues) {
    const TTwainIdentity app = TTwainIdentity::application();
    const TW_IDENTITY& s = app.Structure;
    EXPECT_EQ(TW_UINT32(s.Id), 0u);
    EXPECT_EQ(s.Version.MajorNum, 1);
    EXPECT_EQ(s.Version.MinorNum, 0);
    EXPECT_EQ(TW_INT16(s.Version.Language), -1);
    EXPECT_EQ(s.Version.Country, 1);
    EXPECT_EQ(s.ProtocolMajor, 1);
    EXPECT_EQ(s.ProtocolMinor, 9);
    EXPECT_EQ(TW_UINT32(s.SupportedGroups), 3u);
    char expected[34] = "App product name";
    EXPECT_EQ(std::memcmp(s.ProductName, expected, sizeof expected), 0);
    EXPECT_EQ(app.Manufacturer(), "Application manufacturer");
    EXPECT_EQ(app.VersionInfo(), "Application name");
}

TEST(TwainIdentity, FieldsKeepTheirRules) {
    TTwainIdentity identity;
    identity.SetProductName(QString(40, 'x'));
    EXPECT_EQ(identity.ProductName(), QString(34, 'x'));
    identity.SetProductName("short");
    EXPECT_EQ(identity.Structure.ProductName[5], 0);
    EXPECT_EQ(identity.Structure.ProductName[33], 0);

    identity.SetLanguage(tlDanish);
    EXPECT_EQ(identity.Structure.Version.Language, 0);
    identity.SetLanguage(tlVietnamese);
    EXPECT_EQ(identity.Structure.Version.Language, 113);
    EXPECT_EQ(identity.Language(), tlVietnamese);

    identity.SetGroups(tgImage);
    EXPECT_EQ(TW_UINT32(identity.Structure.SupportedGroups), DG_CONTROL | DG_IMAGE);
    identity.Structure.SupportedGroups = 0;
    EXPECT_EQ(identity.Groups(), unsigned(tgControl));
}

TEST(PointerList, GrowsByStepsAndAnswersNothingOutside) {
    TPointerList list;
    int items[300];
    for (int& item : items)
        list.Add(&item);
    EXPECT_EQ(list.Count(), 300);
    EXPECT_EQ(list.Allocated(), 300);
    EXPECT_EQ(list.Item(255), &items[255]);
    EXPECT_EQ(list.Item(256), nullptr);
    EXPECT_EQ(list.Item(-1), nullptr);
    list.Clear();
    EXPECT_EQ(list.Item(0), nullptr);
}
