#pragma once

#include <QWidget>

class QComboBox;
class QDateEdit;
class QLabel;
class QSplitter;

namespace quillox::widgets {
class DatasetGrid;
class PictureButton;
} // namespace quillox::widgets

namespace quillox::retrieval {

// The search window: finds documents by tag words and a date range, and folders by name; a
// double-click on a result shows its folder in the browse window.
class TfSearch : public QWidget {
    Q_OBJECT

public:
    explicit TfSearch(QWidget* owner);

    void FormShow();
    void iSearchButtonClick();
    void dbgFilesDblClick();
    void dbgFoldersDblClick();
    void iCloseButtonClick();

    QWidget* Panel1;
    QLabel* Label3;
    QComboBox* cbSearchTerm;
    QLabel* Label1;
    QDateEdit* dtpFrom;
    QLabel* Label2;
    QDateEdit* dtpTo;
    widgets::PictureButton* iSearchButton;
    widgets::PictureButton* iCloseButton;
    QSplitter* Splitter1;
    widgets::DatasetGrid* dbgFolders;
    widgets::DatasetGrid* dbgFiles;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // Shows the browse window inside the folder of that name.
    void browseInto(const QString& folder);

    bool gridsLoaded_ = false;
};

} // namespace quillox::retrieval
