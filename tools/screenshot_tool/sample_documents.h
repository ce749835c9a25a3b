#pragma once

#include <QString>

namespace quillox::store {
class TdmData;
}

namespace quillox::screenshots {

// Files a household's papers of 2013 and 2014 into the sample folders, as the new document
// window would: each from a page written into scanFolder, with its name, description, tag
// words and date.
void fileSampleDocuments(store::TdmData& data, const QString& scanFolder);

} // namespace quillox::screenshots
