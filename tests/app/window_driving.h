#pragma once

#include <QDate>
#include <QImage>
#include <QPoint>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <functional>

class QAbstractItemView;
class QTreeWidget;
class QTreeWidgetItem;
class QWidget;

namespace quillox::widgets {
class DatasetGrid;
class PictureButton;
class TCaptionedImage;
} // namespace quillox::widgets
namespace quillox::testing {
class TempHome;
}

// The node of that text anywhere in the tree, or none.
QTreeWidgetItem* node(QTreeWidget* tree, const QString& text);

// A left click in the middle of a picture, as the user makes it.
void click(quillox::widgets::PictureButton* picture);

// A drop from the file manager: a drag enters the window, moves to the point and drops there.
void dropFiles(QWidget* window, QPoint point, const QStringList& paths);
// Drops the URLs as they are, which may name a file that a path as text cannot.
void dropUrls(QWidget* window, QPoint point, const QList<QUrl>& urls);

// A double-click on the grid's first row.
void doubleClickFirstRow(quillox::widgets::DatasetGrid* grid);

// The browse window's tile of that caption, scrolled into sight as the user would; null when
// the level has no such tile.
quillox::widgets::TCaptionedImage* browseTile(const QString& caption);
// A click on the browse window's tile of that caption.
void clickTile(const QString& caption);

// Makes a folder through the new folder dialog: name, optional parent node, optional icon.
void makeFolder(const QString& name, const QString& parent = {}, int icon = -2);

// Runs the action on the next modal window or popup menu that passes the test, as soon as it
// shows, so that a test answers boxes, menus and file dialogs that the code under test runs in
// their own loops.
void whenModalShows(std::function<bool(QWidget&)> wanted, std::function<void(QWidget&)> action);
// The box's button of that text is clicked ("OK", "&No"). What the box asked goes to asked,
// when given: its caption, its text and its default button's text, joined by "|".
void answerBox(const QString& buttonText, QString* asked = nullptr);
// The menu's item of that text is chosen.
void chooseMenuItem(const QString& itemText);
// The file dialog takes that file name and is accepted.
void answerSaveDialog(const QString& fileName);

// Calls the function and says whether any modal window showed meanwhile; one that did is
// closed, so that the test goes on.
bool showsAModal(const std::function<void()>& function);

// Adds a folder's row as the new folder dialog would.
void addFolderRow(const QString& name, const QString& parent, int picture = -1);

// Files the page the new document window holds into the folder under the name, as the user
// does: the folder chosen in the tree, the name typed, the OK picture clicked.
void fileScannedPage(const QString& folder, const QString& name);

// The picture of the first document in the store, as RGB.
QImage firstStoredPicture();

// The values of one column over the grid's rows, as shown.
QStringList gridColumn(const QAbstractItemView& grid, int column);

// Files a small real file through the filing operation: the document's name, its folder, its
// tag words and its date. Returns the stored copy's path.
QString fileSample(const quillox::testing::TempHome& home, const QString& name,
                   const QString& folder, const QString& tags, QDate date);
