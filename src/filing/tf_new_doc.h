#pragma once

#include <QWidget>

namespace quillox::filing {

// The new document window: names, dates, tags and files a dropped or scanned document.
class TfNewDoc : public QWidget {
    Q_OBJECT

public:
    explicit TfNewDoc(QWidget* owner);
};

} // namespace quillox::filing
