#include "generated_folders.h"

#include <algorithm>
#include <random>

namespace {

constexpr int maxLevels = 8;

} // namespace

GeneratedFolders generateFolders(int count) {
    GeneratedFolders folders;
    folders.children.resize(static_cast<std::size_t>(count));
    std::mt19937 random(static_cast<unsigned>(count));
    std::vector<int> level(static_cast<std::size_t>(count));
    std::vector<int> mayHaveChildren;
    for (int i = 0; i < count; ++i) {
        const bool topLevel = mayHaveChildren.empty() || random() % 10 == 0;
        const QString number = QString::number(i).rightJustified(5, '0');
        folders.names.push_back(topLevel ? "BOX " + number + " FOLDER"
                                         : "FILE " + number + " SUBFOLDER");
        const auto at = static_cast<std::size_t>(i);
        if (topLevel) {
            folders.parents.push_back("-");
            level[at] = 1;
        } else {
            const int parent = mayHaveChildren[random() % mayHaveChildren.size()];
            folders.parents.push_back(folders.names[static_cast<std::size_t>(parent)]);
            folders.children[static_cast<std::size_t>(parent)].push_back(i);
            level[at] = level[static_cast<std::size_t>(parent)] + 1;
        }
        if (level[at] < maxLevels)
            mayHaveChildren.push_back(i);
        folders.levels = std::max(folders.levels, level[at]);
    }
    for (int i = count - 1; i >= 0; --i) {
        if (folders.parents[static_cast<std::size_t>(i)] == "-")
            folders.topLevel.push_back(i);
    }
    return folders;
}
