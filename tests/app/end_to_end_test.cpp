#include "end_to_end_test.h"

#include "app/tf_main.h"
#include "app_run.h"
#include "filing/tf_new_dir.h"
#include "filing/tf_new_doc.h"
#include "retrieval/tf_browse.h"
#include "retrieval/tf_move_doc.h"
#include "retrieval/tf_search.h"
#include "store/tdm_data.h"
#include "temp_home.h"
#include "widgets/captioned_image.h"
#include "widgets/dataset_grid.h"
#include "widgets/folder_tree_view.h"
#include "widgets/picture_button.h"
#include "window_controls.h"
#include "window_driving.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QFile>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <optional>

using quillox::testing::TempHome;

namespace {

// Makes a folder from the new document window's "Create folder" button.
void createFolderFromTheForm(const QString& name, const QString& parent = {}) {
    QTimer::singleShot(0, [name, parent] {
        control<QLineEdit>(fNewDir, "eNewFolderName")->setText(name);
        if (!parent.isEmpty()) {
            control<QCheckBox>(fNewDir, "cbSubfolder")->click();
            control<quillox::widgets::FolderTreeView>(fNewDir, "tvFolders")
                ->setCurrentItem(
                    node(control<quillox::widgets::FolderTreeView>(fNewDir, "tvFolders"), parent));
        }
        click(control<quillox::widgets::PictureButton>(fNewDir, "iOkButton"));
    });
    control<QPushButton>(fNewDoc, "bNewFolder")->click();
}

} // namespace

void EndToEndTest::fileBrowseMoveSearchAndDeleteAcrossRestarts() {
    TestHome home;
    const QString source = home.path() + "/water bill.pdf";
    QFile file(source);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("%PDF-1.4 water bill for March");
    file.close();
    QString stored;
    {
        AppRun run(home);
        dropFiles(fMain, {80, 100}, {source});
        QVERIFY(fNewDoc->isVisible());
        fNewDoc->FormActivate();
        createFolderFromTheForm("Taxes");
        createFolderFromTheForm("2014", "TAXES FOLDER");
        control<quillox::widgets::FolderTreeView>(fNewDoc, "TreeView1")
            ->setCurrentItem(node(control<quillox::widgets::FolderTreeView>(fNewDoc, "TreeView1"),
                                  "TAXES FOLDER"));
        control<QLineEdit>(fNewDoc, "eDocumentName")->setText("Water bill");
        control<QLineEdit>(fNewDoc, "eTagWords")->setText("water march");
        control<QDateTimeEdit>(fNewDoc, "dtpDate")->setDate({2014, 3, 8});
        click(control<quillox::widgets::PictureButton>(fNewDoc, "iOkButton"));
        QVERIFY(fMain->isVisible());

        click(control<quillox::widgets::PictureButton>(fMain, "iBrowseBotButton"));
        clickTile("TAXES FOLDER");
        QCOMPARE(gridColumn(*control<quillox::widgets::DatasetGrid>(fBrowse, "dbgFiles"), 0),
                 QStringList({"Water bill"}));
        stored = *control<quillox::widgets::DatasetGrid>(fBrowse, "dbgFiles")->currentText("Path");
        chooseMenuItem("&Move");
        doubleClickFirstRow(control<quillox::widgets::DatasetGrid>(fBrowse, "dbgFiles"));
        control<quillox::widgets::FolderTreeView>(fMoveDoc, "TreeView1")
            ->setCurrentItem(node(control<quillox::widgets::FolderTreeView>(fMoveDoc, "TreeView1"),
                                  "2014 SUBFOLDER"));
        click(control<quillox::widgets::PictureButton>(fMoveDoc, "iOkButton"));
        QVERIFY(fBrowse->isVisible());
        QVERIFY2(home.errors.isEmpty(), qPrintable(home.errors.join('\n')));
    }
    {
        AppRun run(home);
        click(control<quillox::widgets::PictureButton>(fMain, "iBrowseBotButton"));
        click(control<quillox::widgets::PictureButton>(fBrowse, "iSearchButton"));
        control<QDateEdit>(fSearch, "dtpFrom")->setDate({2014, 1, 1});
        control<QDateEdit>(fSearch, "dtpTo")->setDate({2014, 6, 30});
        click(control<quillox::widgets::PictureButton>(fSearch, "iSearchButton"));
        QCOMPARE(gridColumn(*control<quillox::widgets::DatasetGrid>(fSearch, "dbgFiles"), 0),
                 QStringList({"Water bill"}));
        control<QComboBox>(fSearch, "cbSearchTerm")->setEditText("march");
        click(control<quillox::widgets::PictureButton>(fSearch, "iSearchButton"));
        QCOMPARE(gridColumn(*control<quillox::widgets::DatasetGrid>(fSearch, "dbgFiles"), 2),
                 QStringList({"2014 SUBFOLDER"}));
        doubleClickFirstRow(control<quillox::widgets::DatasetGrid>(fSearch, "dbgFiles"));
        QCOMPARE(fBrowse->currentFolder(), QString("2014 SUBFOLDER"));

        chooseMenuItem("&Delete");
        answerBox("&Yes");
        doubleClickFirstRow(control<quillox::widgets::DatasetGrid>(fBrowse, "dbgFiles"));
        QCOMPARE(control<quillox::widgets::DatasetGrid>(fBrowse, "dbgFiles")->rowCount(), 0);
        QVERIFY2(home.errors.isEmpty(), qPrintable(home.errors.join('\n')));
    }
    {
        AppRun run(home);
        dmData->tDocuments.First();
        QVERIFY(dmData->tDocuments.Eof());
        fSearch->show();
        QCOMPARE(control<quillox::widgets::DatasetGrid>(fSearch, "dbgFiles")->rowCount(), 0);
        // Deleting removes the row only; the stored copy stays in the store.
        QVERIFY(QFile::exists(stored));
    }
}
