#pragma once

#include <QStringList>
#include <QTableView>
#include <optional>

namespace quillox::db {
class TDbDataset;
}

namespace quillox::widgets {

class DatasetGridModel;

struct GridColumn {
    QString field;
    QString title;
    int width;
};

// A read-only grid over a dataset's rows: column titles, a row indicator, column lines and
// resizable columns. Besides its shown columns it keeps the values of further fields, which
// the commands on the current row need.
class DatasetGrid : public QTableView {
    Q_OBJECT

public:
    DatasetGrid(const QList<GridColumn>& columns, const QStringList& keptFields,
                QWidget* parent = nullptr);

    // Shows the dataset's rows from its first; the first row becomes current.
    void load(db::TDbDataset& dataset);
    void clear();

    int rowCount() const;
    // The current row's value of a shown or kept field; none without a current row.
    std::optional<QString> currentText(const QString& field) const;

signals:
    // A double-click anywhere on the grid, with the pointer's screen position.
    void gridDoubleClicked(QPoint globalPosition);

protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;

private:
    DatasetGridModel* model_;
};

} // namespace quillox::widgets
