#pragma once

#include <QWidget>
#include <functional>

namespace quillox::widgets {

class CaptionLabel;
class PictureButton;

// A folder tile: a picture with a word-wrapped, centred caption under it, which acts as one
// clickable control. It knows nothing of folders; its user fills the picture, sets the caption
// and the tag, and gives it a click handler.
class TCaptionedImage : public QWidget {
    Q_OBJECT

public:
    explicit TCaptionedImage(QWidget* owner = nullptr);

    QString Caption() const { return captionText_; }
    // An ampersand marks the next character as underlined and is not shown; two show one.
    void SetCaption(const QString& caption);
    PictureButton* Image() const { return imageI_; }
    void SetFont(const QFont& font);

    using ClickHandler = std::function<void(TCaptionedImage& sender)>;
    void SetOnClick(ClickHandler handler) { onClick_ = std::move(handler); }

    int Tag() const { return tag_; }
    void SetTag(int tag) { tag_ = tag; }

    // The caption's text as shown, without the ampersands that mark accelerators.
    QString ShownCaption() const;

    // The size of a tile with the picture at its default size and that caption in that font, as
    // it lays itself out; a panel places tiles by it before it makes any.
    static QSize SizeFor(const QFont& font, const QString& caption);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    // Encloses the picture and the whole caption, measured at the picture's width.
    void Layout();

    PictureButton* imageI_;
    CaptionLabel* captionL_;
    QString captionText_;
    ClickHandler onClick_;
    int tag_ = 0;
    bool pressed_ = false;
};

} // namespace quillox::widgets
