#include "platform/user_error.h"
#include "store/stored_file_name.h"

#include <QTextBoundaryFinder>
#include <gtest/gtest.h>

namespace {

using quillox::store::maxStoredNameCounter;
using quillox::store::storedFileName;

const QString store = "/home/ann/Documents/Quillox/";
const QDateTime evening(QDate(2014, 12, 8), QTime(22, 13, 59));

TEST(StoredFileName, JoinsNameMomentCounterAndExtension) {
    struct Case {
        QString name;
        QString source;
        int counter;
        QString fileName;
    };
    const Case cases[] = {
        {"Invoice", "/scans/march.PDF", 1, "Invoice08.12.2014.22.13.PDF"},
        {"Invoice", "/scans/march", 1, "Invoice08.12.2014.22.13"},
        {"Invoice", "/scans.d/march", 1, "Invoice08.12.2014.22.13"},
        {"Invoice", "/scans/march.tar.gz", 1, "Invoice08.12.2014.22.13.gz"},
        {"Invoice", "/scans/.profile", 1, "Invoice08.12.2014.22.13.profile"},
        {"Invoice", "/scans/march.PDF", 2, "Invoice08.12.2014.22.13 (2).PDF"},
        {"Invoice", "/scans/march", 12, "Invoice08.12.2014.22.13 (12)"},
        {"  Invoice  ", "/scans/march.pdf", 1, "  Invoice  08.12.2014.22.13.pdf"},
        {"O'Neil & \"Sons\"", "/scans/a.pdf", 1, "O'Neil & \"Sons\"08.12.2014.22.13.pdf"},
        {"Счёт 東京", "/scans/a.pdf", 1, "Счёт 東京08.12.2014.22.13.pdf"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.fileName.toStdString());
        EXPECT_EQ(storedFileName(store, c.name, evening, c.source, c.counter), store + c.fileName);
    }
    EXPECT_EQ(
        storedFileName(store, "Bill", QDateTime(QDate(2015, 2, 3), QTime(7, 5)), "/s/a.jpg", 1),
        store + "Bill03.02.2015.07.05.jpg");
}

TEST(StoredFileName, NoNameLeavesTheStoreOrHidesTheCopy) {
    struct Case {
        QString name;
        QString namePart;
    };
    const Case cases[] = {
        {"../../.bashrc", "___.._.bashrc"},
        {"a/b", "a_b"},
        {"..", "__"},
        {".", "_"},
        {".hidden", "_hidden"},
        {"", "Document"},
        {QString("tab\there\nnew") + QChar(0) + QChar(0x7f), "tab_here_new__"},
        {QString("half") + QChar(0xd800) + "pair", "half_pair"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.namePart.toStdString());
        EXPECT_EQ(storedFileName(store, c.name, evening, "/s/a.pdf", 1),
                  store + c.namePart + "08.12.2014.22.13.pdf");
    }
}

// One stretch of text repeated past every limit.
QString repeated(const QString& piece, int times) {
    QString text;
    for (int i = 0; i < times; ++i)
        text += piece;
    return text;
}

TEST(StoredFileName, LongNamesAreCutToFitTheFileSystemAndThePathColumn) {
    const QString deepStore = "/" + repeated("folder/", 57); // 400 bytes
    const QString pieces[] = {"a", "ä", "語", "😀", "e\u0301"};
    for (const QString& folder : {store, deepStore}) {
        for (const QString& piece : pieces) {
            SCOPED_TRACE((folder.left(20) + " " + piece).toStdString());
            const QString name = repeated(piece, 300);
            const QString path =
                storedFileName(folder, name, evening, "/s/a.pdf", maxStoredNameCounter);
            ASSERT_TRUE(path.startsWith(folder));
            ASSERT_TRUE(
                path.endsWith(QString("08.12.2014.22.13 (%1).pdf").arg(maxStoredNameCounter)));
            const QString fileName = path.mid(folder.size());
            EXPECT_LE(fileName.toUtf8().size(), 255);
            EXPECT_LE(path.toUtf8().size(), 500);

            const QString namePart = storedFileName(folder, name, evening, "/s/a.pdf", 1)
                                         .mid(folder.size())
                                         .chopped(QString("08.12.2014.22.13.pdf").size());
            EXPECT_TRUE(name.startsWith(namePart));
            QTextBoundaryFinder characters(QTextBoundaryFinder::Grapheme, name);
            characters.setPosition(namePart.size());
            EXPECT_TRUE(characters.isAtBoundary()) << "cut inside a character";
            // Cut no shorter than the limits ask: one more character would not fit.
            EXPECT_GT(fileName.toUtf8().size() + piece.toUtf8().size(),
                      std::min<qsizetype>(255, 500 - folder.toUtf8().size()));
        }
    }
}

TEST(StoredFileName, AnOverlongExtensionLeavesRoomForTheName) {
    const QString path = storedFileName(store, "Invoice", evening, "/s/a." + repeated("x", 300), 1);
    EXPECT_TRUE(path.startsWith(store + "I"));
    EXPECT_LE(path.mid(store.size()).toUtf8().size(), 255);
}

TEST(StoredFileName, AStoreFolderWithoutRoomForANameIsRefused) {
    const QString tooDeep = "/" + repeated("folder/", 68); // 477 bytes
    EXPECT_THROW(storedFileName(tooDeep, "Invoice", evening, "/s/a.pdf", 1),
                 quillox::platform::UserError);
}

} // namespace
