#include "widgets/dataset_grid_model.h"

#include "db/tdb_dataset.h"
#include "platform/handler_guard.h"

#include <QDate>
#include <QLocale>
#include <algorithm>
#include <exception>

namespace quillox::widgets {
namespace {

// A page is a few screens of rows: a page step of the grid reads at most one more. The pages
// kept cover a long scroll back and forth without reading again, in a few hundred kilobytes.
constexpr int pageRows = 64;
constexpr std::size_t keptPages = 64;
// The grid's row header keeps a record for every row: a result of a million rows takes it 30 MB
// and a sixth of a second to lay out. Longer results grow as they are scrolled instead.
constexpr std::int64_t largestCountedResult = 50'000;

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
    pages_.clear();
    positions_.clear();
    dataset_ = nullptr;
    growing_ = false;
    rows_ = 0;
    indicatedRow_ = -1;
    readFailed_ = false;
    std::fill(dateColumns_.begin(), dateColumns_.end(), false);
    try {
        if (dataset.Active()) {
            for (int column = 0; column < fields_.size(); ++column) {
                int position = -1;
                for (int i = 0; i < dataset.FieldCount() && position < 0; ++i) {
                    if (dataset.Fields(i).FieldName().compare(fields_[column],
                                                              Qt::CaseInsensitive) == 0)
                        position = i;
                }
                positions_.push_back(position);
                dateColumns_[static_cast<std::size_t>(column)] =
                    position >= 0 && dataset.Fields(position).DataType() == db::ftDate;
            }
            datasetWidth_ = static_cast<std::size_t>(dataset.FieldCount());
            const auto count = dataset.RecordCountWithin(countBudget_);
            growing_ = !count || *count > largestCountedResult;
            rows_ = growing_ ? 0 : static_cast<int>(*count);
            atEnd_ = false;
            dataset_ = &dataset;
            generation_ = dataset.Generation();
        }
    } catch (...) {
        rows_ = 0;
        endResetModel();
        throw;
    }
    endResetModel();
    fetchMore({});
}

bool DatasetGridModel::canFetchMore(const QModelIndex& parent) const {
    return !parent.isValid() && growing_ && !atEnd_ && dataset_ && !readFailed_;
}

void DatasetGridModel::fetchMore(const QModelIndex& parent) {
    if (!canFetchMore(parent))
        return;
    const auto added = static_cast<int>(page(rows_ / pageRows).rows.rowids.size());
    atEnd_ = added < pageRows;
    if (added == 0)
        return;
    beginInsertRows({}, rows_, rows_ + added - 1);
    rows_ += added;
    endInsertRows();
}

void DatasetGridModel::clear() {
    beginResetModel();
    pages_.clear();
    dataset_ = nullptr;
    growing_ = false;
    rows_ = 0;
    indicatedRow_ = -1;
    endResetModel();
}

db::RowBlock DatasetGridModel::wantedFields(db::RowBlock block) const {
    db::RowBlock wanted;
    wanted.values.reserve(block.rowids.size() * positions_.size());
    for (std::size_t row = 0; row < block.rowids.size(); ++row) {
        for (const int position : positions_) {
            wanted.values.push_back(
                position >= 0
                    ? std::move(
                          block.values[row * datasetWidth_ + static_cast<std::size_t>(position)])
                    : db::Value());
        }
    }
    wanted.rowids = std::move(block.rowids);
    return wanted;
}

// A page next to one that is read already continues from its row id, which an index answers at
// once; a page reached by a jump is counted off from the first row.
db::RowBlock DatasetGridModel::readPage(int number) const {
    if (!dataset_ || readFailed_ || !dataset_->Active() || dataset_->Generation() != generation_)
        return {};
    if (number == 0)
        return wantedFields(dataset_->RowsAfter(std::nullopt, pageRows));
    const auto previous = pages_.find(number - 1);
    if (previous != pages_.end() && previous->second.rows.rowids.size() == pageRows)
        return wantedFields(dataset_->RowsAfter(previous->second.rows.rowids.back(), pageRows));
    const auto following = pages_.find(number + 1);
    if (following != pages_.end() && !following->second.rows.rowids.empty())
        return wantedFields(dataset_->RowsBefore(following->second.rows.rowids.front(), pageRows));
    return wantedFields(dataset_->RowsFrom(std::int64_t{number} * pageRows, pageRows));
}

void DatasetGridModel::forgetFarPages(int kept) const {
    while (pages_.size() > keptPages) {
        auto oldest = pages_.end();
        for (auto it = pages_.begin(); it != pages_.end(); ++it) {
            if (it->first != kept &&
                (oldest == pages_.end() || it->second.lastUse < oldest->second.lastUse))
                oldest = it;
        }
        pages_.erase(oldest);
    }
}

// A read fails while the grid paints, where no error may unwind: the grid shows empty rows and
// the error goes to the user once the paint is over.
void DatasetGridModel::reportReadFailure() const {
    readFailed_ = true;
    auto* self = const_cast<DatasetGridModel*>(this);
    QMetaObject::invokeMethod(
        self,
        [error = std::current_exception()] {
            platform::runHandler([&] { std::rethrow_exception(error); });
        },
        Qt::QueuedConnection);
}

const DatasetGridModel::Page& DatasetGridModel::page(int number) const {
    auto found = pages_.find(number);
    if (found == pages_.end()) {
        Page page;
        try {
            page.rows = readPage(number);
        } catch (...) {
            reportReadFailure();
        }
        found = pages_.emplace(number, std::move(page)).first;
        forgetFarPages(number);
    }
    found->second.lastUse = ++uses_;
    return found->second;
}

const db::Value& DatasetGridModel::cell(int row, int column) const {
    if (row < 0 || row >= rows_ || column < 0 || column >= fields_.size())
        return noValue;
    const Page& rows = page(row / pageRows);
    const auto index = static_cast<std::size_t>(row % pageRows);
    if (index >= rows.rows.rowids.size())
        return noValue;
    return rows.rows.values[index * static_cast<std::size_t>(fields_.size()) +
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
