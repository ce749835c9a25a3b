#include "filing_dialogs_test.h"

#include "app/instances.h"
#include "app/tf_main.h"
#include "app/window_flow.h"
#include "app_run.h"
#include "filing/tf_new_dir.h"
#include "filing/tf_new_doc.h"
#include "scan/tf_scan.h"
#include "store/tdm_data.h"
#include "temp_home.h"
#include "widgets/folder_tree_view.h"
#include "widgets/icon_grid.h"
#include "widgets/picture_button.h"
#include "window_controls.h"
#include "window_driving.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDateTimeEdit>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using quillox::testing::TempHome;

namespace {

struct FolderRow {
    QString name;
    QString parent;
    int picture;
};

QList<FolderRow> folderRows() {
    QList<FolderRow> rows;
    quillox::db::TDbTable& folders = dmData->tFolders;
    for (folders.First(); !folders.Eof(); folders.Next()) {
        rows.append({folders.FieldByName("Name").AsString(),
                     folders.FieldByName("Parent").AsString(),
                     folders.FieldByName("Picture").AsInteger()});
    }
    return rows;
}

} // namespace

void FilingDialogsTest::aNewFolderIsNamedByItsPlaceInTheTree_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("underHome");
    QTest::addColumn<QString>("name");
    QTest::newRow("top level") << "taxes" << false << "TAXES FOLDER";
    QTest::newRow("under a folder") << "taxes" << true << "TAXES SUBFOLDER";
    QTest::newRow("accents kept") << " café o'neil " << false << " CAFé O'NEIL  FOLDER";
    // The field takes what the name keeps whole, whichever the level.
    QTest::newRow("long, under a folder")
        << QString(95, 'x') << true << QString(90, 'X') + " SUBFOLDER";
    QTest::newRow("long, top level") << QString(95, 'x') << false << QString(90, 'X') + " FOLDER";
}

void FilingDialogsTest::aNewFolderIsNamedByItsPlaceInTheTree() {
    QFETCH(QString, typed);
    QFETCH(bool, underHome);
    QFETCH(QString, name);
    TestHome home;
    AppRun run(home);
    makeFolder("home", {}, 3);
    makeFolder(typed, underHome ? "HOME FOLDER" : QString());

    QVERIFY2(home.errors.isEmpty(), qPrintable(home.errors.join('\n')));
    QCOMPARE(fNewDir->result(), int(QDialog::Accepted));
    QVERIFY(!fNewDir->isVisible());
    const QList<FolderRow> rows = folderRows();
    QCOMPARE(rows.size(), 2);
    QCOMPARE(rows[1].name, name);
    QCOMPARE(rows[1].parent, underHome ? QString("HOME FOLDER") : QString("-"));
    dmData->tFolders.First();
    QCOMPARE(dmData->tFolders.FieldByName("ID").AsInteger(), 1);
}

void FilingDialogsTest::anEmptyNameOrATakenNameAddsNoFolder() {
    TestHome home;
    AppRun run(home);
    makeFolder("home");

    // An empty name: nothing happens and the dialog stays open.
    fNewDir->show();
    click(control<quillox::widgets::PictureButton>(fNewDir, "iOkButton"));
    QVERIFY(fNewDir->isVisible());
    QVERIFY(home.errors.isEmpty());

    // Ticking the box, choosing a node and unticking it again gives a top-level name, which
    // is taken.
    control<QLineEdit>(fNewDir, "eNewFolderName")->setText("Home");
    control<QCheckBox>(fNewDir, "cbSubfolder")->click();
    control<quillox::widgets::FolderTreeView>(fNewDir, "tvFolders")
        ->setCurrentItem(
            node(control<quillox::widgets::FolderTreeView>(fNewDir, "tvFolders"), "HOME FOLDER"));
    control<QCheckBox>(fNewDir, "cbSubfolder")->click();
    QVERIFY(!control<quillox::widgets::FolderTreeView>(fNewDir, "tvFolders")->isEnabled());
    click(control<quillox::widgets::PictureButton>(fNewDir, "iOkButton"));
    QCOMPARE(home.errors.size(), 1);
    QVERIFY2(home.errors.front().contains("\"HOME FOLDER\""), qPrintable(home.errors[0]));
    QVERIFY(fNewDir->isVisible());
    QCOMPARE(folderRows().size(), 1);
    fNewDir->bCancelClick();
    QCOMPARE(fNewDir->result(), int(QDialog::Rejected));
}

void FilingDialogsTest::theIconChoiceIsKeptForTheNextFolder() {
    TestHome home;
    AppRun run(home);
    makeFolder("first");
    makeFolder("second", {}, 42);
    makeFolder("third");
    const QList<FolderRow> rows = folderRows();
    QCOMPARE(rows[0].picture, -1);
    QCOMPARE(rows[1].picture, 42);
    QCOMPARE(rows[2].picture, 42);
    QCOMPARE(control<quillox::widgets::IconGrid>(fNewDir, "ilvImageSelect")->count(), 80);
}

void FilingDialogsTest::draggingAFolderNodeReparentsIt() {
    TestHome home;
    AppRun run(home);
    makeFolder("home");
    makeFolder("bank");

    fNewDir->show();
    control<QCheckBox>(fNewDir, "cbSubfolder")->click();
    quillox::widgets::FolderTreeView* tree =
        control<quillox::widgets::FolderTreeView>(fNewDir, "tvFolders");
    QTreeWidgetItem* bank = node(tree, "BANK FOLDER");
    tree->setCurrentItem(bank);
    const QRect target = tree->visualItemRect(node(tree, "HOME FOLDER"));
    tree->OnDragDrop(QPoint(target.left() + 4, target.center().y()));
    fNewDir->bCancelClick();

    // Stored at once, whether the dialog is confirmed or not.
    QCOMPARE(folderRows()[1].parent, QString("HOME FOLDER"));
    fNewDir->show();
    QCOMPARE(node(control<quillox::widgets::FolderTreeView>(fNewDir, "tvFolders"), "BANK FOLDER")
                 ->parent()
                 ->text(0),
             QString("HOME FOLDER"));
    fNewDir->bCancelClick();
}

void FilingDialogsTest::theOkPictureWaitsForPathNameAndFolder() {
    TestHome home;
    AppRun run(home);
    makeFolder("home");
    fNewDoc->Clear();
    fNewDoc->show();
    fNewDoc->FormActivate();
    QVERIFY(!control<quillox::widgets::PictureButton>(fNewDoc, "iOkButton")->isEnabled());

    control<QLineEdit>(fNewDoc, "ePath")->setText("/tmp/x.pdf");
    control<QLineEdit>(fNewDoc, "eDocumentName")->setText("Invoice");
    QVERIFY(!control<quillox::widgets::PictureButton>(fNewDoc, "iOkButton")->isEnabled());
    control<quillox::widgets::FolderTreeView>(fNewDoc, "TreeView1")
        ->setCurrentItem(
            node(control<quillox::widgets::FolderTreeView>(fNewDoc, "TreeView1"), "HOME FOLDER"));
    QVERIFY(control<quillox::widgets::PictureButton>(fNewDoc, "iOkButton")->isEnabled());
    control<QLineEdit>(fNewDoc, "eDocumentName")->clear();
    QVERIFY(!control<quillox::widgets::PictureButton>(fNewDoc, "iOkButton")->isEnabled());
    control<QLineEdit>(fNewDoc, "eDocumentName")->setText(" ");
    QVERIFY(control<quillox::widgets::PictureButton>(fNewDoc, "iOkButton")->isEnabled());

    // Reloading the tree on activation leaves no folder chosen.
    fNewDoc->FormActivate();
    QVERIFY(!control<quillox::widgets::PictureButton>(fNewDoc, "iOkButton")->isEnabled());
    QVERIFY(
        control<quillox::widgets::FolderTreeView>(fNewDoc, "TreeView1")->selectedItems().isEmpty());
}

namespace {

// Keeps activation changes from the window, as a window manager that does not activate it does.
class ActivationSwallower : public QObject {
public:
    explicit ActivationSwallower(QWidget* window) : window_(window) {
        window->installEventFilter(this);
    }
    ~ActivationSwallower() override { window_->removeEventFilter(this); }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        return event->type() == QEvent::ActivationChange;
    }

private:
    QWidget* window_;
};

} // namespace

// A window manager need not activate the window: each filing starts without the folder of the
// one before all the same.
void FilingDialogsTest::aNewFilingStartsWithoutAFolderEvenWhenNotActivated() {
    TestHome home;
    AppRun run(home);
    makeFolder("home");
    quillox::app::handOverFile(home.path() + "/first.pdf");
    QVERIFY(QTest::qWaitForWindowActive(fNewDoc));
    auto* tree = control<quillox::widgets::FolderTreeView>(fNewDoc, "TreeView1");
    auto* ok = control<quillox::widgets::PictureButton>(fNewDoc, "iOkButton");
    tree->setCurrentItem(node(tree, "HOME FOLDER"));
    control<QLineEdit>(fNewDoc, "eDocumentName")->setText("First");
    QVERIFY(ok->isEnabled());
    fNewDoc->bCancelClick();

    // The window is not told that it became active.
    ActivationSwallower notActivated(fNewDoc);
    quillox::app::handOverFile(home.path() + "/second.pdf");
    QTest::qWait(50);
    QVERIFY(tree->selectedItems().isEmpty());
    control<QLineEdit>(fNewDoc, "eDocumentName")->setText("Second");
    QVERIFY(!ok->isEnabled());
}

// Return on the focused "Create folder" opens the folder dialog; it does not file.
void FilingDialogsTest::returnPressesTheFocusedButton() {
    TestHome home;
    AppRun run(home);
    makeFolder("home");
    quillox::app::handOverFile(home.path() + "/letter.pdf");
    QVERIFY(QTest::qWaitForWindowActive(fNewDoc));
    auto* tree = control<quillox::widgets::FolderTreeView>(fNewDoc, "TreeView1");
    tree->setCurrentItem(node(tree, "HOME FOLDER"));
    control<QLineEdit>(fNewDoc, "eDocumentName")->setText("Letter");
    auto* createFolder = control<QPushButton>(fNewDoc, "bNewFolder");
    createFolder->setFocus();
    QVERIFY(showsAModal([&] { QTest::keyClick(createFolder, Qt::Key_Return); }));
    dmData->tDocuments.First();
    QVERIFY(dmData->tDocuments.Eof());
    QVERIFY(fNewDoc->isVisible());
}

void FilingDialogsTest::cancelAndCloseBoxHandBackWithoutFiling() {
    TestHome home;
    AppRun run(home);
    for (bool closeBox : {false, true}) {
        fMain->hide();
        fScan->show();
        fNewDoc->show();
        control<QLineEdit>(fNewDoc, "eDocumentName")->setText("kept");
        if (closeBox)
            fNewDoc->close();
        else
            click(control<quillox::widgets::PictureButton>(fNewDoc, "iCancelButton"));
        QVERIFY(fMain->isVisible());
        QVERIFY(!fNewDoc->isVisible());
        QVERIFY(!fScan->isVisible());
        QCOMPARE(control<QLineEdit>(fNewDoc, "eDocumentName")->text(), QString("kept"));
    }
    dmData->tDocuments.First();
    QVERIFY(dmData->tDocuments.Eof());
}

void FilingDialogsTest::filingEndToEnd() {
    TestHome home;
    AppRun run(home);
    QFile source(home.path() + "/march.PDF");
    QVERIFY(source.open(QIODevice::WriteOnly));
    const QByteArray content = QByteArray("%PDF-1.4 a real enough file\n").repeated(5000);
    source.write(content);
    source.close();

    // Handed over as the main window does with a dropped file.
    fNewDoc->Clear();
    control<QLineEdit>(fNewDoc, "ePath")->setText(source.fileName());
    fMain->hide();
    fNewDoc->show();
    fNewDoc->FormActivate();

    // The folder is made with the new folder dialog, opened modally from the window.
    QTimer::singleShot(0, [] {
        control<QLineEdit>(fNewDir, "eNewFolderName")->setText("Taxes");
        click(control<quillox::widgets::PictureButton>(fNewDir, "iOkButton"));
    });
    control<QPushButton>(fNewDoc, "bNewFolder")->click();
    QTreeWidgetItem* folder =
        node(control<quillox::widgets::FolderTreeView>(fNewDoc, "TreeView1"), "TAXES FOLDER");
    QVERIFY(folder);
    control<quillox::widgets::FolderTreeView>(fNewDoc, "TreeView1")->setCurrentItem(folder);
    control<QLineEdit>(fNewDoc, "eDocumentName")->setText("Invoice");
    control<QLineEdit>(fNewDoc, "eDescription")->setText("Water, March");
    control<QLineEdit>(fNewDoc, "eTagWords")->setText("tax  water 'march bill'");
    control<QDateTimeEdit>(fNewDoc, "dtpDate")->setDate(QDate(2014, 3, 8));
    click(control<quillox::widgets::PictureButton>(fNewDoc, "iOkButton"));

    QVERIFY2(home.errors.isEmpty(), qPrintable(home.errors.join('\n')));
    QVERIFY(fMain->isVisible());
    QVERIFY(!fNewDoc->isVisible());
    QVERIFY(control<QLineEdit>(fNewDoc, "ePath")->text().isEmpty());

    quillox::db::TDbTable& documents = dmData->tDocuments;
    documents.First();
    QVERIFY(!documents.Eof());
    QCOMPARE(documents.FieldByName("ID").AsInteger(), 1);
    QCOMPARE(documents.FieldByName("Document_Name").AsString(), QString("Invoice"));
    QCOMPARE(documents.FieldByName("Description").AsString(), QString("Water, March"));
    QCOMPARE(documents.FieldByName("Tag_Words").AsString(), QString("TAX  WATER 'MARCH BILL'"));
    QCOMPARE(documents.FieldByName("Folder").AsString(), QString("TAXES FOLDER"));
    QCOMPARE(documents.FieldByName("InputDate").AsDateTime().date(), QDate(2014, 3, 8));
    const QString stored = documents.FieldByName("Path").AsString();
    QVERIFY2(stored.startsWith(home.storeFolder() + "Invoice") && stored.endsWith(".PDF"),
             qPrintable(stored));
    QFile copy(stored);
    QVERIFY(copy.open(QIODevice::ReadOnly));
    QCOMPARE(copy.readAll(), content);
    QVERIFY(QFile::exists(source.fileName()));

    QStringList terms;
    quillox::db::TDbTable& vocabulary = dmData->tSearchTerms;
    for (vocabulary.First(); !vocabulary.Eof(); vocabulary.Next())
        terms << vocabulary.FieldByName("Term").AsString();
    QCOMPARE(terms, QStringList({"TAX", "WATER", "'MARCH BILL'"}));
}

// A 10,000-character paste into each field leaves what its column keeps, cut between two
// characters; the row then holds exactly what the fields show, and the last tag word shown is
// in the vocabulary.
void FilingDialogsTest::longTextIsCutInTheFieldsNotInTheRow() {
    TestHome home;
    AppRun run(home);
    makeFolder("home");
    QFile source(home.path() + "/long.pdf");
    QVERIFY(source.open(QIODevice::WriteOnly));
    source.write("%PDF-1.4\n");
    source.close();
    fNewDoc->Clear();
    control<QLineEdit>(fNewDoc, "ePath")->setText(source.fileName());
    fNewDoc->show();
    fNewDoc->FormActivate();

    // Five bytes a "Zoë ": each field's width falls inside an ë.
    const QString pasted = "ab" + QString("Zoë ").repeated(2500);
    struct Field {
        const char* name;
        QString shown;
    };
    const Field fields[] = {
        {"eDocumentName", "ab" + QString("Zoë ").repeated(19) + "Zo"},
        {"eDescription", "ab" + QString("Zoë ").repeated(28) + "Zo"},
        {"eTagWords", "ab" + QString("Zoë ").repeated(99) + "Zo"},
    };
    for (const Field& field : fields) {
        auto* edit = control<QLineEdit>(fNewDoc, field.name);
        QApplication::clipboard()->setText(pasted);
        edit->paste();
        QCOMPARE(edit->text(), field.shown);
    }
    auto* tree = control<quillox::widgets::FolderTreeView>(fNewDoc, "TreeView1");
    tree->setCurrentItem(node(tree, "HOME FOLDER"));
    click(control<quillox::widgets::PictureButton>(fNewDoc, "iOkButton"));
    QVERIFY2(home.errors.isEmpty(), qPrintable(home.errors.join('\n')));

    quillox::db::TDbTable& documents = dmData->tDocuments;
    documents.First();
    QVERIFY(!documents.Eof());
    QCOMPARE(documents.FieldByName("Document_Name").AsString(), fields[0].shown);
    QCOMPARE(documents.FieldByName("Description").AsString(), fields[1].shown);
    QCOMPARE(documents.FieldByName("Tag_Words").AsString(),
             "AB" + QString("ZOë ").repeated(99) + "ZO");
    QStringList terms;
    quillox::db::TDbTable& vocabulary = dmData->tSearchTerms;
    for (vocabulary.First(); !vocabulary.Eof(); vocabulary.Next())
        terms << vocabulary.FieldByName("Term").AsString();
    QCOMPARE(terms, QStringList({"ABZOë", "ZOë", "ZO"}));
}
