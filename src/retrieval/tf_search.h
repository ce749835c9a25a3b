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
    void makeControls() override;
    void FormClose() override { iCloseButtonClick(); }
    // Return in the search controls runs the search, so that the keyboard alone can search; on
    // a result it does not.
    bool canConfirm() const override;
    void confirm() override { iSearchButtonClick(); }
    bool canCancel() const override { return true; }
    void cancel() override { iCloseButtonClick(); }

private:
    store::TdmData& data_;
    QWidget* Panel1 = nullptr;
    QLabel* Label3 = nullptr;
    QComboBox* cbSearchTerm = nullptr;
    QLabel* Label1 = nullptr;
    QDateEdit* dtpFrom = nullptr;
    QLabel* Label2 = nullptr;
    QDateEdit* dtpTo = nullptr;
    widgets::PictureButton* iSearchButton = nullptr;
    widgets::PictureButton* iCloseButton = nullptr;
    QSplitter* Splitter1 = nullptr;
    widgets::DatasetGrid* dbgFolders = nullptr;
    widgets::DatasetGrid* dbgFiles = nullptr;
    bool gridsLoaded_ = false;
};

} // namespace quillox::retrieval
