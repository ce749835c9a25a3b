#pragma once

#include "widgets/designed_window.h"

#include <QDialog>

class QCheckBox;
class QLabel;
class QLineEdit;

namespace quillox::store {
class TdmData;
}
namespace quillox::widgets {
class FolderTreeView;
class IconGrid;
class PictureButton;
} // namespace quillox::widgets

namespace quillox::filing {

// The new folder window, shown modally over the window that opens it: a name, an optional
// parent chosen in the folder tree, and one of the 80 folder icons.
class TfNewDir : public widgets::DesignedWindow<QDialog> {
    Q_OBJECT

public:
    TfNewDir(QWidget* owner, store::TdmData& data);

    void FormShow() override;
    void cbSubfolderClick();
    void bOkClick();
    void bCancelClick();

protected:
    void makeControls() override;
    // Return confirms as the OK picture does; Escape cancels, as for any dialog.
    bool canConfirm() const override { return true; }
    void confirm() override { bOkClick(); }
    bool canCancel() const override { return true; }
    void cancel() override { bCancelClick(); }

private:
    store::TdmData& data_;
    widgets::PictureButton* iCancelButton = nullptr;
    widgets::PictureButton* iOkButton = nullptr;
    widgets::PictureButton* iWatermark = nullptr;
    QLabel* Label1 = nullptr;
    widgets::FolderTreeView* tvFolders = nullptr;
    QLabel* lNewFolderName = nullptr;
    QLineEdit* eNewFolderName = nullptr;
    QCheckBox* cbSubfolder = nullptr;
    widgets::IconGrid* ilvImageSelect = nullptr;
};

} // namespace quillox::filing
