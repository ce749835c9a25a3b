#include "folder_tree_cases.h"

#include "bench_home.h"
#include "bench_settings.h"
#include "direct_fill.h"
#include "engine_session.h"
#include "folder_store.h"
#include "widgets/folder_tree_loading.h"
#include "widgets/folder_tree_view.h"

#include <QTreeWidgetItemIterator>
#include <deque>
#include <stdexcept>

namespace {

using quillox::widgets::FolderTreeView;

struct FolderSet {
    QString home;
    GeneratedFolders folders;
};

// Texts and expanded flags of every node from top to bottom, with their depths.
QStringList outline(QTreeWidget& tree) {
    QStringList lines;
    for (QTreeWidgetItemIterator it(&tree); *it; ++it) {
        int depth = 0;
        for (QTreeWidgetItem* at = (*it)->parent(); at; at = at->parent())
            ++depth;
        lines.append(QString(depth, ' ') + (*it)->text(0) + ((*it)->isExpanded() ? "+" : ""));
    }
    return lines;
}

void checkSameTree(const FolderSet& set) {
    useHome(set.home);
    EngineSession session;
    FolderTreeView loaded;
    quillox::widgets::loadFolderTree(loaded, session.data.tFolders);
    FolderTreeView filled;
    fillTreeDirectly(filled, set.folders);
    if (outline(loaded) != outline(filled))
        throw std::runtime_error("loadFolderTree and the direct fill build different trees");
}

void loadFolderTree(benchmark::State& state, const FolderSet* set) {
    useHome(set->home);
    EngineSession session;
    FolderTreeView tree;
    for (auto _ : state)
        quillox::widgets::loadFolderTree(tree, session.data.tFolders);
    state.counters["levels"] = set->folders.levels;
}

void fillDirectly(benchmark::State& state, const FolderSet* set) {
    FolderTreeView tree;
    for (auto _ : state)
        fillTreeDirectly(tree, set->folders);
}

} // namespace

void registerFolderTreeCases(const QString& folder, const std::vector<int>& sizes) {
    static std::deque<FolderSet> sets; // the cases keep pointers to them
    for (int size : sizes) {
        FolderSet& set = sets.emplace_back();
        set.home = folder + "/home-" + QString::number(size);
        set.folders = generateFolders(size);
        makeFolderStore(set.home, set.folders);
        checkSameTree(set);
        const std::string suffix = "/" + std::to_string(size);
        benchmark::RegisterBenchmark(("BM_LoadFolderTree" + suffix).c_str(), loadFolderTree, &set)
            ->Apply(repeated);
        benchmark::RegisterBenchmark(("BM_FillTreeDirectly" + suffix).c_str(), fillDirectly, &set)
            ->Apply(repeated);
    }
}
