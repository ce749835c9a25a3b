#pragma once

#include "widgets/designed_window.h"

#include <QWidget>

class QLabel;

namespace quillox::store {
class TdmData;
}
namespace quillox::widgets {
class FolderTreeView;
class PictureButton;
} // namespace quillox::widgets

namespace quillox::retrieval {

// The move window: moves the current document of the documents table to the folder chosen in
// the tree.
class TfMoveDoc : public widgets::DesignedWindow<QWidget> {
    Q_OBJECT

public:
    TfMoveDoc(QWidget* owner, store::TdmData& data);

    void FormShow() override;
    void bOkClick();
    void bCancelClick();

signals:
    // The document was moved, or the move was cancelled.
    void moveEnded();

protected:
    void makeControls() override;
    void FormClose() override { bCancelClick(); }
    // Return moves when a destination is selected; Escape cancels.
    bool canConfirm() const override;
    void confirm() override { bOkClick(); }
    bool canCancel() const override { return true; }
    void cancel() override { bCancelClick(); }

private:
    void updateOkButton();

    store::TdmData& data_;
    QLabel* Label1 = nullptr;
    widgets::PictureButton* iOkButton = nullptr;
    widgets::PictureButton* iCancelButton = nullptr;
    widgets::FolderTreeView* TreeView1 = nullptr;
};

} // namespace quillox::retrieval
