#include "widgets/captioned_image.h"
#include "widgets/picture_button.h"

#include "message_box_test.h"
#include "test_classes.h"
#include "tile_flow_panel_test.h"

#include <QApplication>
#include <QTest>

using quillox::widgets::TCaptionedImage;

class CaptionedImageTest : public QObject {
    Q_OBJECT

private slots:
    void aClickOnPictureOrCaptionReachesTheHandlerWithTheTile() {
        TCaptionedImage tile;
        tile.SetCaption("TAX FOLDER");
        tile.SetTag(7);
        QList<int> tags;
        tile.SetOnClick([&](TCaptionedImage& sender) { tags << sender.Tag(); });
        tile.show();
        QTest::mouseClick(&tile, Qt::LeftButton, {}, {50, 50});
        QTest::mouseClick(&tile, Qt::LeftButton, {}, {50, 112});
        QCOMPARE(tags, QList<int>({7, 7}));
    }

    void aTileWithoutHandlerIgnoresClicks() {
        TCaptionedImage tile;
        tile.show();
        QTest::mouseClick(&tile, Qt::LeftButton, {}, {50, 50});
    }

    void theTileEnclosesPictureAndWholeCaption() {
        TCaptionedImage empty;
        QCOMPARE(empty.width(), 105);
        QVERIFY(empty.height() > 105);
        const int oneLine = empty.height();

        TCaptionedImage wrapped;
        wrapped.SetCaption("HOUSEHOLD BILLS AND INSURANCE PAPERS FOLDER");
        QCOMPARE(wrapped.width(), 105);
        QVERIFY(wrapped.height() >= oneLine + 2 * (oneLine - 105));

        // One word wider than the picture is not broken: the tile widens around it.
        TCaptionedImage wide;
        wide.SetCaption("SUPERCALIFRAGILISTICEXPIALIDOCIOUS");
        QVERIFY(wide.width() > 105);
        QCOMPARE(wide.height(), oneLine);
    }

    void theAcceleratorIsDrawnUnderlined() {
        TCaptionedImage plain;
        plain.SetCaption("AB FOLDER");
        TCaptionedImage marked;
        marked.SetCaption("A&B FOLDER");
        QCOMPARE(marked.size(), plain.size());
        QVERIFY(marked.grab().toImage() != plain.grab().toImage());
    }

    void anAmpersandUnderlinesTheNextCharacter_data() {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("shown");
        QTest::newRow("accelerator") << "A&B FOLDER"
                                     << "AB FOLDER";
        QTest::newRow("double") << "A&&B"
                                << "A&B";
        QTest::newRow("markup kept as text") << "<b>"
                                             << "<b>";
    }

    void anAmpersandUnderlinesTheNextCharacter() {
        QFETCH(QString, caption);
        QFETCH(QString, shown);
        TCaptionedImage tile;
        tile.SetCaption(caption);
        QCOMPARE(tile.Caption(), caption);
        QCOMPARE(tile.ShownCaption(), shown);
    }
};

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    CaptionedImageTest captionedImage;
    MessageBoxTest messageBox;
    TileFlowPanelTest tileFlowPanel;
    return runTestClasses(argc, argv, {&captionedImage, &messageBox, &tileFlowPanel});
}

#include "captioned_image_test.moc"
