#pragma once

#include <QLatin1StringView>

// The names the database knows its tables and columns by, and the mark of the top level. Every
// table and every window reads and writes through these, so that a name is spelt in one place.
namespace quillox::store {

// The Parent of a top-level folder, and the name that stands for the top level wherever a
// folder's name is expected: the browse window's start, a folder without an ancestor.
inline constexpr QLatin1StringView topLevelMarker{"-"};

inline constexpr QLatin1StringView documentsTable{"Documents"};
inline constexpr QLatin1StringView foldersTable{"Folders"};
inline constexpr QLatin1StringView searchTermsTable{"SearchTerms"};

// Every table's identifier, its primary key.
inline constexpr QLatin1StringView idColumn{"ID"};

// Documents.
inline constexpr QLatin1StringView documentNameColumn{"Document_Name"};
inline constexpr QLatin1StringView tagWordsColumn{"Tag_Words"};
inline constexpr QLatin1StringView descriptionColumn{"Description"};
inline constexpr QLatin1StringView pathColumn{"Path"};
inline constexpr QLatin1StringView inputDateColumn{"InputDate"};
// The Name of the document's folder.
inline constexpr QLatin1StringView folderColumn{"Folder"};

// Folders. A folder is known by its Name alone; Parent holds the Name of the folder above it.
inline constexpr QLatin1StringView nameColumn{"Name"};
inline constexpr QLatin1StringView parentColumn{"Parent"};
inline constexpr QLatin1StringView pictureColumn{"Picture"};

// SearchTerms: the vocabulary of tag words.
inline constexpr QLatin1StringView termColumn{"Term"};

} // namespace quillox::store
