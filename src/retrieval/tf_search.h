#pragma once

#include "widgets/designed_window.h"

#include <QWidget>

class QComboBox;
class QDateEdit;
class QLabel;
class QSplitter;

namespace quillox::store {
class TdmData;
}
namespace quillox::widgets {
class DatasetGrid;
class PictureButton;
} // namespace quillox::widgets

namespace quillox::retrieval {

// The search window: finds documents by tag words and a date range, and folders by name; a
// double-click on a result shows its folder in the browse window.
class TfSearch : public widgets::DesignedWindow<QWidget> {
    Q_OBJECT

public:
    TfSearch(QWidget* owner, store::TdmData& data);

    void FormShow() override;
    void iSearchButtonClick();
    void dbgFilesDblClick();
    void dbgFoldersDblClick();
    void iCloseButtonClick();

signals:
    // The search is closed: back to browsing.
    void closed();
    // A found folder, or a found document's folder, to be browsed.
    void browseFolderRequested(const QString& folder);

protected:
    void FormClose() override { iCloseButtonClick(); }
    // Return in the search controls runs the search, so that the keyboard alone can search; on
    // a result it does not.
    bool canConfirm() const override;
    void confirm() override { iSearchButtonClick(); }
    bool canCancel() const override { return true; }
    void cancel() override { iCloseButtonClick(); }

private:
    store::TdmData& data_;
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
    bool gridsLoaded_ = false;
};

} // namespace quillox::retrieval
