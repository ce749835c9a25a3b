#include "sample_folders.h"

#include "db/tdb_table.h"
#include "folder_icons.h"
#include "store/misc_ops.h"

#include <QString>

namespace quillox::screenshots {
namespace {

struct SampleFolder {
    const char* name;
    const char* parent;
    int picture;
};

constexpr SampleFolder sampleFolders[] = {
    {"TAXES FOLDER", "-", folderIcon(Symbol::Tax, Colour::Red)},
    {"2013 SUBFOLDER", "TAXES FOLDER", folderIcon(Symbol::Tax, Colour::Blue)},
    {"2014 SUBFOLDER", "TAXES FOLDER", folderIcon(Symbol::Tax, Colour::Green)},
    {"INSURANCE FOLDER", "-", folderIcon(Symbol::Insurance, Colour::Blue)},
    {"CAR SUBFOLDER", "INSURANCE FOLDER", folderIcon(Symbol::Car, Colour::Amber)},
    {"HOUSE SUBFOLDER", "INSURANCE FOLDER", folderIcon(Symbol::House, Colour::Red)},
    {"HOUSEHOLD FOLDER", "-", folderIcon(Symbol::House, Colour::Amber)},
    {"UTILITIES SUBFOLDER", "HOUSEHOLD FOLDER", folderIcon(Symbol::Utilities, Colour::Green)},
    {"ELECTRICITY SUBFOLDER", "UTILITIES SUBFOLDER", noFolderIcon},
    {"O'NEIL FOLDER", "-", folderIcon(Symbol::Legal, Colour::Magenta)},
    {"MEDICAL FOLDER", "-", folderIcon(Symbol::Health, Colour::Red)},
    {"BANK FOLDER", "-", folderIcon(Symbol::Bank, Colour::Green)},
};

} // namespace

void addSampleFolders(db::TDbTable& folders) {
    for (const SampleFolder& folder : sampleFolders) {
        const int id = store::nextId(folders);
        folders.Append();
        folders.FieldByName("ID").SetAsInteger(id);
        folders.FieldByName("Name").SetAsString(folder.name);
        folders.FieldByName("Parent").SetAsString(folder.parent);
        folders.FieldByName("Picture").SetAsInteger(folder.picture);
        folders.Post();
    }
}

} // namespace quillox::screenshots
