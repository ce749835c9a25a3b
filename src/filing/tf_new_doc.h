#pragma once

#include "widgets/designed_window.h"

#include <QWidget>

class QDateTimeEdit;
class QLabel;
class QLineEdit;
class QPushButton;

namespace quillox::store {
class TdmData;
}
namespace quillox::widgets {
class FolderTreeView;
class PictureButton;
} // namespace quillox::widgets

namespace quillox::filing {

// The new document window: the user names, describes, dates and tags a dropped or scanned
// file, picks its folder, and files it into the store.
class TfNewDoc : public widgets::DesignedWindow<QWidget> {
    Q_OBJECT

public:
    explicit TfNewDoc(QWidget* owner);

    // The data module the window files into; given once it exists, before the window shows.
    void SetData(store::TdmData& data) { data_ = &data; }

    // Empties the window and takes the file to file; a locked path (a scanned page) cannot be
    // changed by the user.
    void startFiling(const QString& path, bool pathLocked);
    // Whether the window is visible with another file than this one half described, which a
    // new file must not replace.
    bool isFilingAnotherFile(const QString& path) const;
    // Reads the folder tree again, after a folder was made.
    void reloadFolderTree();

    // Empties the path, name, tag-words and description fields, and chooses no folder.
    void Clear();
    // Enables the OK picture exactly when a path, a name and a folder are given.
    void Check();
    void CreateNewDocument();
    void bCancelClick();
    void FormShow() override;
    void FormActivate();
    void bNewFolderClick();

signals:
    // The document was filed, or the filing was cancelled: the window is done with it.
    void filingEnded();
    void newFolderRequested();

protected:
    void makeControls() override;
    void FormClose() override;
    bool canConfirm() const override;
    void confirm() override;
    bool canCancel() const override { return true; }
    void cancel() override;
    void changeEvent(QEvent* event) override;

private:
    store::TdmData* data_ = nullptr;
    widgets::PictureButton* iBackground = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label6 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label5 = nullptr;
    QLineEdit* eDocumentName = nullptr;
    QLineEdit* eDescription = nullptr;
    QDateTimeEdit* dtpDate = nullptr;
    QLineEdit* eTagWords = nullptr;
    widgets::FolderTreeView* TreeView1 = nullptr;
    QLineEdit* ePath = nullptr;
    QPushButton* bNewFolder = nullptr;
    widgets::PictureButton* iOkButton = nullptr;
    widgets::PictureButton* iCancelButton = nullptr;
};

} // namespace quillox::filing
