// Retrieval windows built on their own, without the application or any other window: what each
// says to the rest of the program goes out as signals, and its writes land in the store.

#include "retrieval/tf_move_doc.h"
#include "retrieval/tf_search.h"
#include "store/add_folder.h"
#include "store/file_document.h"
#include "store/locate_row.h"
#include "store/table_names.h"
#include "store/tdm_data.h"
#include "temp_home.h"
#include "test_classes.h"
#include "widgets/dataset_grid.h"
#include "widgets/folder_tree_view.h"
#include "widgets/picture_button.h"
#include "window_controls.h"

#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QFile>
#include <QSignalSpy>
#include <QTest>
#include <memory>

using quillox::testing::TempHome;
using quillox::widgets::FolderTreeView;
using quillox::widgets::PictureButton;

namespace {

// A store of two folders and one document in the first, the document's row current.
class SampleStore {
public:
    SampleStore() {
        data.DataModuleCreate();
        quillox::store::addFolder(data.tFolders, "OLD FOLDER",
                                  QString(quillox::store::topLevelMarker), -1);
        quillox::store::addFolder(data.tFolders, "NEW FOLDER",
                                  QString(quillox::store::topLevelMarker), -1);
        const QString source = home.path() + "/invoice.txt";
        QFile file(source);
        if (!file.open(QIODevice::WriteOnly) || file.write("invoice") < 0)
            qFatal("cannot write %s", qPrintable(source));
        file.close();
        quillox::store::fileDocument(
            data, {source, "Invoice", "", "TAX", QDateTime::currentDateTime(), "OLD FOLDER"}, {});
        quillox::store::locateRow(data.tDocuments, quillox::store::documentNameColumn, "Invoice");
    }
    ~SampleStore() { data.DataModuleDestroy(); }

    QString documentFolder() {
        quillox::store::locateRow(data.tDocuments, quillox::store::documentNameColumn, "Invoice");
        return data.tDocuments.FieldByName(quillox::store::folderColumn).AsString();
    }

    TempHome home;
    quillox::store::TdmData data;
};

void selectFolder(QWidget& window, const char* treeName, const QString& folder) {
    auto* tree = control<FolderTreeView>(&window, treeName);
    const QList<QTreeWidgetItem*> found = tree->findItems(folder, Qt::MatchExactly);
    QVERIFY(!found.isEmpty());
    tree->setCurrentItem(found.front());
}

void click(PictureButton* picture) {
    QTest::mouseClick(picture, Qt::LeftButton, {}, picture->rect().center());
}

} // namespace

class SingleWindowsTest : public QObject {
    Q_OBJECT

private slots:
    void theMoveWindowMovesTheCurrentDocumentAndSaysItIsDone() {
        SampleStore store;
        quillox::retrieval::TfMoveDoc move(nullptr, store.data);
        QSignalSpy ended(&move, &quillox::retrieval::TfMoveDoc::moveEnded);
        move.show();
        QVERIFY(!control<PictureButton>(&move, "iOkButton")->isEnabled());
        selectFolder(move, "TreeView1", "NEW FOLDER");
        click(control<PictureButton>(&move, "iOkButton"));
        QCOMPARE(ended.count(), 1);
        QCOMPARE(store.documentFolder(), QString("NEW FOLDER"));
    }

    // Escape, the cancel picture and the close box all end the move, and none of them moves.
    void everyWayOutOfTheMoveWindowWithoutOkMovesNothing_data() {
        QTest::addColumn<QString>("way");
        QTest::newRow("escape") << "escape";
        QTest::newRow("cancel picture") << "cancel";
        QTest::newRow("close box") << "close";
    }

    void everyWayOutOfTheMoveWindowWithoutOkMovesNothing() {
        QFETCH(QString, way);
        SampleStore store;
        quillox::retrieval::TfMoveDoc move(nullptr, store.data);
        QSignalSpy ended(&move, &quillox::retrieval::TfMoveDoc::moveEnded);
        move.show();
        selectFolder(move, "TreeView1", "NEW FOLDER");
        if (way == "escape")
            QTest::keyClick(&move, Qt::Key_Escape);
        else if (way == "cancel")
            click(control<PictureButton>(&move, "iCancelButton"));
        else
            move.close();
        QCOMPARE(ended.count(), 1);
        QCOMPARE(store.documentFolder(), QString("OLD FOLDER"));
    }

    // A found folder and a found document both ask for their folder to be browsed; closing
    // the window asks for nothing but to be closed.
    void theSearchWindowAsksForTheFoldersItFinds() {
        SampleStore store;
        quillox::retrieval::TfSearch search(nullptr, store.data);
        QSignalSpy browse(&search, &quillox::retrieval::TfSearch::browseFolderRequested);
        QSignalSpy closed(&search, &quillox::retrieval::TfSearch::closed);
        search.show();
        control<QComboBox>(&search, "cbSearchTerm")->setEditText("TAX OLD");
        control<QDateEdit>(&search, "dtpFrom")->setDate({2000, 1, 1});
        search.iSearchButtonClick();
        search.dbgFilesDblClick();
        search.dbgFoldersDblClick();
        QCOMPARE(browse.count(), 2);
        QCOMPARE(browse.at(0).at(0).toString(), QString("OLD FOLDER"));
        QCOMPARE(browse.at(1).at(0).toString(), QString("OLD FOLDER"));
        QCOMPARE(closed.count(), 0);
        search.close();
        QCOMPARE(closed.count(), 1);
    }
};

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    SingleWindowsTest test;
    return runTestClasses(argc, argv, {&test});
}

#include "single_windows_test.moc"
