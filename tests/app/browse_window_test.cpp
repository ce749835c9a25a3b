#include "browse_window_test.h"

#include "app/tf_main.h"
#include "app_run.h"
#include "platform/handler_guard.h"
#include "retrieval/tf_browse.h"
#include "retrieval/tf_move_doc.h"
#include "store/misc_ops.h"
#include "store/tdm_data.h"
#include "store_damage.h"
#include "temp_home.h"
#include "url_recorder.h"
#include "widgets/artwork.h"
#include "widgets/captioned_image.h"
#include "widgets/dataset_grid.h"
#include "widgets/folder_tree_view.h"
#include "widgets/picture_button.h"
#include "widgets/tile_flow_panel.h"
#include "window_controls.h"
#include "window_driving.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QProgressDialog>
#include <QTest>

using quillox::testing::TempHome;
using quillox::widgets::TCaptionedImage;

namespace {

const QString caption = "Quillox - View your documents here!";

QStringList tileCaptions() {
    const auto* panel = control<quillox::widgets::TileFlowPanel>(fBrowse, "FlowPanel1");
    QStringList captions;
    for (int index = 0; index < panel->TileCount(); ++index)
        captions << panel->TileAt(index).caption;
    return captions;
}

// A tree of three levels with documents in the first two.
void fileTheSampleTree(const TempHome& home) {
    addFolderRow("A FOLDER", "-", 3);
    addFolderRow("X FOLDER", "-");
    addFolderRow("B SUBFOLDER", "A FOLDER", 7);
    addFolderRow("C SUBFOLDER", "B SUBFOLDER");
    fileSample(home, "Invoice", "A FOLDER", "TAX", {2014, 3, 8});
    fileSample(home, "Receipt", "A FOLDER", "BANK", {2014, 4, 1});
    fileSample(home, "Deep", "B SUBFOLDER", "TAX", {2014, 5, 2});
}

// The document rows' names, in the table's order.
QStringList documentNames() {
    QStringList names;
    quillox::db::TDbTable& documents = dmData->tDocuments;
    for (documents.First(); !documents.Eof(); documents.Next())
        names << documents.FieldByName("Document_Name").AsString();
    return names;
}

} // namespace

void BrowseWindowTest::showItemsBuildsTheLevelAndItsCaptions() {
    TestHome home;
    AppRun run(home);
    fileTheSampleTree(home);
    fMain->iBrowseBotButtonClick();

    QCOMPARE(fBrowse->windowTitle(), caption);
    QCOMPARE(control<QLabel>(fBrowse, "Label1")->text(), QString("Documents:"));
    QVERIFY(!control<quillox::widgets::PictureButton>(fBrowse, "iUpButton")->isVisible());
    QVERIFY(!control<quillox::widgets::PictureButton>(fBrowse, "iDeleteButton")->isVisible());
    QCOMPARE(tileCaptions(), QStringList({"A FOLDER", "X FOLDER"}));
    QVERIFY(dmData->tFolders.Eof());
    QVERIFY(!dmData->tFolders.Filtered());

    // The icon stands on the panel: its see-through parts show nothing, its middle shows.
    const QImage shown = browseTile("X FOLDER")->Image()->Picture();
    const QImage blank = quillox::artwork::blankSheet();
    QCOMPARE(shown.size(), QSize(100, 100));
    QCOMPARE(qAlpha(shown.pixel(0, 99)), 0);
    QCOMPARE(shown.pixel(50, 50), blank.pixel(50, 50));
    QCOMPARE(browseTile("A FOLDER")->Image()->Picture().pixel(50, 50),
             quillox::artwork::folderIcons()[3].pixel(50, 50));
    QCOMPARE(browseTile("A FOLDER")->cursor().shape(), Qt::PointingHandCursor);

    fBrowse->showItems("C SUBFOLDER");
    const QString path = "(A FOLDER - B SUBFOLDER - C SUBFOLDER)";
    QCOMPARE(fBrowse->windowTitle(), caption + " " + path);
    QCOMPARE(control<QLabel>(fBrowse, "Label1")->text(), "Documents: " + path);
    QVERIFY(control<quillox::widgets::PictureButton>(fBrowse, "iUpButton")->isVisible());
    QVERIFY(control<quillox::widgets::PictureButton>(fBrowse, "iDeleteButton")->isVisible());
    QCOMPARE(dmData->tFolders.FieldByName("Name").AsString(), QString("C SUBFOLDER"));
    QVERIFY(home.errors.isEmpty());
}

void BrowseWindowTest::upAndTilesWalkTheTree() {
    TestHome home;
    AppRun run(home);
    fileTheSampleTree(home);
    fBrowse->show();
    clickTile("A FOLDER");
    QCOMPARE(fBrowse->currentFolder(), QString("A FOLDER"));
    QCOMPARE(tileCaptions(), QStringList({"B SUBFOLDER"}));
    clickTile("B SUBFOLDER");
    clickTile("C SUBFOLDER");
    QVERIFY(tileCaptions().isEmpty());
    for (const QString expected : {"B SUBFOLDER", "A FOLDER", "-"}) {
        click(control<quillox::widgets::PictureButton>(fBrowse, "iUpButton"));
        QCOMPARE(fBrowse->currentFolder(), expected);
    }
    QVERIFY(fBrowse->topLevel());

    // Every showing starts at the top level; the back picture and the close box hand back.
    fBrowse->showItems("A FOLDER");
    fBrowse->hide();
    fBrowse->show();
    QVERIFY(fBrowse->topLevel());
    for (bool closeBox : {false, true}) {
        dmData->tFolders.SetFiltered(true);
        if (closeBox)
            fBrowse->close();
        else
            click(control<quillox::widgets::PictureButton>(fBrowse, "iBackButton"));
        QVERIFY(fMain->isVisible());
        QVERIFY(!fBrowse->isVisible());
        QVERIFY(!dmData->tFolders.Filtered());
        fBrowse->show();
    }
}

void BrowseWindowTest::theGridListsTheFoldersOwnDocuments() {
    TestHome home;
    AppRun run(home);
    fileTheSampleTree(home);
    fBrowse->show();
    QCOMPARE(control<quillox::widgets::DatasetGrid>(fBrowse, "dbgFiles")->rowCount(), 0);
    fBrowse->showItems("A FOLDER");
    const auto* grid = control<quillox::widgets::DatasetGrid>(fBrowse, "dbgFiles");
    QCOMPARE(gridColumn(*grid, 0), QStringList({"Invoice", "Receipt"}));
    QCOMPARE(gridColumn(*grid, 1), QStringList({"about Invoice", "about Receipt"}));
    QCOMPARE(gridColumn(*grid, 2)[0], QLocale().toString(QDate(2014, 3, 8), QLocale::ShortFormat));
    const QStringList titles{"Document Name", "Description", "Date Submitted"};
    const QList<int> widths{232, 290, 108};
    for (int column = 0; column < 3; ++column) {
        QCOMPARE(grid->model()->headerData(column, Qt::Horizontal).toString(), titles[column]);
        QCOMPARE(grid->columnWidth(column), widths[column]);
    }
    // Nothing to act on in an empty folder: a double-click opens no menu.
    fBrowse->showItems("X FOLDER");
    QVERIFY(!showsAModal(
        [] { doubleClickFirstRow(control<quillox::widgets::DatasetGrid>(fBrowse, "dbgFiles")); }));
}

void BrowseWindowTest::deletingADocumentAsksByName_data() {
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QStringList>("left");
    QTest::newRow("no") << "&No" << QStringList({"Invoice", "Receipt", "Deep"});
    QTest::newRow("yes") << "&Yes" << QStringList({"Receipt", "Deep"});
}

void BrowseWindowTest::deletingADocumentAsksByName() {
    QFETCH(QString, answer);
    QFETCH(QStringList, left);
    TestHome home;
    AppRun run(home);
    fileTheSampleTree(home);
    fBrowse->show();
    fBrowse->showItems("A FOLDER");
    const QString stored =
        *control<quillox::widgets::DatasetGrid>(fBrowse, "dbgFiles")->currentText("Path");

    QString asked;
    answerBox(answer, &asked);
    chooseMenuItem("&Delete");
    doubleClickFirstRow(control<quillox::widgets::DatasetGrid>(fBrowse, "dbgFiles"));

    QCOMPARE(asked, QString("Confirm|Are you sure you wish to remove file \"Invoice\"?  This "
                            "operation is not reversible.|&No"));
    QCOMPARE(documentNames(), left);
    QCOMPARE(gridColumn(*control<quillox::widgets::DatasetGrid>(fBrowse, "dbgFiles"), 0),
             left.mid(0, left.size() - 1));
    QVERIFY(QFile::exists(stored));
}

void BrowseWindowTest::deletingTheFolderAsksAndShowsItsParent() {
    TestHome home;
    AppRun run(home);
    fileTheSampleTree(home);
    fBrowse->show();
    fBrowse->showItems("B SUBFOLDER");

    answerBox("Cancel");
    click(control<quillox::widgets::PictureButton>(fBrowse, "iDeleteButton"));
    QCOMPARE(fBrowse->currentFolder(), QString("B SUBFOLDER"));
    QCOMPARE(documentNames().size(), 3);

    QString asked;
    answerBox("OK", &asked);
    click(control<quillox::widgets::PictureButton>(fBrowse, "iDeleteButton"));
    QCOMPARE(asked, QString("Confirm|Are you sure that you would like to delete folder B "
                            "SUBFOLDER, all its subfolders and documents?|OK"));
    QCOMPARE(fBrowse->currentFolder(), QString("A FOLDER"));
    QVERIFY(tileCaptions().isEmpty());
    QCOMPARE(documentNames(), QStringList({"Invoice", "Receipt"}));
}

void BrowseWindowTest::openAndExportUseTheStoredCopy() {
    TestHome home;
    AppRun run(home);
    UrlRecorder desktop;
    fileTheSampleTree(home);
    fBrowse->show();
    fBrowse->showItems("A FOLDER");
    const QString stored =
        *control<quillox::widgets::DatasetGrid>(fBrowse, "dbgFiles")->currentText("Path");

    // Open is the menu's default item, shown in bold.
    QCOMPARE(control<QMenu>(fBrowse, "PopupMenu1")->defaultAction(),
             control<QAction>(fBrowse, "miOpen"));
    QCOMPARE(control<QMenu>(fBrowse, "PopupMenu1")->actions(),
             QList<QAction*>(
                 {control<QAction>(fBrowse, "miOpen"), control<QAction>(fBrowse, "miExport"),
                  control<QAction>(fBrowse, "miMove"), control<QAction>(fBrowse, "Delete1")}));
    chooseMenuItem("&Open");
    doubleClickFirstRow(control<quillox::widgets::DatasetGrid>(fBrowse, "dbgFiles"));
    QCOMPARE(desktop.opened, QList<QUrl>({QUrl::fromLocalFile(stored)}));

    const QString target = home.path() + "/exported.txt";
    answerSaveDialog(target);
    chooseMenuItem("&Export");
    doubleClickFirstRow(control<quillox::widgets::DatasetGrid>(fBrowse, "dbgFiles"));
    QFile copy(target);
    QVERIFY(copy.open(QIODevice::ReadOnly));
    QCOMPARE(copy.readAll(), QByteArray("Invoice"));
    QVERIFY(QFile::exists(stored));
    QVERIFY2(home.errors.isEmpty(), qPrintable(home.errors.join('\n')));
}

// A large export shows its progress, and its Cancel leaves nothing where the user aimed it.
void BrowseWindowTest::aCancelledExportLeavesNoTarget() {
    TestHome home;
    AppRun run(home);
    fileTheSampleTree(home);
    fBrowse->show();
    fBrowse->showItems("A FOLDER");
    QFile stored(*control<quillox::widgets::DatasetGrid>(fBrowse, "dbgFiles")->currentText("Path"));
    // Long enough to copy that the dialog shows on any disk; sparse, so nothing is written.
    QVERIFY(stored.resize(qint64(1) << 30));

    const QDir exports(home.path() + "/exports");
    QVERIFY(exports.mkpath("."));
    QString caption;
    whenModalShows([](QWidget& shown) { return qobject_cast<QProgressDialog*>(&shown); },
                   [&caption](QWidget& shown) {
                       auto* progress = qobject_cast<QProgressDialog*>(&shown);
                       caption = progress->labelText();
                       progress->cancel();
                   });
    answerSaveDialog(exports.filePath("exported.txt"));
    chooseMenuItem("&Export");
    doubleClickFirstRow(control<quillox::widgets::DatasetGrid>(fBrowse, "dbgFiles"));

    QCOMPARE(caption, QString("Exporting \"exported.txt\""));
    QCOMPARE(exports.entryList(QDir::Files | QDir::Hidden), QStringList());
    QVERIFY2(home.errors.isEmpty(), qPrintable(home.errors.join('\n')));
}

void BrowseWindowTest::aMissingStoredCopyIsReported() {
    TestHome home;
    AppRun run(home);
    UrlRecorder desktop;
    fileTheSampleTree(home);
    fBrowse->show();
    fBrowse->showItems("A FOLDER");
    QVERIFY(QFile::remove(
        *control<quillox::widgets::DatasetGrid>(fBrowse, "dbgFiles")->currentText("Path")));

    quillox::platform::runHandler([] { fBrowse->miOpenClick(); });
    QVERIFY(!showsAModal([] { quillox::platform::runHandler([] { fBrowse->miExportClick(); }); }));
    QCOMPARE(home.errors.size(), 2);
    for (const QString& message : home.errors)
        QVERIFY2(message.contains("could not be read"), qPrintable(message));
    QVERIFY(desktop.opened.isEmpty());
}

void BrowseWindowTest::moveDialogMovesTheDocumentOnlyWithADestination() {
    TestHome home;
    AppRun run(home);
    fileTheSampleTree(home);
    fBrowse->show();
    fBrowse->showItems("A FOLDER");
    control<quillox::widgets::DatasetGrid>(fBrowse, "dbgFiles")->selectRow(1);
    const QString stored = home.storeFolder();

    // Cancel and the close box change nothing and go back to the browse window's top level.
    for (bool closeBox : {false, true}) {
        fBrowse->miMoveClick();
        QVERIFY(fMoveDoc->isVisible());
        QVERIFY(!fBrowse->isVisible());
        QCOMPARE(dmData->tDocuments.FieldByName("Document_Name").AsString(), QString("Receipt"));
        if (closeBox)
            fMoveDoc->close();
        else
            click(control<quillox::widgets::PictureButton>(fMoveDoc, "iCancelButton"));
        QVERIFY(!fMoveDoc->isVisible());
        QVERIFY(fBrowse->isVisible());
        QVERIFY(fBrowse->topLevel());
        fBrowse->showItems("A FOLDER");
        control<quillox::widgets::DatasetGrid>(fBrowse, "dbgFiles")->selectRow(1);
    }

    chooseMenuItem("&Move");
    QTest::mouseDClick(
        control<quillox::widgets::DatasetGrid>(fBrowse, "dbgFiles")->viewport(), Qt::LeftButton, {},
        control<quillox::widgets::DatasetGrid>(fBrowse, "dbgFiles")
            ->visualRect(
                control<quillox::widgets::DatasetGrid>(fBrowse, "dbgFiles")->model()->index(1, 0))
            .center());
    QVERIFY(fMoveDoc->isVisible());
    QVERIFY(!control<quillox::widgets::PictureButton>(fMoveDoc, "iOkButton")->isEnabled());
    click(control<quillox::widgets::PictureButton>(fMoveDoc, "iOkButton"));
    QVERIFY(fMoveDoc->isVisible());
    control<quillox::widgets::FolderTreeView>(fMoveDoc, "TreeView1")
        ->setCurrentItem(
            node(control<quillox::widgets::FolderTreeView>(fMoveDoc, "TreeView1"), "C SUBFOLDER"));
    QVERIFY(control<quillox::widgets::PictureButton>(fMoveDoc, "iOkButton")->isEnabled());
    const QString path = dmData->tDocuments.FieldByName("Path").AsString();
    click(control<quillox::widgets::PictureButton>(fMoveDoc, "iOkButton"));
    QVERIFY(!fMoveDoc->isVisible());
    QVERIFY(fBrowse->topLevel());

    fBrowse->showItems("C SUBFOLDER");
    QCOMPARE(gridColumn(*control<quillox::widgets::DatasetGrid>(fBrowse, "dbgFiles"), 0),
             QStringList({"Receipt"}));
    QCOMPARE(control<quillox::widgets::DatasetGrid>(fBrowse, "dbgFiles")->currentText("Path"),
             path);
    QVERIFY(QFile::exists(path));
    fBrowse->showItems("A FOLDER");
    QCOMPARE(gridColumn(*control<quillox::widgets::DatasetGrid>(fBrowse, "dbgFiles"), 0),
             QStringList({"Invoice"}));
    QVERIFY2(home.errors.isEmpty(), qPrintable(home.errors.join('\n')));
}

void BrowseWindowTest::namesWithQuotesBrowse() {
    TestHome home;
    AppRun run(home);
    addFolderRow("O'NEIL FOLDER", "-");
    addFolderRow("SAY \"HI\" SUBFOLDER", "O'NEIL FOLDER");
    fileSample(home, "Letter", "O'NEIL FOLDER", "O'NEIL", {2014, 1, 2});
    fBrowse->show();
    clickTile("O'NEIL FOLDER");
    QCOMPARE(tileCaptions(), QStringList({"SAY \"HI\" SUBFOLDER"}));
    QCOMPARE(gridColumn(*control<quillox::widgets::DatasetGrid>(fBrowse, "dbgFiles"), 0),
             QStringList({"Letter"}));
    clickTile("SAY \"HI\" SUBFOLDER");
    QCOMPARE(fBrowse->windowTitle(), caption + " (O'NEIL FOLDER - SAY \"HI\" SUBFOLDER)");
    QVERIFY2(home.errors.isEmpty(), qPrintable(home.errors.join('\n')));
}

void BrowseWindowTest::commandsNeverActOnAnUnrelatedFolder() {
    TestHome home;
    AppRun run(home);
    fileTheSampleTree(home);
    fileSample(home, "Orphan", "GONE FOLDER", "", {2014, 1, 2});
    fBrowse->show();

    // A folder without a row: Delete folder does nothing, Up leads to the top level.
    fBrowse->showItems("GONE FOLDER");
    QCOMPARE(gridColumn(*control<quillox::widgets::DatasetGrid>(fBrowse, "dbgFiles"), 0),
             QStringList({"Orphan"}));
    QVERIFY(!showsAModal(
        [] { click(control<quillox::widgets::PictureButton>(fBrowse, "iDeleteButton")); }));
    QCOMPARE(documentNames().size(), 4);
    click(control<quillox::widgets::PictureButton>(fBrowse, "iUpButton"));
    QVERIFY(fBrowse->topLevel());

    // A tile whose folder is gone does nothing.
    TCaptionedImage* stale = browseTile("X FOLDER");
    dmData->deleteFolder("X FOLDER");
    QTest::mouseClick(stale, Qt::LeftButton, {}, QPoint(50, 50));
    QVERIFY(fBrowse->topLevel());
    QVERIFY(home.errors.isEmpty());
}

// Only the rows in sight are made into tiles; the last of a thousand is scrolled to and opens.
void BrowseWindowTest::aFarTileOfALargeLevelIsReachedAndClicked() {
    TestHome home;
    AppRun run(home);
    // In one transaction, as another program would write them: a thousand durable posts take
    // seconds.
    quillox::testing::runWithSqlite(
        quillox::store::getDatabaseFile(),
        "WITH RECURSIVE n(i) AS (SELECT 0 UNION ALL SELECT i + 1 FROM n WHERE i < 999) "
        "INSERT INTO Folders (ID, Name, Parent, Picture) "
        "SELECT i + 1, printf('F%04d FOLDER', i), '-', i % 80 FROM n");
    addFolderRow("INSIDE SUBFOLDER", "F0999 FOLDER");
    fMain->iBrowseBotButtonClick();
    QVERIFY(fBrowse->isVisible());
    QCOMPARE(tileCaptions().size(), 1000);
    QVERIFY(fBrowse->findChildren<TCaptionedImage*>().size() < 100);

    clickTile("F0999 FOLDER");
    QCOMPARE(fBrowse->currentFolder(), QString("F0999 FOLDER"));
    QCOMPARE(tileCaptions(), QStringList({"INSIDE SUBFOLDER"}));
    QVERIFY2(home.errors.isEmpty(), qPrintable(home.errors.join('\n')));
}
