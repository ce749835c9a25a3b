#include "tree_spots.h"
#include "widgets/folder_tree_view.h"

#include <QApplication>
#include <QLineEdit>
#include <QMimeData>
#include <QTest>
#include <gtest/gtest.h>

using quillox::widgets::FolderTreeView;
using Area = FolderTreeView::HitArea;

namespace {

class FolderTreeViewTest : public ::testing::Test {
protected:
    void SetUp() override {
        top->addChild(child);
        tree.addTopLevelItems({top, other});
        top->setExpanded(true);
        tree.resize(300, 300);
        tree.show();
    }

    FolderTreeView tree;
    QTreeWidgetItem* top = new QTreeWidgetItem(QStringList{"TAX FOLDER"});
    QTreeWidgetItem* child = new QTreeWidgetItem(QStringList{"2014 SUBFOLDER"});
    QTreeWidgetItem* other = new QTreeWidgetItem(QStringList{"HOUSE FOLDER"});
};

} // namespace

TEST_F(FolderTreeViewTest, HitTestTellsTheAreaAndTheNodeOfItsRow) {
    struct Case {
        Spot spot;
        QTreeWidgetItem* node;
        Area area;
    };
    const Case cases[] = {
        {Spot::Label, child, Area::OnItem},
        {Spot::Label, top, Area::OnItem},
        {Spot::Indentation, child, Area::OnIndent},
        {Spot::Button, child, Area::OnButton},
        {Spot::Button, top, Area::OnButton},
        {Spot::RightOfLabel, other, Area::OnRight},
        {Spot::BelowLastNode, nullptr, Area::Nowhere},
        {Spot::AboveView, nullptr, Area::Above},
        {Spot::BelowView, nullptr, Area::Below},
        {Spot::LeftOfView, nullptr, Area::ToLeft},
        {Spot::RightOfView, nullptr, Area::ToRight},
    };
    for (const Case& expected : cases) {
        const QPoint point = spotPoint(tree, expected.spot, expected.node);
        const FolderTreeView::Hit hit = tree.HitTest(point);
        EXPECT_EQ(hit.area, expected.area) << "spot " << static_cast<int>(expected.spot);
        EXPECT_EQ(hit.item, expected.node) << "spot " << static_cast<int>(expected.spot);
    }
}

TEST_F(FolderTreeViewTest, LabelsCannotBeEditedAndTheSelectionShowsWithoutFocus) {
    child->setFlags(child->flags() | Qt::ItemIsEditable);
    tree.setCurrentItem(child);
    QTest::keyClick(&tree, Qt::Key_F2);
    QTest::mouseDClick(tree.viewport(), Qt::LeftButton, {}, spotPoint(tree, Spot::Label, child));
    EXPECT_EQ(tree.findChild<QLineEdit*>(), nullptr);

    for (QPalette::ColorRole role : {QPalette::Highlight, QPalette::HighlightedText}) {
        EXPECT_EQ(tree.palette().color(QPalette::Inactive, role),
                  tree.palette().color(QPalette::Active, role));
    }
}

TEST_F(FolderTreeViewTest, RefusesWhatDoesNotComeFromATreeView) {
    bool dropped = false;
    tree.OnDragDrop = [&](const QPoint&) { dropped = true; };
    QMimeData files;
    files.setUrls({QUrl::fromLocalFile("/tmp/scan.pdf")});
    const QPointF point = spotPoint(tree, Spot::Label, child);

    QDragEnterEvent enter(point.toPoint(), Qt::CopyAction, &files, Qt::LeftButton, {});
    QApplication::sendEvent(tree.viewport(), &enter);
    EXPECT_FALSE(enter.isAccepted());
    QDropEvent drop(point, Qt::CopyAction, &files, Qt::LeftButton, {});
    QApplication::sendEvent(tree.viewport(), &drop);
    EXPECT_FALSE(drop.isAccepted());
    EXPECT_FALSE(dropped);
}
