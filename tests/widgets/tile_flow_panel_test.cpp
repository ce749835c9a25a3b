#include "tile_flow_panel_test.h"

#include "widgets/captioned_image.h"
#include "widgets/tile_flow_panel.h"

#include <QLineEdit>
#include <QScrollBar>
#include <QTest>
#include <QVBoxLayout>
#include <algorithm>

using quillox::widgets::TCaptionedImage;
using quillox::widgets::TileFlowPanel;

namespace {

std::vector<TileFlowPanel::Tile> numberedTiles(int count) {
    std::vector<TileFlowPanel::Tile> tiles;
    for (int tag = 0; tag < count; ++tag)
        tiles.push_back({QString("FOLDER %1").arg(tag), {}, tag});
    return tiles;
}

// The browse window's panel: 952 x 185, nine tiles to a row, in the window's font.
struct ShownPanel {
    QWidget window;
    QLineEdit* before = new QLineEdit(&window);
    TileFlowPanel* panel = new TileFlowPanel(&window);
    QList<int> clicked;

    explicit ShownPanel(std::vector<TileFlowPanel::Tile> tiles) {
        QFont font("Calibri");
        font.setPixelSize(11);
        window.setFont(font);
        auto* layout = new QVBoxLayout(&window);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(before);
        layout->addWidget(panel);
        panel->setFixedSize(952, 185);
        panel->SetOnTileClick([this](TCaptionedImage& tile) { clicked << tile.Tag(); });
        panel->SetTiles(std::move(tiles));
        window.show();
    }

    QList<TCaptionedImage*> shownTiles() const {
        QList<TCaptionedImage*> shown;
        for (TCaptionedImage* tile : panel->findChildren<TCaptionedImage*>()) {
            if (tile->isVisible())
                shown << tile;
        }
        return shown;
    }
};

} // namespace

void TileFlowPanelTest::aLargeLevelMakesWidgetsOnlyForTheRowsInSight() {
    ShownPanel shown(numberedTiles(1000));
    // The scroll bar takes the room of a row's ninth tile; two rows are in sight, the second in
    // part.
    QVERIFY(shown.panel->verticalScrollBar()->isVisible());
    QCOMPARE(shown.shownTiles().size(), 2 * 8);
    QVERIFY(shown.panel->findChildren<TCaptionedImage*>().size() < 40);

    TCaptionedImage& far = shown.panel->ShowTile(994);
    QCOMPARE(far.Caption(), QString("FOLDER 994"));
    QVERIFY(far.isVisible());
    QVERIFY(shown.panel->viewport()->rect().contains(far.geometry()));
    QCOMPARE(far.cursor().shape(), Qt::PointingHandCursor);
    QTest::mouseClick(&far, Qt::LeftButton, {}, {50, 112});
    QCOMPARE(shown.clicked, QList<int>({994}));
    QVERIFY(shown.panel->findChildren<TCaptionedImage*>().size() < 40);

    // Back at the top, the rows there come back with the same widgets.
    shown.panel->ShowTile(0);
    QCOMPARE(shown.shownTiles().size(), 2 * 8);
    QVERIFY(shown.panel->findChildren<TCaptionedImage*>().size() < 40);

    // A new level starts at its top, and has no tile of the level before; nine to a row fit
    // without the scroll bar.
    shown.panel->ShowTile(500);
    shown.panel->SetTiles(numberedTiles(9));
    QCOMPARE(shown.shownTiles().size(), 9);
    QCOMPARE(shown.panel->verticalScrollBar()->value(), 0);
    QVERIFY(!shown.panel->verticalScrollBar()->isVisible());
    QCOMPARE(shown.panel->CurrentTile(), 0);
}

// Captions that wrap or hold a word wider than the picture make taller or wider tiles; the
// panel places each where its widget, laid out by the tile itself, fits without overlapping.
void TileFlowPanelTest::theTilesSitSideBySideAsTheyAreMeasured() {
    std::vector<TileFlowPanel::Tile> tiles = numberedTiles(30);
    tiles[1].caption = "HOUSEHOLD BILLS AND INSURANCE PAPERS FOLDER";
    tiles[3].caption = "SUPERCALIFRAGILISTICEXPIALIDOCIOUSLY FOLDER";
    tiles[4].caption = "";
    tiles[5].caption = "A&B FOLDER";
    ShownPanel shown(std::move(tiles));
    QList<TCaptionedImage*> row;
    for (int index = 0; index < 8; ++index)
        row << &shown.panel->ShowTile(index);
    QCOMPARE(row[0]->pos(), QPoint(3, 3));
    QVERIFY(row[1]->height() > row[0]->height());
    QVERIFY(row[3]->width() > 105);
    for (int index = 1; index < row.size(); ++index) {
        const QRect left = row[index - 1]->geometry();
        const QRect right = row[index]->geometry();
        QCOMPARE(right.left(), left.right() + 1);
        QCOMPARE(right.top(), 3);
    }
    // The ninth no longer fits beside the wide one, and starts the next row under the highest.
    const QRect ninth = shown.panel->ShowTile(8).geometry();
    QCOMPARE(ninth.left(), 3);
    QCOMPARE(ninth.top() + shown.panel->verticalScrollBar()->value(), 3 + row[1]->height());
}

void TileFlowPanelTest::theKeyboardChoosesAndClicksATile_data() {
    QTest::addColumn<QList<int>>("keys");
    QTest::addColumn<int>("clicked");
    // Eight tiles to a row beside the scroll bar.
    QTest::newRow("the first") << QList<int>{Qt::Key_Return} << 0;
    QTest::newRow("right") << QList<int>{Qt::Key_Right, Qt::Key_Right, Qt::Key_Space} << 2;
    QTest::newRow("left stops at the first") << QList<int>{Qt::Key_Left, Qt::Key_Enter} << 0;
    QTest::newRow("down") << QList<int>{Qt::Key_Right, Qt::Key_Down, Qt::Key_Return} << 9;
    QTest::newRow("down and up") << QList<int>{Qt::Key_Down, Qt::Key_Down, Qt::Key_Up,
                                               Qt::Key_Return}
                                 << 8;
    QTest::newRow("end, far down") << QList<int>{Qt::Key_End, Qt::Key_Return} << 999;
    QTest::newRow("down on the last row stays")
        << QList<int>{Qt::Key_End, Qt::Key_Left, Qt::Key_Down, Qt::Key_Return} << 998;
    QTest::newRow("home") << QList<int>{Qt::Key_End, Qt::Key_Home, Qt::Key_Return} << 0;
}

void TileFlowPanelTest::theKeyboardChoosesAndClicksATile() {
    QFETCH(QList<int>, keys);
    QFETCH(int, clicked);
    ShownPanel shown(numberedTiles(1000));
    shown.window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&shown.window));
    shown.before->setFocus();
    QTest::keyClick(shown.before, Qt::Key_Tab);
    QVERIFY(shown.panel->hasFocus());
    // The tile chosen comes into sight before it is clicked.
    for (int key : keys.mid(0, keys.size() - 1))
        QTest::keyClick(shown.panel, static_cast<Qt::Key>(key));
    QCOMPARE(shown.panel->CurrentTile(), clicked);
    const QList<TCaptionedImage*> inSight = shown.shownTiles();
    QVERIFY(std::any_of(inSight.begin(), inSight.end(), [&](TCaptionedImage* tile) {
        return tile->Tag() == clicked && shown.panel->viewport()->rect().contains(tile->geometry());
    }));
    QVERIFY(shown.clicked.isEmpty());
    QTest::keyClick(shown.panel, static_cast<Qt::Key>(keys.back()));
    QCOMPARE(shown.clicked, QList<int>({clicked}));
}
