#pragma once

#include "generated_folders.h"

class QTreeWidget;

// The baseline: the tree control filled with the finished tree straight from memory, built from
// the top down, every folder with children expanded.
void fillTreeDirectly(QTreeWidget& tree, const GeneratedFolders& folders);
