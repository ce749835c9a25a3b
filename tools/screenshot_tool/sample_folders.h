#pragma once

namespace quillox::db {
class TDbTable;
}

namespace quillox::screenshots {

// Adds a household's folders, three levels deep, each with its own icon and one with none:
// taxes by year, insurance by what is insured, household bills, a neighbour's letters, medical
// papers and the bank.
void addSampleFolders(db::TDbTable& folders);

} // namespace quillox::screenshots
