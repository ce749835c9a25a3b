#pragma once

#include <QWidget>

namespace quillox::retrieval {

// The search window: finds documents by tag words and a date range, and folders by name.
class TfSearch : public QWidget {
    Q_OBJECT

public:
    explicit TfSearch(QWidget* owner);
};

} // namespace quillox::retrieval
