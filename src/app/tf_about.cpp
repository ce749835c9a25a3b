#include "app/tf_about.h"

#include "platform/desktop_open.h"
#include "platform/handler_guard.h"
#include "widgets/artwork.h"
#include "widgets/picture_button.h"
#include "widgets/window_design.h"

#include <QPushButton>

namespace quillox::app {

TfAbout::TfAbout(QWidget* owner) : QWidget(owner, Qt::Window) {
    widgets::applyWindowDesign(*this, "About", {886, 663}, widgets::Border::Resizable);
    setFont(widgets::designFont("Tahoma", 11));
    Image1 = new widgets::PictureButton(this);
    Image1->SetPicture(artwork::aboutPicture, widgets::PictureScaling::KeepProportions);
    Image1->setGeometry(rect());
    Button1 = new QPushButton("Help, Tech Support", this);
    Button1->setGeometry(775, 635, 105, 25);
    connect(Button1, &QPushButton::clicked, this, platform::guarded([this] { Button1Click(); }));
    widgets::nameControls({{Image1, "Image1"}, {Button1, "Button1"}});
}

void TfAbout::Button1Click() {
    platform::openWebPage(supportPage);
}

void TfAbout::resizeEvent(QResizeEvent* event) {
    Image1->setGeometry(rect());
    QWidget::resizeEvent(event);
}

} // namespace quillox::app
