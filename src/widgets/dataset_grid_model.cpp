#include "widgets/dataset_grid_model.h"

#include "db/tdb_dataset.h"

#include <QDate>
#include <QLocale>

namespace quillox::widgets {
namespace {

QString textOf(const db::Value& value) {
    if (const auto* text = std::get_if<std::string>(&value))
        return QString::fromUtf8(text->data(), static_cast<qsizetype>(text->size()));
    if (const auto* number = std::get_if<std::int64_t>(&value))
        return QString::number(*number);
    return {};
}

const db::Value noValue;

} // namespace

DatasetGridModel::DatasetGridModel(QStringList titles, QStringList fields, QObject* parent)
    : QAbstractTableModel(parent), titles_(std::move(titles)), fields_(std::move(fields)),
      dateColumns_(static_cast<std::size_t>(fields_.size()), false) {}

void DatasetGridModel::load(db::TDbDataset& dataset) {
    beginResetModel();
    cells_.clear();
    rows_ = 0;
    indicatedRow_ = -1;
    std::fill(dateColumns_.begin(), dateColumns_.end(), false);
    if (dataset.Active()) {
        // Where each wanted field sits in the dataset, -1 when it has none of that name.
        std::vector<int> positions;
        for (int column = 0; column < fields_.size(); ++column) {
            int position = -1;
            for (int i = 0; i < dataset.FieldCount() && position < 0; ++i) {
                if (dataset.Fields(i).FieldName().compare(fields_[column], Qt::CaseInsensitive) ==
                    0)
                    position = i;
            }
            positions.push_back(position);
            dateColumns_[static_cast<std::size_t>(column)] =
                position >= 0 && dataset.Fields(position).DataType() == db::ftDate;
        }
        for (dataset.First(); !dataset.Eof(); dataset.Next()) {
            for (const int position : positions)
                cells_.push_back(position >= 0 ? dataset.FieldValue(position) : db::Value());
            ++rows_;
        }
    }
    endResetModel();
}

void DatasetGridModel::clear() {
    beginResetModel();
    cells_.clear();
    rows_ = 0;
    indicatedRow_ = -1;
    endResetModel();
}

const db::Value& DatasetGridModel::cell(int row, int column) const {
    if (row < 0 || row >= rows_ || column < 0 || column >= fields_.size())
        return noValue;
    return cells_[static_cast<std::size_t>(row) * static_cast<std::size_t>(fields_.size()) +
                  static_cast<std::size_t>(column)];
}

QString DatasetGridModel::text(int row, const QString& field) const {
    const auto column = fields_.indexOf(field);
    return textOf(cell(row, static_cast<int>(column)));
}

void DatasetGridModel::setIndicatedRow(int row) {
    const int previous = indicatedRow_;
    indicatedRow_ = row;
    for (const int changed : {previous, row}) {
        if (changed >= 0 && changed < rows_)
            emit headerDataChanged(Qt::Vertical, changed, changed);
    }
}

int DatasetGridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : rows_;
}

int DatasetGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(fields_.size());
}

QVariant DatasetGridModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !index.isValid())
        return {};
    const QString text = textOf(cell(index.row(), index.column()));
    if (!dateColumns_[static_cast<std::size_t>(index.column())])
        return text;
    const QDate date = QDate::fromString(text, Qt::ISODate);
    return date.isValid() ? QLocale().toString(date, QLocale::ShortFormat) : text;
}

QVariant DatasetGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Vertical)
        return section == indicatedRow_ ? QString(QChar(0x25B8)) : QString();
    return section < titles_.size() ? titles_.at(section) : QString();
}

} // namespace quillox::widgets
