#pragma once

#include <QWidget>

class QLabel;

namespace quillox::widgets {
class FolderTreeView;
class PictureButton;
} // namespace quillox::widgets

namespace quillox::retrieval {

// The move window: moves the current document of the documents table to the folder chosen in
// the tree, then hands back to the browse window.
class TfMoveDoc : public QWidget {
    Q_OBJECT

public:
    explicit TfMoveDoc(QWidget* owner);

    void FormShow();
    void bOkClick();
    void bCancelClick();

    QLabel* Label1;
    widgets::PictureButton* iOkButton;
    widgets::PictureButton* iCancelButton;
    widgets::FolderTreeView* TreeView1;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void updateOkButton();
};

} // namespace quillox::retrieval
