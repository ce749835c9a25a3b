#pragma once

#include <QImage>
#include <QPixmap>
#include <QWidget>
#include <functional>

namespace quillox::widgets {

enum class PictureScaling { Stretch, KeepProportions };

// A picture that can act as a button: its image scaled to the widget, a hint shown when the
// pointer rests on it, and a click when the left button is pressed and released on it. A
// disabled picture looks the same and ignores clicks.
class PictureButton : public QWidget {
    Q_OBJECT

public:
    explicit PictureButton(QWidget* parent = nullptr);

    // Pictures drawn transparent take their bottom-left pixel's colour as see-through.
    void SetPicture(const QImage& image, PictureScaling scaling = PictureScaling::Stretch,
                    bool transparent = false);
    // The same with a picture read only when it is first needed, so that windows that are not
    // shown yet cost nothing to make.
    using PictureSource = std::function<QImage()>;
    void SetPicture(PictureSource source, PictureScaling scaling = PictureScaling::Stretch,
                    bool transparent = false);
    const QImage& Picture() const;
    // A copy of the picture made beforehand at the widget's size, drawn over the whole widget as
    // it is whenever it fits the widget's pixels exactly: a large picture is then neither read
    // nor scaled to be shown.
    void SetShownPicture(PictureSource shown);

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    mutable PictureSource source_;
    mutable bool transparent_ = false;
    mutable QImage image_;
    PictureSource shownSource_;
    QImage shown_;
    QPixmap scaled_;
    PictureScaling scaling_ = PictureScaling::Stretch;
    bool pressed_ = false;
};

// A clickable picture of a window's design: drawn transparent, scaled as told, with a hint and
// the pointing hand.
PictureButton* clickablePicture(QWidget* parent, QRect geometry,
                                PictureButton::PictureSource source, PictureScaling scaling,
                                const QString& hint = {});

} // namespace quillox::widgets
