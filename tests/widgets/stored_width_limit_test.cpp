// A field limited to what its column stores: the text never grows past the width in UTF-8
// bytes, whether typed, pasted or set, and is cut only between two characters.

#include "widgets/stored_width_limit.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLineEdit>
#include <gtest/gtest.h>
#include <vector>

namespace quillox::widgets {
namespace {

constexpr int width = 10;

enum class Entry { Typed, Pasted, Set };

struct Edit {
    QString before;
    int cursor; // where the new text goes in
    Entry entry;
    QString added;
    QString after;
};

const QString grin = QString::fromUtf8("\U0001F600"); // four bytes, two UTF-16 code units

// One key press a character, as a keyboard layout with the letter gives it.
void type(QLineEdit& field, const QString& text) {
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(&field, &press);
    }
}

TEST(StoredWidthLimitTest, TextStaysWithinTheWidthInBytes) {
    const std::vector<Edit> edits = {
        {"", 0, Entry::Typed, "abcdefghijkl", "abcdefghij"},
        {"abcdefghi", 9, Entry::Typed, "é", "abcdefghi"},
        {"abcdefgh", 8, Entry::Typed, "é", "abcdefghé"},
        {"abcdefghij", 3, Entry::Typed, "X", "abcdefghij"},
        {"ab", 2, Entry::Pasted, "0123456789ABC", "ab01234567"},
        {"abcdefghi", 3, Entry::Pasted, "XYZ", "abcXdefghi"},
        {"", 0, Entry::Pasted, "€€€€", "€€€"},
        {"", 0, Entry::Pasted, grin + grin + grin, grin + grin},
        {"abcdef", 6, Entry::Pasted, "ab" + grin, "abcdefab"},
        {"abcde", 0, Entry::Pasted, "ünïcödé", "ünïabcde"},
        {"", 0, Entry::Set, QString(10'000, 'x'), QString(10, 'x')},
        {"", 0, Entry::Set, QString(6, u'é'), QString(5, u'é')},
    };
    for (const Edit& edit : edits) {
        SCOPED_TRACE((edit.before + " + " + edit.added).toStdString());
        QLineEdit field;
        limitToStoredWidth(field, width);
        field.setText(edit.before);
        field.setCursorPosition(edit.cursor);
        switch (edit.entry) {
        case Entry::Typed:
            type(field, edit.added);
            break;
        case Entry::Pasted:
            QApplication::clipboard()->setText(edit.added);
            field.paste();
            break;
        case Entry::Set:
            field.setText(edit.added);
            break;
        }
        EXPECT_EQ(field.text(), edit.after);
        EXPECT_LE(field.text().toUtf8().size(), width);
    }
}

} // namespace
} // namespace quillox::widgets
