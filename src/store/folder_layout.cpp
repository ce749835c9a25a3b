#include "store/folder_layout.h"

#include "store/table_names.h"

#include <algorithm>
#include <numeric>

namespace quillox::store {

FolderLayout::FolderLayout(const std::vector<FolderLink>& rows) : nodes_(rows.size()) {
    firstOfText_.reserve(static_cast<qsizetype>(rows.size()));
    for (int node = 0; node < nodeCount(); ++node) {
        Node& made = nodes_[at(node)];
        made.text = rows[at(node)].name;
        // Each node goes in front of those before it.
        made.order = -node;
        const auto sameText = firstOfText_.find(made.text);
        if (sameText == firstOfText_.end()) {
            firstOfText_.insert(made.text, node);
        } else {
            made.nextOfText = *sameText;
            *sameText = node;
        }
    }

    qint64 lastOrder = 0; // a moved node comes after every sibling it gets
    for (std::size_t row = 0; row < rows.size(); ++row) {
        if (rows[row].parent == topLevelMarker)
            continue;
        const int node = firstNamed(rows[row].name);
        const int parent = firstNamed(rows[row].parent);
        if (parent < 0 || withinSubtree(parent, node))
            continue;
        nodes_[at(node)].parent = parent;
        nodes_[at(node)].order = ++lastOrder;
        nodes_[at(parent)].expanded = true;
    }
    listChildren();
}

std::span<const int> FolderLayout::children(int node) const {
    const std::size_t begin = childStart_[at(node + 1)];
    const std::size_t end = childStart_[at(node + 2)];
    return std::span<const int>(children_).subspan(begin, end - begin);
}

void FolderLayout::listChildren() {
    children_.resize(nodes_.size());
    std::iota(children_.begin(), children_.end(), 0);
    std::sort(children_.begin(), children_.end(), [this](int a, int b) {
        const Node& first = nodes_[at(a)];
        const Node& second = nodes_[at(b)];
        return first.parent != second.parent ? first.parent < second.parent
                                             : first.order < second.order;
    });
    childStart_.assign(nodes_.size() + 2, 0);
    for (const Node& node : nodes_)
        ++childStart_[at(node.parent + 2)];
    std::partial_sum(childStart_.begin(), childStart_.end(), childStart_.begin());
}

int FolderLayout::firstNamed(const QString& text) const {
    int first = firstOfText_.value(text, -1);
    if (first < 0)
        return first;
    for (int other = nodes_[at(first)].nextOfText; other >= 0;
         other = nodes_[at(other)].nextOfText) {
        if (comesBefore(other, first))
            first = other;
    }
    return first;
}

bool FolderLayout::comesBefore(int a, int b) const {
    const std::vector<int> pathA = pathFromTop(a);
    const std::vector<int> pathB = pathFromTop(b);
    std::size_t common = 0;
    while (common < pathA.size() && common < pathB.size() && pathA[common] == pathB[common])
        ++common;
    if (common == pathA.size())
        return true; // a is an ancestor of b
    if (common == pathB.size())
        return false;
    // Siblings below the last common ancestor, or both at the top level.
    return nodes_[at(pathA[common])].order < nodes_[at(pathB[common])].order;
}

std::vector<int> FolderLayout::pathFromTop(int node) const {
    std::vector<int> path;
    for (int step = node; step >= 0; step = nodes_[at(step)].parent)
        path.push_back(step);
    std::reverse(path.begin(), path.end());
    return path;
}

bool FolderLayout::withinSubtree(int node, int root) const {
    for (int step = node; step >= 0; step = nodes_[at(step)].parent) {
        if (step == root)
            return true;
    }
    return false;
}

} // namespace quillox::store
