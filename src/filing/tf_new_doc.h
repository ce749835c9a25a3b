#pragma once

#include <QWidget>

class QDateTimeEdit;
class QLabel;
class QLineEdit;
class QPushButton;

namespace quillox::widgets {
class FolderTreeView;
class PictureButton;
} // namespace quillox::widgets

namespace quillox::filing {

// The new document window: the user names, describes, dates and tags a dropped or scanned
// file, picks its folder, and files it into the store.
class TfNewDoc : public QWidget {
    Q_OBJECT

public:
    explicit TfNewDoc(QWidget* owner);

    // Empties the path, name, tag-words and description fields.
    void Clear();
    // Enables the OK picture exactly when a path, a name and a folder are given.
    void Check();
    void CreateNewDocument();
    void bCancelClick();
    void FormShow();
    void FormActivate();
    void bNewFolderClick();

    widgets::PictureButton* iBackground;
    QLabel* Label2;
    QLabel* Label6;
    QLabel* Label3;
    QLabel* Label4;
    QLabel* Label5;
    QLineEdit* eDocumentName;
    QLineEdit* eDescription;
    QDateTimeEdit* dtpDate;
    QLineEdit* eTagWords;
    widgets::FolderTreeView* TreeView1;
    QLineEdit* ePath;
    QPushButton* bNewFolder;
    widgets::PictureButton* iOkButton;
    widgets::PictureButton* iCancelButton;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void handBackToMainWindow();
};

} // namespace quillox::filing
