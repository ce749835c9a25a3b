#pragma once

#include "db/value.h"

#include <QAbstractTableModel>
#include <QStringList>
#include <optional>
#include <vector>

namespace quillox::db {
class TDbDataset;
}

namespace quillox::widgets {

// The rows of a dataset as a grid sees them: the values of the named fields, read in one pass
// when the grid is loaded. A field the dataset lacks shows empty cells. Dates show in the
// system's short date format.
class DatasetGridModel : public QAbstractTableModel {
    Q_OBJECT

public:
    DatasetGridModel(QStringList titles, QStringList fields, QObject* parent = nullptr);

    // Reads every row of the dataset from its first; a closed dataset gives no rows.
    void load(db::TDbDataset& dataset);
    void clear();

    // The text of a field, the shown ones and the kept ones alike, in a row.
    QString text(int row, const QString& field) const;

    // The row the row indicator points at, or -1.
    void setIndicatedRow(int row);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    const db::Value& cell(int row, int column) const;

    QStringList titles_;
    QStringList fields_;
    std::vector<bool> dateColumns_;
    std::vector<db::Value> cells_; // row after row, one value a field
    int rows_ = 0;
    int indicatedRow_ = -1;
};

} // namespace quillox::widgets
