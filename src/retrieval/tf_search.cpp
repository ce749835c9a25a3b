#include "retrieval/tf_search.h"

#include "platform/handler_guard.h"
#include "retrieval/operations/search_statements.h"
#include "store/table_names.h"
#include "store/tag_words.h"
#include "store/tdm_data.h"
#include "widgets/artwork.h"
#include "widgets/dataset_grid.h"
#include "widgets/picture_button.h"
#include "widgets/window_design.h"

#include <QComboBox>
#include <QDateEdit>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QSplitter>
#include <QStringListModel>
#include <QVBoxLayout>

namespace quillox::retrieval {
namespace {

QLabel* label(const QString& text, QWidget* parent, QRect geometry) {
    auto* result = new QLabel(text, parent);
    result->setGeometry(geometry);
    return result;
}

QDateEdit* datePicker(QWidget* parent, QRect geometry, QDate date) {
    auto* picker = new QDateEdit(date, parent);
    picker->setGeometry(geometry);
    picker->setCalendarPopup(true);
    picker->setDisplayFormat(QLocale().dateFormat(QLocale::ShortFormat));
    // Four-digit years only, so that the statement's dates compare as the dates do.
    picker->setMinimumDate({1000, 1, 1});
    picker->setMaximumDate({9999, 12, 31});
    return picker;
}

// A grid that fills its panel 1 pixel inside the edge.
QWidget* panelAround(widgets::DatasetGrid* grid) {
    auto* panel = new QWidget;
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(1, 1, 1, 1);
    layout->addWidget(grid);
    return panel;
}

// Letters typed or pasted into the search field show, and stay, in upper case.
void keepUpperCase(QComboBox& combo) {
    QLineEdit* edit = combo.lineEdit();
    QObject::connect(edit, &QLineEdit::textEdited, edit, [edit](const QString& text) {
        const QString upper = store::upperCaseTagText(text);
        if (upper != text) {
            const int cursor = edit->cursorPosition();
            edit->setText(upper);
            edit->setCursorPosition(cursor);
        }
    });
}

} // namespace

TfSearch::TfSearch(QWidget* owner, store::TdmData& data)
    : DesignedWindow(owner, Qt::Window), data_(data) {
    widgets::applyWindowDesign(*this, "Quillox - Search your documents here!", {540, 490},
                               widgets::Border::Fixed);
    setFont(widgets::designFont("Calibri", 13));
}

void TfSearch::makeControls() {
    Panel1 = new QWidget(this);
    Panel1->setFixedHeight(90);
    Panel1->setAutoFillBackground(true);
    Label3 = label("Tag Word", Panel1, {15, 15, 51, 15});
    cbSearchTerm = new QComboBox(Panel1);
    cbSearchTerm->setEditable(true);
    cbSearchTerm->setInsertPolicy(QComboBox::NoInsert);
    cbSearchTerm->setGeometry(70, 10, 145, 23);
    cbSearchTerm->addItems({"TEST", "THESE", "ITEMS", "OUT"});
    keepUpperCase(*cbSearchTerm);
    Label3->setBuddy(cbSearchTerm);
    Label1 = label("Date From", Panel1, {10, 39, 56, 15});
    dtpFrom = datePicker(Panel1, {70, 35, 121, 23}, {2013, 1, 1});
    Label1->setBuddy(dtpFrom);
    Label2 = label("To", Panel1, {195, 39, 12, 15});
    dtpTo = datePicker(Panel1, {215, 35, 126, 23}, {2013, 6, 18});
    Label2->setBuddy(dtpTo);
    iSearchButton = widgets::clickablePicture(Panel1, {359, 6, 81, 81}, artwork::searchButton,
                                              widgets::PictureScaling::KeepProportions);
    iCloseButton = widgets::clickablePicture(Panel1, {449, 5, 81, 81}, artwork::closeButton,
                                             widgets::PictureScaling::KeepProportions);
    iSearchButton->setCursor(Qt::ArrowCursor);
    iCloseButton->setCursor(Qt::ArrowCursor);
    connect(iSearchButton, &widgets::PictureButton::clicked, this,
            platform::guarded([this] { iSearchButtonClick(); }));
    connect(iCloseButton, &widgets::PictureButton::clicked, this,
            platform::guarded([this] { iCloseButtonClick(); }));

    const QFont gridFont = widgets::designFont("Calibri", 13);
    dbgFiles = new widgets::DatasetGrid(
        {{store::documentNameColumn, "Document", 232},
         {store::descriptionColumn, "Description", 290},
         {store::folderColumn, "Folder",
          QFontMetrics(gridFont).horizontalAdvance(QString(100, '0')) + 4}},
        {});
    dbgFolders = new widgets::DatasetGrid({{store::nameColumn, "Folder", 232}}, {});
    for (widgets::DatasetGrid* grid : {dbgFiles, dbgFolders})
        grid->setFont(gridFont);
    connect(dbgFiles, &widgets::DatasetGrid::gridDoubleClicked, this,
            platform::guarded([this] { dbgFilesDblClick(); }));
    connect(dbgFolders, &widgets::DatasetGrid::gridDoubleClicked, this,
            platform::guarded([this] { dbgFoldersDblClick(); }));

    QWidget* Panel3 = panelAround(dbgFiles);
    QWidget* Panel2 = panelAround(dbgFolders);
    Splitter1 = new QSplitter(Qt::Vertical, this);
    Splitter1->setHandleWidth(3);
    Splitter1->setChildrenCollapsible(false);
    Splitter1->addWidget(Panel3);
    Splitter1->addWidget(Panel2);
    Splitter1->setSizes({227, 170});

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(Splitter1, 1);
    layout->addWidget(Panel1);

    // Tab leads from the search controls to the folders and then to the documents.
    setTabOrder(dtpFrom, dtpTo);
    setTabOrder(dtpTo, cbSearchTerm);
    setTabOrder(cbSearchTerm, dbgFolders);
    setTabOrder(dbgFolders, dbgFiles);

    widgets::nameControls({{Panel1, "Panel1"},
                           {Label3, "Label3"},
                           {cbSearchTerm, "cbSearchTerm"},
                           {Label1, "Label1"},
                           {dtpFrom, "dtpFrom"},
                           {Label2, "Label2"},
                           {dtpTo, "dtpTo"},
                           {iSearchButton, "iSearchButton"},
                           {iCloseButton, "iCloseButton"},
                           {Splitter1, "Splitter1"},
                           {dbgFolders, "dbgFolders"},
                           {dbgFiles, "dbgFiles"}});
}

void TfSearch::FormShow() {
    cbSearchTerm->setEditText({});
    dtpTo->setDate(QDate::currentDate());
    QStringList words = store::allSearchTerms(data_.tSearchTerms);
    // A list model holds twenty thousand terms in a fraction of the time and memory that the
    // combo box's own items take; the combo box deletes the list it had.
    cbSearchTerm->setModel(new QStringListModel(words, cbSearchTerm));
    cbSearchTerm->setEditText({});
    // What the user types first is a tag word, whatever had the focus at the last showing.
    cbSearchTerm->setFocus();
    // Until the first search the documents grid lists what the query holds from start-up,
    // every document, and the folders grid is empty. After that the grids keep what the last
    // search or close left, hidden or not.
    if (!gridsLoaded_) {
        dbgFiles->load(data_.qQuery);
        gridsLoaded_ = true;
    }
}

void TfSearch::iSearchButtonClick() {
    const QStringList words = store::splitWords(cbSearchTerm->currentText());
    gridsLoaded_ = true;
    db::TDbQuery& documents = data_.qQuery;
    documents.Close();
    documents.SQL().Clear();
    dbgFiles->clear();
    documents.SQL().Add(documentSearchStatement(words, dtpFrom->date(), dtpTo->date()));
    documents.Open();
    dbgFiles->load(documents);

    db::TDbQuery& folders = data_.qQuery2;
    folders.Close();
    folders.SQL().Clear();
    dbgFolders->clear();
    if (words.isEmpty())
        return;
    folders.SQL().Add(folderSearchStatement(words));
    folders.Open();
    dbgFolders->load(folders);
}

bool TfSearch::canConfirm() const {
    const QWidget* focused = focusWidget();
    return focused && Panel1->isAncestorOf(focused);
}

void TfSearch::dbgFilesDblClick() {
    if (const auto folder = dbgFiles->currentText(store::folderColumn))
        emit browseFolderRequested(*folder);
}

void TfSearch::dbgFoldersDblClick() {
    if (const auto name = dbgFolders->currentText(store::nameColumn))
        emit browseFolderRequested(*name);
}

void TfSearch::iCloseButtonClick() {
    data_.qQuery.Close();
    dbgFiles->clear();
    emit closed();
}

} // namespace quillox::retrieval
