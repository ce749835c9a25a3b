#pragma once

#include <QString>
#include <vector>

// Makes a store of each size below the folder and registers, size by size, loadFolderTree on
// it and the direct fill of the same tree: BM_LoadFolderTree/<size>, BM_FillTreeDirectly/<size>.
// Throws when the two trees differ, since the figures would then compare different work.
void registerFolderTreeCases(const QString& folder, const std::vector<int>& sizes);
