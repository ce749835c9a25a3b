#include "search_window_test.h"

#include "app_run.h"
#include "retrieval/tf_browse.h"
#include "retrieval/tf_search.h"
#include "store/tdm_data.h"
#include "temp_home.h"
#include "widgets/dataset_grid.h"
#include "widgets/picture_button.h"
#include "window_controls.h"
#include "window_driving.h"

#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QTest>

using quillox::testing::TempHome;

namespace {

void fileTheSampleDocuments(const TempHome& home) {
    addFolderRow("TAXES FOLDER", "-");
    addFolderRow("O'NEIL FOLDER", "-");
    addFolderRow("2014 SUBFOLDER", "TAXES FOLDER");
    fileSample(home, "Old tax", "TAXES FOLDER", "TAX", {2013, 12, 1});
    fileSample(home, "Bank", "TAXES FOLDER", "BANK STATEMENT", {2014, 3, 1});
    fileSample(home, "Taxi", "2014 SUBFOLDER", "TAXI", {2014, 2, 1});
    fileSample(home, "Letter", "O'NEIL FOLDER", "O'NEIL", {2014, 5, 5});
    fileSample(home, "Untagged", "TAXES FOLDER", "", {2014, 1, 10});
}

QStringList sorted(QStringList values) {
    values.sort();
    return values;
}

void search(const QString& words, QDate from, QDate to) {
    control<QComboBox>(fSearch, "cbSearchTerm")->setEditText(words);
    control<QDateEdit>(fSearch, "dtpFrom")->setDate(from);
    control<QDateEdit>(fSearch, "dtpTo")->setDate(to);
    click(control<quillox::widgets::PictureButton>(fSearch, "iSearchButton"));
}

} // namespace

void SearchWindowTest::theFirstShowingListsEveryDocumentAndNoFolder() {
    TestHome home;
    AppRun run(home);
    fileTheSampleDocuments(home);
    fBrowse->show();
    click(control<quillox::widgets::PictureButton>(fBrowse, "iSearchButton"));
    QVERIFY(fSearch->isVisible());
    QVERIFY(!fBrowse->isVisible());
    QCOMPARE(control<quillox::widgets::DatasetGrid>(fSearch, "dbgFiles")->rowCount(), 5);
    QCOMPARE(control<quillox::widgets::DatasetGrid>(fSearch, "dbgFolders")->rowCount(), 0);
    QVERIFY(control<QComboBox>(fSearch, "cbSearchTerm")->currentText().isEmpty());
    QCOMPARE(control<QDateEdit>(fSearch, "dtpTo")->date(), QDate::currentDate());
    QCOMPARE(control<QDateEdit>(fSearch, "dtpFrom")->date(), QDate(2013, 1, 1));
    QStringList listed;
    for (int i = 0; i < control<QComboBox>(fSearch, "cbSearchTerm")->count(); ++i)
        listed << control<QComboBox>(fSearch, "cbSearchTerm")->itemText(i);
    QCOMPARE(listed, QStringList({"TAX", "BANK", "STATEMENT", "TAXI", "O'NEIL"}));

    // A double-click on the empty folders grid does nothing.
    doubleClickFirstRow(control<quillox::widgets::DatasetGrid>(fSearch, "dbgFolders"));
    QVERIFY(fSearch->isVisible());
    QVERIFY(home.errors.isEmpty());
}

void SearchWindowTest::searchesFindByWordsAndDates_data() {
    QTest::addColumn<QString>("words");
    QTest::addColumn<QDate>("from");
    QTest::addColumn<QDate>("to");
    QTest::addColumn<QStringList>("documents");
    QTest::addColumn<QStringList>("folders");
    const QDate january(2014, 1, 1);
    const QDate june(2014, 6, 30);
    QTest::newRow("no word: the range alone")
        << "" << january << june << QStringList({"Bank", "Letter", "Taxi", "Untagged"})
        << QStringList();
    QTest::newRow("range bounds included") << "" << QDate(2014, 3, 1) << QDate(2014, 5, 5)
                                           << QStringList({"Bank", "Letter"}) << QStringList();
    QTest::newRow("from after to") << "" << june << january << QStringList() << QStringList();
    QTest::newRow("a word inside longer words")
        << "tax" << january << june << QStringList({"Taxi"}) << QStringList({"TAXES FOLDER"});
    QTest::newRow("the range applies to every word")
        << "tax  bank" << january << june << QStringList({"Bank", "Taxi"})
        << QStringList({"TAXES FOLDER"});
    QTest::newRow("an apostrophe is searched as typed")
        << "o'neil" << january << june << QStringList({"Letter"}) << QStringList({"O'NEIL FOLDER"});
    QTest::newRow("every folder") << "folder" << january << june << QStringList()
                                  << QStringList(
                                         {"2014 SUBFOLDER", "O'NEIL FOLDER", "TAXES FOLDER"});
}

void SearchWindowTest::searchesFindByWordsAndDates() {
    QFETCH(QString, words);
    QFETCH(QDate, from);
    QFETCH(QDate, to);
    QFETCH(QStringList, documents);
    QFETCH(QStringList, folders);
    TestHome home;
    AppRun run(home);
    fileTheSampleDocuments(home);
    fSearch->show();
    search(words, from, to);
    QCOMPARE(sorted(gridColumn(*control<quillox::widgets::DatasetGrid>(fSearch, "dbgFiles"), 0)),
             documents);
    QCOMPARE(sorted(gridColumn(*control<quillox::widgets::DatasetGrid>(fSearch, "dbgFolders"), 0)),
             folders);
    QVERIFY2(home.errors.isEmpty(), qPrintable(home.errors.join('\n')));
}

void SearchWindowTest::theSearchFieldKeepsUpperCase() {
    TestHome home;
    AppRun run(home);
    fSearch->show();
    QTest::keyClicks(control<QComboBox>(fSearch, "cbSearchTerm")->lineEdit(), "tax o'neil");
    QCOMPARE(control<QComboBox>(fSearch, "cbSearchTerm")->currentText(), QString("TAX O'NEIL"));
}

// Typing right away goes into the tag word field, at every showing: the focus left in a date
// at the last showing does not stay there.
void SearchWindowTest::typingStartsInTheTagWordField() {
    TestHome home;
    AppRun run(home);
    fSearch->show();
    QVERIFY(QTest::qWaitForWindowActive(fSearch));
    control<QDateEdit>(fSearch, "dtpTo")->setFocus();
    fSearch->hide();
    fSearch->show();
    // The keys go where the window puts its focus, once the window system activates it.
    QTest::keyClicks(fSearch->focusWidget(), "tax");
    QCOMPARE(control<QComboBox>(fSearch, "cbSearchTerm")->currentText(), QString("TAX"));
}

// Return in the search controls searches; on a result it leaves the results as they are.
void SearchWindowTest::returnSearchesOnlyFromTheSearchControls() {
    TestHome home;
    AppRun run(home);
    fileTheSampleDocuments(home);
    fSearch->show();
    auto* words = control<QComboBox>(fSearch, "cbSearchTerm");
    auto* documents = control<quillox::widgets::DatasetGrid>(fSearch, "dbgFiles");
    control<QDateEdit>(fSearch, "dtpFrom")->setDate({2000, 1, 1});
    words->setEditText("BANK");
    QTest::keyClick(words->lineEdit(), Qt::Key_Return);
    QCOMPARE(gridColumn(*documents, 0), QStringList({"Bank"}));

    words->setEditText("TAXI");
    documents->setFocus();
    QTest::keyClick(documents, Qt::Key_Return);
    QCOMPARE(gridColumn(*documents, 0), QStringList({"Bank"}));
}

void SearchWindowTest::resultsLeadIntoTheBrowseWindowAndStay() {
    TestHome home;
    AppRun run(home);
    fileTheSampleDocuments(home);
    fSearch->show();
    search("tax", {2014, 1, 1}, {2014, 6, 30});
    doubleClickFirstRow(control<quillox::widgets::DatasetGrid>(fSearch, "dbgFiles"));
    QVERIFY(!fSearch->isVisible());
    QVERIFY(fBrowse->isVisible());
    QCOMPARE(fBrowse->currentFolder(), QString("2014 SUBFOLDER"));

    // Back through the browse window's search picture: the same results, a fresh field.
    click(control<quillox::widgets::PictureButton>(fBrowse, "iSearchButton"));
    QVERIFY(control<QComboBox>(fSearch, "cbSearchTerm")->currentText().isEmpty());
    QCOMPARE(gridColumn(*control<quillox::widgets::DatasetGrid>(fSearch, "dbgFiles"), 0),
             QStringList({"Taxi"}));
    QCOMPARE(gridColumn(*control<quillox::widgets::DatasetGrid>(fSearch, "dbgFolders"), 0),
             QStringList({"TAXES FOLDER"}));
    doubleClickFirstRow(control<quillox::widgets::DatasetGrid>(fSearch, "dbgFolders"));
    QCOMPARE(fBrowse->currentFolder(), QString("TAXES FOLDER"));
    QVERIFY(!fSearch->isVisible());
    QVERIFY(home.errors.isEmpty());
}

void SearchWindowTest::theClosePictureEmptiesTheDocumentsOnly() {
    TestHome home;
    AppRun run(home);
    fileTheSampleDocuments(home);
    for (bool closeBox : {false, true}) {
        fSearch->show();
        search("tax", {2014, 1, 1}, {2014, 6, 30});
        if (closeBox)
            fSearch->close();
        else
            click(control<quillox::widgets::PictureButton>(fSearch, "iCloseButton"));
        QVERIFY(!fSearch->isVisible());
        QVERIFY(fBrowse->isVisible());
        QVERIFY(fBrowse->topLevel());
        QVERIFY(!dmData->qQuery.Active());

        fSearch->show();
        QCOMPARE(control<quillox::widgets::DatasetGrid>(fSearch, "dbgFiles")->rowCount(), 0);
        QCOMPARE(gridColumn(*control<quillox::widgets::DatasetGrid>(fSearch, "dbgFolders"), 0),
                 QStringList({"TAXES FOLDER"}));
        // Nothing to go to from the emptied grid.
        doubleClickFirstRow(control<quillox::widgets::DatasetGrid>(fSearch, "dbgFiles"));
        QVERIFY(fSearch->isVisible());
    }
    QVERIFY(home.errors.isEmpty());
}
