#include "widgets/stored_width_limit.h"

#include <QLineEdit>
#include <QValidator>
#include <algorithm>

namespace quillox::widgets {
namespace {

qsizetype utf8Size(QStringView text) {
    return text.toUtf8().size();
}

// Where a cut ending at index starts so that it takes off at least excess bytes, or else the
// text's start; excess is lowered by the bytes taken. A surrogate pair is never split.
qsizetype cutStart(const QString& text, qsizetype index, qsizetype& excess) {
    while (excess > 0 && index > 0) {
        const bool pair =
            index >= 2 && text[index - 1].isLowSurrogate() && text[index - 2].isHighSurrogate();
        const qsizetype step = pair ? 2 : 1;
        excess -= utf8Size(QStringView(text).sliced(index - step, step));
        index -= step;
    }
    return index;
}

class StoredWidthValidator : public QValidator {
public:
    StoredWidthValidator(int bytes, QObject* parent) : QValidator(parent), bytes_(bytes) {}

    // Rather than refuse an edit that is too long, which would lose a whole paste, drops the
    // characters just before the cursor, where typing and pasting put them, and then, should the
    // text still be too long, characters from its end.
    State validate(QString& input, int& pos) const override {
        qsizetype excess = utf8Size(input) - bytes_;
        if (excess <= 0)
            return Acceptable;
        const qsizetype cursor = std::clamp<qsizetype>(pos, 0, input.size());
        const qsizetype start = cutStart(input, cursor, excess);
        input.remove(start, cursor - start);
        pos = static_cast<int>(start);
        const qsizetype end = cutStart(input, input.size(), excess);
        input.truncate(end);
        pos = std::min(pos, static_cast<int>(end));
        return Acceptable;
    }

private:
    int bytes_;
};

} // namespace

void limitToStoredWidth(QLineEdit& field, int bytes) {
    field.setValidator(new StoredWidthValidator(bytes, &field));
}

} // namespace quillox::widgets
