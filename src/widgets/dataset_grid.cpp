#include "widgets/dataset_grid.h"

#include "widgets/dataset_grid_model.h"

#include <QHeaderView>
#include <QMouseEvent>

namespace quillox::widgets {
namespace {

QStringList fieldsOf(const QList<GridColumn>& columns, const QStringList& keptFields) {
    QStringList fields;
    for (const GridColumn& column : columns)
        fields.append(column.field);
    return fields + keptFields;
}

QStringList titlesOf(const QList<GridColumn>& columns) {
    QStringList titles;
    for (const GridColumn& column : columns)
        titles.append(column.title);
    return titles;
}

constexpr int indicatorWidth = 12;

} // namespace

DatasetGrid::DatasetGrid(const QList<GridColumn>& columns, const QStringList& keptFields,
                         QWidget* parent)
    : QTableView(parent),
      model_(new DatasetGridModel(titlesOf(columns), fieldsOf(columns, keptFields), this)) {
    setModel(model_);
    setEditTriggers(NoEditTriggers);
    setSelectionBehavior(SelectRows);
    setSelectionMode(SingleSelection);
    setShowGrid(true);
    setWordWrap(false);
    setTabKeyNavigation(true);
    horizontalHeader()->setSectionsClickable(false);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    horizontalHeader()->setStretchLastSection(false);
    // A fixed row height keeps a grid of a hundred thousand rows quick to fill and scroll.
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    verticalHeader()->setFixedWidth(indicatorWidth);
    verticalHeader()->setDefaultAlignment(Qt::AlignCenter);
    for (int column = 0; column < columns.size(); ++column)
        setColumnWidth(column, columns[column].width);
    for (auto column = columns.size(); column < columns.size() + keptFields.size(); ++column)
        hideColumn(static_cast<int>(column));
}

void DatasetGrid::load(db::TDbDataset& dataset) {
    model_->load(dataset);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    if (model_->rowCount() > 0)
        setCurrentIndex(model_->index(0, 0));
}

void DatasetGrid::clear() {
    model_->clear();
}

int DatasetGrid::rowCount() const {
    return model_->rowCount();
}

std::optional<QString> DatasetGrid::currentText(const QString& field) const {
    const QModelIndex current = currentIndex();
    if (!current.isValid())
        return std::nullopt;
    return model_->text(current.row(), field);
}

void DatasetGrid::mouseDoubleClickEvent(QMouseEvent* event) {
    QTableView::mouseDoubleClickEvent(event);
    if (event->button() == Qt::LeftButton)
        emit gridDoubleClicked(event->globalPosition().toPoint());
}

void DatasetGrid::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
    QTableView::currentChanged(current, previous);
    model_->setIndicatedRow(current.isValid() ? current.row() : -1);
}

} // namespace quillox::widgets
