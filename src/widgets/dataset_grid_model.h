#pragma once

#include "db/row_block.h"

#include <QAbstractTableModel>
#include <QStringList>
#include <chrono>
#include <cstdint>
#include <map>
#include <vector>

namespace quillox::db {
class TDbDataset;
}

namespace quillox::widgets {

// The rows of a dataset as a grid sees them: the values of the named fields, read in pages of
// rows as the grid shows them, so that a grid over a million rows costs the rows on screen. The
// row count is the dataset's count when it is loaded, when SQLite finds it at once and it is
// not too long to lay out; otherwise the grid grows by a page whenever it is scrolled to its
// end. A field the dataset lacks shows
// empty cells. Dates show in the system's short date format.
//
// The dataset must stay alive while the model shows it; once it is closed or opened again,
// the model shows empty rows until it is loaded again.
class DatasetGridModel : public QAbstractTableModel {
    Q_OBJECT

public:
    DatasetGridModel(QStringList titles, QStringList fields, QObject* parent = nullptr);

    // How long counting the rows at a load may take before the grid grows page by page instead.
    void setCountBudget(std::chrono::milliseconds budget) { countBudget_ = budget; }

    // Shows the dataset's rows from its first; a closed dataset gives no rows. Throws DbError.
    void load(db::TDbDataset& dataset);
    void clear();

    // The text of a field, the shown ones and the kept ones alike, in a row.
    QString text(int row, const QString& field) const;

    // The row the row indicator points at, or -1.
    void setIndicatedRow(int row);

    int rowCount(const QModelIndex& parent = {}) const override;
    bool canFetchMore(const QModelIndex& parent) const override;
    void fetchMore(const QModelIndex& parent) override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    struct Page {
        db::RowBlock rows; // the wanted fields only, one value a field
        std::uint64_t lastUse = 0;
    };

    const db::Value& cell(int row, int column) const;
    const Page& page(int number) const;
    db::RowBlock readPage(int number) const;
    db::RowBlock wantedFields(db::RowBlock block) const;
    void forgetFarPages(int kept) const;
    void reportReadFailure() const;

    QStringList titles_;
    QStringList fields_;
    std::vector<bool> dateColumns_;
    std::vector<int> positions_; // each field's position in the dataset, -1 when it has none
    db::TDbDataset* dataset_ = nullptr;
    std::uint64_t generation_ = 0;
    std::size_t datasetWidth_ = 0;
    int rows_ = 0;
    int indicatedRow_ = -1;
    mutable std::map<int, Page> pages_;
    mutable std::uint64_t uses_ = 0;
    mutable bool readFailed_ = false;
    // A longer count would hold up the grid's first showing.
    std::chrono::milliseconds countBudget_{5};
    bool growing_ = false; // the count was not found at once: rows are added page by page
    bool atEnd_ = false;   // a growing grid has read its last row
};

} // namespace quillox::widgets
