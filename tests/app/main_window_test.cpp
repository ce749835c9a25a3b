#include "main_window_test.h"

#include "app/tf_about.h"
#include "app/tf_main.h"
#include "app_run.h"
#include "filing/tf_new_doc.h"
#include "retrieval/tf_browse.h"
#include "temp_home.h"
#include "url_recorder.h"
#include "widgets/picture_button.h"
#include "window_controls.h"
#include "window_driving.h"

#include <QApplication>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QTest>
#include <QWhatsThis>

using quillox::testing::TempHome;

void MainWindowTest::aDropCountsOnlyStrictlyInsideTheDropPicture_data() {
    QTest::addColumn<QPoint>("point");
    QTest::addColumn<bool>("taken");
    QTest::newRow("first point inside") << QPoint(5, 6) << true;
    QTest::newRow("last point inside") << QPoint(157, 204) << true;
    QTest::newRow("left edge") << QPoint(4, 100) << false;
    QTest::newRow("top edge") << QPoint(80, 5) << false;
    QTest::newRow("right edge") << QPoint(158, 100) << false;
    QTest::newRow("bottom edge") << QPoint(80, 205) << false;
    QTest::newRow("scan picture") << QPoint(240, 100) << false;
    QTest::newRow("browse picture") << QPoint(400, 100) << false;
    QTest::newRow("margin") << QPoint(1, 1) << false;
}

void MainWindowTest::aDropCountsOnlyStrictlyInsideTheDropPicture() {
    QFETCH(QPoint, point);
    QFETCH(bool, taken);
    TestHome home;
    AppRun run(home);
    dropFiles(fMain, point, {"/tmp/letter.pdf"});
    QCOMPARE(fNewDoc->isVisible(), taken);
    QCOMPARE(fMain->isVisible(), !taken);
    // A drop not taken leaves the new document window without a file when it shows.
    fNewDoc->show();
    QCOMPARE(control<QLineEdit>(fNewDoc, "ePath")->text(),
             taken ? QString("/tmp/letter.pdf") : QString());
    QVERIFY(home.errors.isEmpty());
}

// The toolkit's text of such a name names another file, or none: the drop is refused with the
// true reason, and the main window stays.
void MainWindowTest::aDroppedFileWhoseNameIsNotTextIsRefused() {
    TestHome home;
    AppRun run(home);
    dropUrls(fMain, {80, 100}, {QUrl::fromEncoded("file:///tmp/%FF%FE.pdf")});
    QCOMPARE(home.errors, QStringList({"The file \"/tmp/\uFFFD\uFFFD.pdf\" cannot be filed: its "
                                       "name is not valid text; rename it and file it again."}));
    QVERIFY(fMain->isVisible());
    QVERIFY(!fNewDoc->isVisible());
}

void MainWindowTest::aDropTakesTheFirstFileWholeAndEmptiesTheForm() {
    TestHome home;
    AppRun run(home);
    // A filing cancelled leaves what was typed.
    fNewDoc->show();
    control<QLineEdit>(fNewDoc, "eDocumentName")->setText("left over");
    control<QLineEdit>(fNewDoc, "eDescription")->setText("left over");
    control<QLineEdit>(fNewDoc, "eTagWords")->setText("left over");
    fNewDoc->bCancelClick();
    const QString longPath = "/tmp/" + QString(150, 'a') + "/" + QString(150, 'b') + ".pdf";
    dropFiles(fMain, {50, 50}, {longPath, "/tmp/second.pdf", "/tmp/third.pdf"});
    QCOMPARE(control<QLineEdit>(fNewDoc, "ePath")->text(), longPath);
    for (const QLineEdit* field :
         {control<QLineEdit>(fNewDoc, "eDocumentName"), control<QLineEdit>(fNewDoc, "eDescription"),
          control<QLineEdit>(fNewDoc, "eTagWords")})
        QVERIFY(field->text().isEmpty());
}

void MainWindowTest::thePicturesCarryTheirHintsAndPointers() {
    TestHome home;
    AppRun run(home);
    QCOMPARE(control<quillox::widgets::PictureButton>(fMain, "iDropBotButton")->toolTip(),
             QString("Drag your documents\n\rhere to start filing!"));
    QCOMPARE(control<quillox::widgets::PictureButton>(fMain, "iScanBotButton")->toolTip(),
             QString("Click here to start\n\rscanning a document!"));
    QCOMPARE(control<quillox::widgets::PictureButton>(fMain, "iBrowseBotButton")->toolTip(),
             QString("Click here to browse\n\ryour documents!"));
    QCOMPARE(fMain->cursor().shape(), Qt::DragCopyCursor);
    QCOMPARE(control<quillox::widgets::PictureButton>(fMain, "iDropBotButton")->cursor().shape(),
             Qt::DragCopyCursor);
    QCOMPARE(control<quillox::widgets::PictureButton>(fMain, "iScanBotButton")->cursor().shape(),
             Qt::PointingHandCursor);
    QCOMPARE(control<quillox::widgets::PictureButton>(fMain, "iBrowseBotButton")->cursor().shape(),
             Qt::PointingHandCursor);
    for (auto* picture : {control<quillox::widgets::PictureButton>(fMain, "iDropBotButton"),
                          control<quillox::widgets::PictureButton>(fMain, "iScanBotButton"),
                          control<quillox::widgets::PictureButton>(fMain, "iBrowseBotButton")}) {
        QCOMPARE(picture->Picture().size(), QSize(677, 866));
        QVERIFY(picture->Picture().hasAlphaChannel());
    }
}

void MainWindowTest::theHelpButtonAndF1ShowTheAboutBox() {
    TestHome home;
    AppRun run(home);
    // What the toolkit sends when the title bar's help button is pressed.
    QEvent help(QEvent::EnterWhatsThisMode);
    QApplication::sendEvent(qApp, &help);
    QVERIFY(fAbout->isVisible());
    QVERIFY(fMain->isVisible());
    QVERIFY(!QWhatsThis::inWhatsThisMode());

    fAbout->close();
    QVERIFY(!fAbout->isVisible());
    QVERIFY(fMain->isVisible());
    QTest::keyClick(fMain, Qt::Key_F1);
    QVERIFY(fAbout->isVisible());
}

void MainWindowTest::theAboutBoxOpensTheSupportPage() {
    TestHome home;
    AppRun run(home);
    UrlRecorder desktop;
    fAbout->show();
    QCOMPARE(control<QPushButton>(fAbout, "Button1")->text(), QString("Help, Tech Support"));
    control<QPushButton>(fAbout, "Button1")->click();
    QCOMPARE(desktop.opened, QList<QUrl>({QUrl(quillox::app::supportPage)}));
    // The picture keeps its proportions whatever the box's size.
    QCOMPARE(control<quillox::widgets::PictureButton>(fAbout, "Image1")->Picture().size(),
             QSize(886, 663));
    fAbout->resize(500, 700);
    QCOMPARE(control<quillox::widgets::PictureButton>(fAbout, "Image1")->size(), QSize(500, 700));
}

void MainWindowTest::theBrowsePictureHandsOverToTheBrowseWindow() {
    TestHome home;
    AppRun run(home);
    click(control<quillox::widgets::PictureButton>(fMain, "iBrowseBotButton"));
    QVERIFY(!fMain->isVisible());
    QVERIFY(fBrowse->isVisible());
    QVERIFY(fBrowse->topLevel());
}
