#pragma once

#include <QWidget>

namespace quillox::retrieval {

// The move window: moves the document chosen in the browse window to another folder.
class TfMoveDoc : public QWidget {
    Q_OBJECT

public:
    explicit TfMoveDoc(QWidget* owner);
};

} // namespace quillox::retrieval
