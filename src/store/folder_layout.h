#pragma once

#include <QHash>
#include <QString>
#include <span>
#include <vector>

namespace quillox::store {

// One row of Folders as the tree reads it.
struct FolderLink {
    QString name;
    QString parent;
};

// Where the loading of a folder tree leaves every node, worked out without a tree control.
// The first pass puts each row's node in front of the top level; the second moves, for each
// row with a parent, the first node of its name in the tree's top-to-bottom order below the
// first node of its parent's name, unless that would make a node its own ancestor.
//
// Finding "the first node of a name" by walking the tree would make loading quadratic, so
// nodes are indexed by name, and when a name has several nodes their places are compared
// through their ancestors and their order among siblings.
class FolderLayout {
public:
    explicit FolderLayout(const std::vector<FolderLink>& rows);

    // Nodes are numbered as the rows that made them.
    int nodeCount() const { return static_cast<int>(nodes_.size()); }
    const QString& text(int node) const { return nodes_[at(node)].text; }
    // Whether the node was given a child at some time, which shows it expanded.
    bool expanded(int node) const { return nodes_[at(node)].expanded; }
    // The nodes below a node, or at the top level for -1, from top to bottom.
    std::span<const int> children(int node) const;

private:
    struct Node {
        QString text;
        int parent = -1;
        // Increases from the first sibling to the last.
        qint64 order = 0;
        int nextOfText = -1; // the node made before it with the same text
        bool expanded = false;
    };

    static std::size_t at(int node) { return static_cast<std::size_t>(node); }
    int firstNamed(const QString& text) const;
    bool comesBefore(int a, int b) const;
    std::vector<int> pathFromTop(int node) const;
    bool withinSubtree(int node, int root) const;
    void listChildren();

    std::vector<Node> nodes_;
    QHash<QString, int> firstOfText_; // the last node made with each text
    // Every node grouped by parent, the top level first; children_ from childStart_[p + 1].
    std::vector<int> children_;
    std::vector<std::size_t> childStart_;
};

} // namespace quillox::store
