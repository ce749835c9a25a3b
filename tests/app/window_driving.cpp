#include "window_driving.h"

#include "app/instances.h"
#include "filing/tf_new_dir.h"
#include "filing/tf_new_doc.h"
#include "retrieval/tf_browse.h"
#include "store/file_document.h"
#include "store/misc_ops.h"
#include "store/tdm_data.h"
#include "temp_home.h"
#include "widgets/captioned_image.h"
#include "widgets/dataset_grid.h"
#include "widgets/folder_tree_view.h"
#include "widgets/icon_grid.h"
#include "widgets/picture_button.h"
#include "widgets/tile_flow_panel.h"
#include "window_controls.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QTest>
#include <QTimer>

QTreeWidgetItem* node(QTreeWidget* tree, const QString& text) {
    const QList<QTreeWidgetItem*> found =
        tree->findItems(text, Qt::MatchExactly | Qt::MatchRecursive);
    return found.isEmpty() ? nullptr : found.front();
}

void click(quillox::widgets::PictureButton* picture) {
    QTest::mouseClick(picture, Qt::LeftButton, {}, picture->rect().center());
}

void dropFiles(QWidget* window, QPoint point, const QStringList& paths) {
    QList<QUrl> urls;
    for (const QString& path : paths)
        urls.append(QUrl::fromLocalFile(path));
    dropUrls(window, point, urls);
}

void dropUrls(QWidget* window, QPoint point, const QList<QUrl>& urls) {
    QMimeData data;
    data.setUrls(urls);
    QDragEnterEvent enter(point, Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(window, &enter);
    QVERIFY(enter.isAccepted());
    QDragMoveEvent move(point, Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(window, &move);
    QDropEvent drop(point, Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(window, &drop);
}

void doubleClickFirstRow(quillox::widgets::DatasetGrid* grid) {
    QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, QPoint(20, 8));
}

quillox::widgets::TCaptionedImage* browseTile(const QString& caption) {
    auto* panel = control<quillox::widgets::TileFlowPanel>(fBrowse, "FlowPanel1");
    for (int index = 0; index < panel->TileCount(); ++index) {
        if (panel->TileAt(index).caption == caption)
            return &panel->ShowTile(index);
    }
    return nullptr;
}

void clickTile(const QString& caption) {
    quillox::widgets::TCaptionedImage* tile = browseTile(caption);
    QVERIFY2(tile, qPrintable("no tile " + caption));
    QTest::mouseClick(tile, Qt::LeftButton, {}, QPoint(50, 50));
}

void makeFolder(const QString& name, const QString& parent, int icon) {
    fNewDir->show();
    control<QLineEdit>(fNewDir, "eNewFolderName")->setText(name);
    if (!parent.isEmpty()) {
        control<QCheckBox>(fNewDir, "cbSubfolder")->click();
        control<quillox::widgets::FolderTreeView>(fNewDir, "tvFolders")
            ->setCurrentItem(
                node(control<quillox::widgets::FolderTreeView>(fNewDir, "tvFolders"), parent));
    }
    if (icon >= -1)
        control<quillox::widgets::IconGrid>(fNewDir, "ilvImageSelect")->SetSelectedIndex(icon);
    click(control<quillox::widgets::PictureButton>(fNewDir, "iOkButton"));
}

void whenModalShows(std::function<bool(QWidget&)> wanted, std::function<void(QWidget&)> action) {
    QTimer::singleShot(10, [wanted = std::move(wanted), action = std::move(action)] {
        QWidget* shown = QApplication::activePopupWidget();
        if (!shown)
            shown = QApplication::activeModalWidget();
        if (shown && shown->isVisible() && wanted(*shown))
            action(*shown);
        else
            whenModalShows(wanted, action);
    });
}

namespace {

template <typename Window> bool isA(QWidget& widget) {
    return qobject_cast<Window*>(&widget) != nullptr;
}

} // namespace

void answerBox(const QString& buttonText, QString* asked) {
    whenModalShows(isA<QMessageBox>, [buttonText, asked](QWidget& shown) {
        auto* box = qobject_cast<QMessageBox*>(&shown);
        if (asked)
            *asked = box->windowTitle() + "|" + box->text() + "|" +
                     (box->defaultButton() ? box->defaultButton()->text() : QString());
        for (QAbstractButton* button : box->buttons()) {
            if (button->text() == buttonText) {
                button->click();
                return;
            }
        }
        QFAIL(qPrintable("no button " + buttonText));
    });
}

void chooseMenuItem(const QString& itemText) {
    whenModalShows(isA<QMenu>, [itemText](QWidget& shown) {
        auto* menu = qobject_cast<QMenu*>(&shown);
        for (QAction* action : menu->actions()) {
            if (action->text() == itemText) {
                menu->setActiveAction(action);
                QTest::keyClick(menu, Qt::Key_Return);
                return;
            }
        }
        QFAIL(qPrintable("no menu item " + itemText));
    });
}

void answerSaveDialog(const QString& fileName) {
    whenModalShows(isA<QFileDialog>, [fileName](QWidget& shown) {
        auto* dialog = qobject_cast<QFileDialog*>(&shown);
        // Typed, as the user does: the dialog's name field is what it takes.
        auto* nameField = dialog->findChild<QLineEdit*>("fileNameEdit");
        QVERIFY(nameField);
        nameField->setText(fileName);
        QMetaObject::invokeMethod(dialog, "accept");
    });
}

bool showsAModal(const std::function<void()>& function) {
    bool shown = false;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&shown] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            shown = true;
            modal->close();
        }
    });
    watch.start(20);
    function();
    QTest::qWait(60);
    return shown;
}

void addFolderRow(const QString& name, const QString& parent, int picture) {
    quillox::db::TDbTable& folders = dmData->tFolders;
    const int id = quillox::store::nextId(folders);
    folders.Append();
    folders.FieldByName("ID").SetAsInteger(id);
    folders.FieldByName("Name").SetAsString(name);
    folders.FieldByName("Parent").SetAsString(parent);
    folders.FieldByName("Picture").SetAsInteger(picture);
    folders.Post();
}

QStringList gridColumn(const QAbstractItemView& grid, int column) {
    QStringList values;
    const QAbstractItemModel& model = *grid.model();
    for (int row = 0; row < model.rowCount(); ++row)
        values << model.index(row, column).data().toString();
    return values;
}

QString fileSample(const quillox::testing::TempHome& home, const QString& name,
                   const QString& folder, const QString& tags, QDate date) {
    const QString source = home.path() + "/" + name + ".txt";
    QFile file(source);
    if (!file.open(QIODevice::WriteOnly) || file.write(name.toUtf8()) < 0)
        qFatal("cannot write %s", qPrintable(source));
    file.close();
    quillox::store::fileDocument(
        *dmData, {source, name, "about " + name, tags, date.startOfDay(), folder}, {});
    quillox::db::TDbTable& documents = dmData->tDocuments;
    documents.Last();
    return documents.FieldByName("Path").AsString();
}

void fileScannedPage(const QString& folder, const QString& name) {
    fNewDoc->FormActivate();
    control<quillox::widgets::FolderTreeView>(fNewDoc, "TreeView1")
        ->setCurrentItem(
            node(control<quillox::widgets::FolderTreeView>(fNewDoc, "TreeView1"), folder));
    control<QLineEdit>(fNewDoc, "eDocumentName")->setText(name);
    click(control<quillox::widgets::PictureButton>(fNewDoc, "iOkButton"));
}

QImage firstStoredPicture() {
    quillox::db::TDbTable& documents = dmData->tDocuments;
    documents.First();
    return QImage(documents.FieldByName("Path").AsString()).convertToFormat(QImage::Format_RGB32);
}
