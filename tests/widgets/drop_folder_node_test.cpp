#include "folder_fixtures.h"
#include "store/tdm_data.h"
#include "temp_home.h"
#include "tree_fixtures.h"
#include "tree_spots.h"
#include "widgets/folder_node_drop.h"
#include "widgets/folder_tree_loading.h"
#include "widgets/folder_tree_view.h"

#include <QTreeWidgetItemIterator>
#include <gtest/gtest.h>

using namespace quillox;

namespace {

const std::vector<FolderRow> folders = {
    {"A", "-"}, {"B", "-"}, {"C", "-"}, {"X", "A"}, {"Y", "A"}, {"Z", "X"},
};
const QString loadedShape = "C, B, A+[X+[Z], Y]";

struct Drop {
    const char* dragged; // none for no selected node
    Spot spot;
    const char* target; // the node of the spot, if it has one
};

class DropFolderNode : public ::testing::Test {
protected:
    void SetUp() override {
        data.DataModuleCreate();
        tree.resize(300, 400);
        tree.show();
    }

    void load(const std::vector<FolderRow>& rows) {
        appendFolders(data.tFolders, rows);
        widgets::loadFolderTree(tree, data.tFolders);
    }

    void drop(const Drop& drop) {
        if (drop.dragged)
            findNode(tree, drop.dragged)->setSelected(true);
        const QTreeWidgetItem* target = drop.target ? findNode(tree, drop.target) : nullptr;
        widgets::dropFolderNode(tree, spotPoint(tree, drop.spot, target), data.tFolders);
    }

    quillox::testing::TempHome home;
    store::TdmData data;
    widgets::FolderTreeView tree;
};

// Each node with the text of its parent, "-" at the top level; sorted.
QStringList parentLinks(const QTreeWidget& tree) {
    QStringList links;
    for (QTreeWidgetItemIterator it(const_cast<QTreeWidget*>(&tree)); *it; ++it) {
        const QTreeWidgetItem* parent = (*it)->parent();
        links.append((*it)->text(0) + " < " + (parent ? parent->text(0) : "-"));
    }
    links.sort();
    return links;
}

struct MovingCase {
    Drop drop;
    QString shape;
    FolderRow row; // the dragged folder's row afterwards
};

void PrintTo(const MovingCase& moving, std::ostream* out) {
    *out << moving.drop.dragged << " to " << moving.shape.toStdString();
}

class DropThatMoves : public DropFolderNode, public ::testing::WithParamInterface<MovingCase> {};

struct RefusedCase {
    const char* what;
    Drop drop;
};

void PrintTo(const RefusedCase& refused, std::ostream* out) {
    *out << refused.what;
}

class DropThatIsRefused : public DropFolderNode,
                          public ::testing::WithParamInterface<RefusedCase> {};

} // namespace

TEST_P(DropThatMoves, RearrangesTheTreeAndTheTableAlike) {
    const MovingCase& expected = GetParam();
    load(folders);
    drop(expected.drop);

    EXPECT_EQ(treeShape(tree), expected.shape);
    ASSERT_EQ(tree.selectedItems().size(), 1);
    EXPECT_EQ(tree.selectedItems().front()->text(0), expected.drop.dragged);
    const std::vector<FolderRow> rows = folderRows(data.tFolders);
    EXPECT_NE(std::find(rows.begin(), rows.end(), expected.row), rows.end());

    // The tree is not reloaded after a drop, so what it shows must be what a load would show.
    widgets::FolderTreeView reloaded;
    widgets::loadFolderTree(reloaded, data.tFolders);
    EXPECT_EQ(parentLinks(tree), parentLinks(reloaded));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DropThatMoves,
    ::testing::Values(MovingCase{{"C", Spot::Label, "X"}, "B, A+[X+[Z, C], Y]", {"C", "X"}},
                      // The moved subtree keeps its expanded nodes, and the node dropped on opens.
                      MovingCase{{"A", Spot::Label, "B"}, "C, B+[A+[X+[Z], Y]]", {"A", "B"}},
                      MovingCase{
                          {"Z", Spot::BelowLastNode, nullptr}, "C, B, A+[X+, Y], Z", {"Z", "-"}},
                      MovingCase{{"C", Spot::Indentation, "Y"}, "B, A+[X+[Z], C, Y]", {"C", "A"}}));

TEST_P(DropThatIsRefused, ChangesNeitherTreeNorTable) {
    load(folders);
    drop(GetParam().drop);
    EXPECT_EQ(treeShape(tree), loadedShape);
    EXPECT_EQ(folderRows(data.tFolders), folders);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DropThatIsRefused,
    ::testing::Values(RefusedCase{"no_selected_node", {nullptr, Spot::Label, "B"}},
                      RefusedCase{"onto_itself", {"X", Spot::Label, "X"}},
                      RefusedCase{"onto_its_grandchild", {"A", Spot::Label, "Z"}},
                      RefusedCase{"beside_its_child", {"A", Spot::Indentation, "Y"}},
                      RefusedCase{"on_a_button", {"C", Spot::Button, "Y"}},
                      RefusedCase{"right_of_a_label", {"C", Spot::RightOfLabel, "Y"}},
                      RefusedCase{"above_the_view", {"C", Spot::AboveView, nullptr}},
                      RefusedCase{"below_the_view", {"C", Spot::BelowView, nullptr}},
                      RefusedCase{"left_of_the_view", {"C", Spot::LeftOfView, nullptr}},
                      RefusedCase{"right_of_the_view", {"C", Spot::RightOfView, nullptr}}),
    [](const ::testing::TestParamInfo<RefusedCase>& info) { return info.param.what; });

TEST_F(DropFolderNode, EveryRowOfTheDraggedNameTakesTheNewParent) {
    load({{"A", "-"}, {"C", "-"}, {"B", "-"}, {"C", "A"}});
    ASSERT_EQ(treeShape(tree), "B, C, A+[C]");
    drop({"C", Spot::Label, "B"});
    EXPECT_EQ(folderRows(data.tFolders),
              std::vector<FolderRow>({{"A", "-"}, {"C", "B"}, {"B", "-"}, {"C", "B"}}));
}
