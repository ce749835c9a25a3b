#pragma once

#include "generated_folders.h"

#include <QString>

// Makes the data module's store in the home folder, its Folders table holding the folders in
// their order. Points HOME at that folder.
void makeFolderStore(const QString& home, const GeneratedFolders& folders);
