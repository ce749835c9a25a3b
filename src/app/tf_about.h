#pragma once

#include <QWidget>

class QPushButton;

namespace quillox::widgets {
class PictureButton;
}

namespace quillox::app {

// The About box, shown beside whichever window leads: the product's picture and a button to
// its support page.
class TfAbout : public QWidget {
    Q_OBJECT

public:
    explicit TfAbout(QWidget* owner);

    void Button1Click();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    widgets::PictureButton* Image1;
    QPushButton* Button1;
};

// Where the About box's button leads.
inline const QString supportPage = "https://quillox.org/support";

} // namespace quillox::app
