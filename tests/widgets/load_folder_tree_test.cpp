#include "folder_fixtures.h"
#include "store/tdm_data.h"
#include "temp_home.h"
#include "tree_fixtures.h"
#include "widgets/folder_tree_loading.h"

#include <QTreeWidget>
#include <algorithm>
#include <gtest/gtest.h>
#include <random>
#include <set>

using namespace quillox;

namespace {

class LoadFolderTree : public ::testing::Test {
protected:
    void SetUp() override { data.DataModuleCreate(); }

    QString loadedShape(const std::vector<FolderRow>& rows) {
        appendFolders(data.tFolders, rows);
        widgets::loadFolderTree(tree, data.tFolders);
        return treeShape(tree);
    }

    quillox::testing::TempHome home;
    store::TdmData data;
    QTreeWidget tree;
};

bool withinSubtree(const QTreeWidgetItem* node, const QTreeWidgetItem* root) {
    for (; node; node = node->parent()) {
        if (node == root)
            return true;
    }
    return false;
}

// The loading done the plain way, one walk of the control for every lookup of a name.
void loadByWalking(QTreeWidget& tree, const std::vector<FolderRow>& rows) {
    tree.clear();
    for (const FolderRow& row : rows)
        tree.insertTopLevelItem(0, new QTreeWidgetItem(QStringList{row.name}));
    std::set<QTreeWidgetItem*> expanded;
    for (const FolderRow& row : rows) {
        if (row.parent == "-")
            continue;
        QTreeWidgetItem* node = findNode(tree, row.name);
        QTreeWidgetItem* parent = findNode(tree, row.parent);
        if (!parent || withinSubtree(parent, node))
            continue;
        if (node->parent())
            node->parent()->takeChild(node->parent()->indexOfChild(node));
        else
            tree.takeTopLevelItem(tree.indexOfTopLevelItem(node));
        parent->addChild(node);
        expanded.insert(parent);
    }
    for (QTreeWidgetItem* node : expanded)
        node->setExpanded(true);
}

std::vector<FolderRow> randomRows(std::mt19937& random) {
    // Few names for many rows, so that names repeat, parents form cycles and some are missing.
    const QStringList names = {"A", "B", "C", "D", "E", "F", "G", "H", "I", "J", "K", "L"};
    std::uniform_int_distribution<int> nameOf(0, static_cast<int>(names.size()) - 1);
    std::uniform_int_distribution<int> kindOf(0, 9);
    std::vector<FolderRow> rows(30);
    for (FolderRow& row : rows) {
        row.name = names[nameOf(random)];
        const int kind = kindOf(random);
        row.parent = kind < 2 ? "-" : kind < 3 ? "GONE" : names[nameOf(random)];
    }
    return rows;
}

} // namespace

TEST_F(LoadFolderTree, TopLevelComesInReverseTableOrderAndChildrenInTableOrder) {
    EXPECT_EQ(loadedShape({}), "");
    // A child may lie in the table before its parent.
    EXPECT_EQ(loadedShape({{"X", "A"},
                           {"A", "-"},
                           {"B", "-"},
                           {"C", "-"},
                           {"Y", "A"},
                           {"B SUBFOLDER", "-"},
                           {"Z", "Y"}}),
              "B SUBFOLDER, C, B, A+[X, Y+[Z]]");
    EXPECT_TRUE(tree.selectedItems().isEmpty());

    // Loading again replaces the nodes, and the selection goes with them.
    findNode(tree, "Z")->setSelected(true);
    widgets::loadFolderTree(tree, data.tFolders);
    EXPECT_EQ(treeShape(tree), "B SUBFOLDER, C, B, A+[X, Y+[Z]]");
    EXPECT_TRUE(tree.selectedItems().isEmpty());
}

TEST_F(LoadFolderTree, ReadsEveryRowWhateverTheFilter) {
    appendFolders(data.tFolders, {{"A", "-"}, {"X", "A"}});
    data.tFolders.SetFilter("Parent = \"-\"");
    data.tFolders.SetFiltered(true);
    widgets::loadFolderTree(tree, data.tFolders);
    EXPECT_EQ(treeShape(tree), "A+[X]");
}

struct DamagedCase {
    const char* what;
    std::vector<FolderRow> rows;
    const char* shape;
};

void PrintTo(const DamagedCase& damaged, std::ostream* out) {
    *out << damaged.what;
}

class LoadDamagedFolderTree : public LoadFolderTree,
                              public ::testing::WithParamInterface<DamagedCase> {};

TEST_P(LoadDamagedFolderTree, KeepsEveryFolderAndMakesNoNodeItsOwnAncestor) {
    EXPECT_EQ(loadedShape(GetParam().rows), GetParam().shape);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LoadDamagedFolderTree,
    ::testing::Values(
        DamagedCase{"missing parent", {{"A", "-"}, {"B", "GONE"}}, "B, A"},
        DamagedCase{"own parent", {{"A", "A"}}, "A"},
        // A goes below B; B's parent A then lies in B's subtree, so B stays.
        DamagedCase{"cycle of two", {{"A", "B"}, {"B", "A"}, {"C", "-"}}, "C, B+[A]"},
        DamagedCase{"cycle of three", {{"A", "C"}, {"B", "A"}, {"C", "B"}}, "C+[A+[B]]"},
        // Each row acts on the first node of its name: X goes below the later A, which
        // comes first at the top level.
        DamagedCase{"two of a name", {{"A", "-"}, {"X", "A"}, {"A", "-"}}, "A+[X], A"},
        // The first X row moves the later X node below A; that node is then the first X, so
        // the second X row moves it on to B, and the earlier X node stays at the top.
        DamagedCase{"two children of a name",
                    {{"X", "A"}, {"A", "-"}, {"X", "B"}, {"B", "-"}},
                    "B+[X], A+, X"}),
    [](const ::testing::TestParamInfo<DamagedCase>& info) {
        std::string name = info.param.what;
        std::replace(name.begin(), name.end(), ' ', '_');
        return name;
    });

TEST_F(LoadFolderTree, GivesWhatWalkingTheTreeForEveryNameGives) {
    for (unsigned seed = 1; seed <= 40; ++seed) {
        std::mt19937 random(seed);
        const std::vector<FolderRow> rows = randomRows(random);
        data.tFolders.First();
        while (!data.tFolders.Eof())
            data.tFolders.Delete();
        appendFolders(data.tFolders, rows);

        widgets::loadFolderTree(tree, data.tFolders);
        QTreeWidget expected;
        loadByWalking(expected, rows);
        ASSERT_EQ(treeShape(tree), treeShape(expected)) << "seed " << seed;
    }
}
