#include "care/backup_manifest.h"
#include "platform/sha256_bytes.h"
#include "platform/user_error.h"

#include <QByteArrayView>
#include <gtest/gtest.h>

namespace quillox::care {
namespace {

const std::string digestA(64, 'a');
const std::string digestB = "0123456789abcdeffedcba98765432100123456789abcdef00112233445566ff";

platform::Sha256Bytes bytesOf(const std::string& digest) {
    return platform::sha256FromText(digest).value();
}

BackupManifest sample(const QByteArray& copyName) {
    return {
        "/home/ann/Documents/Quillox",
        "/home/ann/.local/share/Quillox/main.abs",
        QDateTime(QDate(2025, 1, 31), QTime(10, 11, 12), Qt::UTC),
        {{"main.abs", 81920, bytesOf(digestA)}, {"documents/" + copyName, 12, bytesOf(digestB)}}};
}

// Any byte a file name can hold comes back as it was, and the text stays UTF-8 lines of the
// fields that the format gives.
TEST(BackupManifest, keepsEveryNameThroughItsText) {
    for (const QByteArray& name :
         {QByteArray("Invoice 31.01.2025.10.11.pdf"), QByteArray("tab\there"),
          QByteArray("line\nend\r"), QByteArray("100% sure"), QByteArray("caf\xc3\xa9.pdf"),
          QByteArray("latin-1 caf\xe9.pdf"), QByteArray("sub/folder/x.pdf")}) {
        SCOPED_TRACE(name.toStdString());
        const QByteArray text = manifestText(sample(name));
        EXPECT_TRUE(QByteArrayView(text).isValidUtf8());
        EXPECT_EQ(text.count('\n'), 7);
        EXPECT_EQ(text.count('\t'), 3 + 3 + 3 + 1);
        const BackupManifest read = parseManifest(text);
        EXPECT_EQ(read.storeFolder, sample(name).storeFolder);
        EXPECT_EQ(read.databaseFile, sample(name).databaseFile);
        EXPECT_EQ(read.taken, sample(name).taken);
        ASSERT_EQ(read.files.size(), 2U);
        EXPECT_EQ(read.files[1].path, "documents/" + name);
        EXPECT_EQ(read.files[1].size, 12);
        EXPECT_EQ(platform::sha256Text(read.files[1].sha256), digestB);
    }
}

// A copy through another system's tool ends every line with "\r\n": the manifest reads the same.
TEST(BackupManifest, readsLinesEndedWithACarriageReturnToo) {
    const QByteArray text = manifestText(sample("x.pdf"));
    const BackupManifest read = parseManifest(QByteArray(text).replace("\n", "\r\n"));
    EXPECT_EQ(manifestText(read), text);
}

// Each case changes one thing of a well-formed manifest.
TEST(BackupManifest, refusesWhatItDoesNotWrite) {
    const QByteArray good = manifestText(sample("x.pdf"));
    const QByteArray copyLine = "file\tdocuments/x.pdf\t12\t" + QByteArray::fromStdString(digestB);
    const auto replaced = [&](const QByteArray& from, const QByteArray& to) {
        return QByteArray(good).replace(from, to);
    };
    const struct {
        const char* name;
        QByteArray text;
    } cases[] = {
        {"empty", ""},
        {"another file", "just some text\n"},
        {"another version", replaced("version 1", "version 2")},
        {"no line end at the end", good.chopped(1)},
        {"two carriage returns to a line", replaced("\n", "\r\r\n")},
        {"a carriage return alone", replaced("\n", "\r")},
        {"cut short", good.left(good.indexOf("end\t"))},
        {"a count that does not match", replaced("end\t2", "end\t3")},
        {"something after the end", good + "file\tdocuments/y\t1\t" + digestB.c_str() + "\n"},
        {"a record missing", replaced(QByteArray("taken\t"), "took\t")},
        {"a file twice",
         replaced(copyLine, copyLine + "\n" + copyLine).replace("end\t2", "end\t3")},
        {"a parent part", replaced("documents/x.pdf", "documents/../x.pdf")},
        {"out of the folder", replaced("documents/x.pdf", "../x.pdf")},
        {"an absolute path", replaced("documents/x.pdf", "/etc/passwd")},
        {"an empty part", replaced("documents/x.pdf", "documents//x.pdf")},
        {"a NUL", replaced("documents/x.pdf", "documents/x%00.pdf")},
        {"an unfinished copy", replaced("documents/x.pdf", "documents/.quillox-copy-1f")},
        {"a database copy elsewhere", replaced("main.abs\t", "documents/main.abs\t")},
        {"a broken escape", replaced("documents/x.pdf", "documents/x%4.pdf")},
        {"a raw control character", replaced("documents/x.pdf", "documents/x\r.pdf")},
        {"a size that is no number", replaced("\t12\t", "\t-12\t")},
        {"an upper-case digest", replaced(QByteArray::fromStdString(digestA),
                                          QByteArray::fromStdString(digestA).toUpper())},
        {"a short digest", replaced(QByteArray::fromStdString(digestB), "00")},
        {"a relative store folder", replaced("store\t/home", "store\thome")},
        {"a time that is none", replaced("2025-01-31T", "2025-13-31T")},
    };
    for (const auto& [name, text] : cases) {
        SCOPED_TRACE(name);
        EXPECT_THROW(parseManifest(text), platform::UserError);
    }
}

// Paths of many lengths, over several blocks and one longer than a block, come back as added.
TEST(ManifestFiles, giveBackEveryFileAsAdded) {
    const auto fileNumber = [](int number) {
        platform::Sha256Bytes digest{};
        digest[0] = static_cast<std::uint8_t>(number);
        digest[31] = static_cast<std::uint8_t>(number >> 8);
        const qsizetype length = number == 1000 ? (qsizetype(3) << 20) : number * 7 % 4099;
        return ManifestFile{QByteArray(length, static_cast<char>('a' + number % 26)), number,
                            digest};
    };
    constexpr int count = 3000;
    ManifestFiles files;
    for (int number = 0; number < count; ++number)
        files.add(fileNumber(number));
    ASSERT_EQ(files.size(), std::size_t(count));
    int number = 0;
    for (const ManifestFile& file : files) {
        const ManifestFile added = fileNumber(number++);
        ASSERT_EQ(file.path, added.path) << number;
        ASSERT_EQ(file.size, added.size);
        ASSERT_EQ(file.sha256, added.sha256);
    }
    EXPECT_EQ(number, count);
}

} // namespace
} // namespace quillox::care
