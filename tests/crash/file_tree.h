#pragma once

#include <QString>
#include <map>
#include <optional>
#include <string>

namespace quillox::testing {

// The folders and files below a root, by their path from it ("data/Quillox/main.abs"): a
// folder has no contents, a file its bytes. Nothing else lies below the roots of the test.
using FileTree = std::map<std::string, std::optional<std::string>>;

// What lies below the folder now.
FileTree treeOf(const QString& root);

// Empties the folder and puts the tree there.
void putTree(const FileTree& tree, const QString& root);

// A digest of the whole tree, names and bytes, to tell trees apart.
std::string treeDigest(const FileTree& tree);

} // namespace quillox::testing
