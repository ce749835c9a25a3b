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
        fNewDir->eNewFolderName->setText(name);
        if (!parent.isEmpty()) {
            fNewDir->cbSubfolder->click();
            fNewDir->tvFolders->setCurrentItem(node(fNewDir->tvFolders, parent));
        }
        click(fNewDir->iOkButton);
    });
    fNewDoc->bNewFolder->click();
}

} // namespace

void EndToEndTest::fileBrowseMoveSearchAndDeleteAcrossRestarts() {
    TempHome home;
    const QString source = home.path() + "/water bill.pdf";
    QFile file(source);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("%PDF-1.4 water bill for March");
    file.close();
    QString stored;
    {
        ReportedErrors errors;
        AppRun run(errors);
        dropFiles(fMain, {80, 100}, {source});
        QVERIFY(fNewDoc->isVisible());
        fNewDoc->FormActivate();
        createFolderFromTheForm("Taxes");
        createFolderFromTheForm("2014", "TAXES FOLDER");
        fNewDoc->TreeView1->setCurrentItem(node(fNewDoc->TreeView1, "TAXES FOLDER"));
        fNewDoc->eDocumentName->setText("Water bill");
        fNewDoc->eTagWords->setText("water march");
        fNewDoc->dtpDate->setDate({2014, 3, 8});
        click(fNewDoc->iOkButton);
        QVERIFY(fMain->isVisible());

        click(fMain->iBrowseBotButton);
        clickTile("TAXES FOLDER");
        QCOMPARE(gridColumn(*fBrowse->dbgFiles, 0), QStringList({"Water bill"}));
        stored = *fBrowse->dbgFiles->CurrentText("Path");
        chooseMenuItem("&Move");
        doubleClickFirstRow(fBrowse->dbgFiles);
        fMoveDoc->TreeView1->setCurrentItem(node(fMoveDoc->TreeView1, "2014 SUBFOLDER"));
        click(fMoveDoc->iOkButton);
        QVERIFY(fBrowse->isVisible());
        QVERIFY2(errors.messages.isEmpty(), qPrintable(errors.messages.join('\n')));
    }
    {
        ReportedErrors errors;
        AppRun run(errors);
        click(fMain->iBrowseBotButton);
        click(fBrowse->iSearchButton);
        fSearch->dtpFrom->setDate({2014, 1, 1});
        fSearch->dtpTo->setDate({2014, 6, 30});
        click(fSearch->iSearchButton);
        QCOMPARE(gridColumn(*fSearch->dbgFiles, 0), QStringList({"Water bill"}));
        fSearch->cbSearchTerm->setEditText("march");
        click(fSearch->iSearchButton);
        QCOMPARE(gridColumn(*fSearch->dbgFiles, 2), QStringList({"2014 SUBFOLDER"}));
        doubleClickFirstRow(fSearch->dbgFiles);
        QCOMPARE(fBrowse->currentFolder(), QString("2014 SUBFOLDER"));

        chooseMenuItem("&Delete");
        answerBox("&Yes");
        doubleClickFirstRow(fBrowse->dbgFiles);
        QCOMPARE(fBrowse->dbgFiles->RowCount(), 0);
        QVERIFY2(errors.messages.isEmpty(), qPrintable(errors.messages.join('\n')));
    }
    {
        ReportedErrors errors;
        AppRun run(errors);
        dmData->tDocuments.First();
        QVERIFY(dmData->tDocuments.Eof());
        fSearch->show();
        QCOMPARE(fSearch->dbgFiles->RowCount(), 0);
        // Deleting removes the row only; the stored copy stays in the store.
        QVERIFY(QFile::exists(stored));
    }
}
