#pragma once

#include <QString>
#include <vector>

// A folder tree as the Folders table holds it, one row a folder in table order, and the same
// tree as the folder tree control shows it.
struct GeneratedFolders {
    std::vector<QString> names;
    std::vector<QString> parents; // "-" at the top level
    // The shown tree: top level in the reverse of the table's order, children in its order.
    std::vector<int> topLevel;
    std::vector<std::vector<int>> children;
    int levels = 0;
};

// Folders nested at most eight levels deep, each below a folder made before it, as the new
// folder dialog makes them. The same count gives the same tree.
GeneratedFolders generateFolders(int count);
