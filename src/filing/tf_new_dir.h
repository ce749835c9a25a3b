#pragma once

#include <QDialog>

class QCheckBox;
class QLabel;
class QLineEdit;

namespace quillox::widgets {
class FolderTreeView;
class IconGrid;
class PictureButton;
} // namespace quillox::widgets

namespace quillox::filing {

// The new folder window, shown modally over the window that opens it: a name, an optional
// parent chosen in the folder tree, and one of the 80 folder icons.
class TfNewDir : public QDialog {
    Q_OBJECT

public:
    explicit TfNewDir(QWidget* owner);

    void FormShow();
    void cbSubfolderClick();
    void bOkClick();
    void bCancelClick();

    widgets::PictureButton* iCancelButton;
    widgets::PictureButton* iOkButton;
    widgets::PictureButton* iWatermark;
    QLabel* Label1;
    widgets::FolderTreeView* tvFolders;
    QLabel* lNewFolderName;
    QLineEdit* eNewFolderName;
    QCheckBox* cbSubfolder;
    widgets::IconGrid* ilvImageSelect;

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace quillox::filing
