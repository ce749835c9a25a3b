#include "store/table_columns.h"

#include "store/table_names.h"

#include <algorithm>
#include <stdexcept>

namespace quillox::store {

using db::ftDate;
using db::ftInteger;
using db::ftString;

const std::vector<ColumnDefinition>& documentsColumns() {
    static const std::vector<ColumnDefinition> columns = {
        {documentNameColumn, ftString, 100, true}, {tagWordsColumn, ftString, 500, false},
        {descriptionColumn, ftString, 144, false}, {pathColumn, ftString, 500, true},
        {inputDateColumn, ftDate, 0, true},        {folderColumn, ftString, 100, true},
    };
    return columns;
}

const std::vector<ColumnDefinition>& foldersColumns() {
    static const std::vector<ColumnDefinition> columns = {
        {nameColumn, ftString, 100, true},
        {parentColumn, ftString, 100, true},
        {pictureColumn, ftInteger, 0, true},
    };
    return columns;
}

const std::vector<ColumnDefinition>& searchTermsColumns() {
    static const std::vector<ColumnDefinition> columns = {{termColumn, ftString, 100, true}};
    return columns;
}

int columnWidth(const std::vector<ColumnDefinition>& columns, QLatin1StringView name) {
    const auto column = std::find_if(columns.begin(), columns.end(),
                                     [&](const ColumnDefinition& c) { return c.name == name; });
    if (column == columns.end())
        throw std::logic_error("No column " + std::string(name.data(), name.size()));
    return column->size;
}

} // namespace quillox::store
