#include "db/shell/append_arguments.h"

#include "db/shell/shell_error.h"

namespace quillox::db::shell {
namespace {

// Walks the argument text once, left to right.
class ArgumentReader {
public:
    explicit ArgumentReader(QStringView text) : text_(text) {}

    bool atEnd() {
        while (pos_ < text_.size() && text_[pos_].isSpace())
            ++pos_;
        return pos_ == text_.size();
    }

    // Up to the next blank.
    QString word() {
        QString word = argumentAt(pos_);
        pos_ += word.size();
        return word;
    }

    ColumnValue pair() {
        const qsizetype start = pos_;
        while (pos_ < text_.size() && !text_[pos_].isSpace() && text_[pos_] != '=')
            ++pos_;
        const QString column = text_.sliced(start, pos_ - start).toString();
        if (pos_ == text_.size() || text_[pos_] != '=' || column.isEmpty())
            throwShellError("Argument '" + excerpt(argumentAt(start)) +
                            "' is not of the form Column=value");
        ++pos_;
        if (pos_ < text_.size() && text_[pos_] == '"')
            return {column, quotedValue(column)};
        const QString value = word();
        if (value.contains('"')) {
            throwShellError(
                "The value of '" + excerpt(column) +
                "' holds a double quote: write it between double quotes, the quote doubled");
        }
        return {column, value};
    }

private:
    // The whole argument that starts there, for messages.
    QString argumentAt(qsizetype start) const {
        qsizetype end = start;
        while (end < text_.size() && !text_[end].isSpace())
            ++end;
        return text_.sliced(start, end - start).toString();
    }

    // Starts on the opening quote; ends after the closing one.
    QString quotedValue(const QString& column) {
        QString value;
        ++pos_;
        while (pos_ < text_.size()) {
            const QChar c = text_[pos_++];
            if (c != '"') {
                value += c;
            } else if (pos_ < text_.size() && text_[pos_] == '"') {
                value += c;
                ++pos_;
            } else {
                if (pos_ < text_.size() && !text_[pos_].isSpace())
                    throwShellError("The value of '" + excerpt(column) +
                                    "' goes on after its closing double quote");
                return value;
            }
        }
        throwShellError("The value of '" + excerpt(column) + "' has no closing double quote");
    }

    QStringView text_;
    qsizetype pos_ = 0;
};

} // namespace

AppendArguments parseAppendArguments(QStringView text) {
    ArgumentReader reader(text);
    if (reader.atEnd())
        throwShellError("Usage: .append TABLE Column=value ...");
    AppendArguments arguments;
    arguments.table = reader.word();
    while (!reader.atEnd())
        arguments.values.push_back(reader.pair());
    return arguments;
}

} // namespace quillox::db::shell
