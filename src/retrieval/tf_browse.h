#pragma once

#include <QWidget>

namespace quillox::retrieval {

// The browse window: the folders of one level as tiles and the documents of the current folder.
class TfBrowse : public QWidget {
    Q_OBJECT

public:
    explicit TfBrowse(QWidget* owner);
};

} // namespace quillox::retrieval
