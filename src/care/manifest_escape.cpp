#include "care/manifest_escape.h"

#include <QByteArrayView>

namespace quillox::care {
namespace {

bool escapedAlways(unsigned char byte) {
    return byte == '%' || byte < 0x20 || byte == 0x7f;
}

int hexValue(char digit) {
    if (digit >= '0' && digit <= '9')
        return digit - '0';
    if (digit >= 'A' && digit <= 'F')
        return digit - 'A' + 10;
    if (digit >= 'a' && digit <= 'f')
        return digit - 'a' + 10;
    return -1;
}

} // namespace

QByteArray escapeManifestText(const QByteArray& bytes) {
    static constexpr char digits[] = "0123456789ABCDEF";
    const bool utf8 = QByteArrayView(bytes).isValidUtf8();
    QByteArray text;
    text.reserve(bytes.size());
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (escapedAlways(byte) || (!utf8 && byte >= 0x80)) {
            text += '%';
            text += digits[byte >> 4];
            text += digits[byte & 0xf];
        } else {
            text += c;
        }
    }
    return text;
}

std::optional<QByteArray> unescapeManifestText(const QByteArray& text) {
    QByteArray bytes;
    bytes.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (byte != '%') {
            if (escapedAlways(byte))
                return std::nullopt;
            bytes += text[i];
            continue;
        }
        const int high = i + 2 < text.size() ? hexValue(text[i + 1]) : -1;
        const int low = i + 2 < text.size() ? hexValue(text[i + 2]) : -1;
        if (high < 0 || low < 0)
            return std::nullopt;
        bytes += static_cast<char>(high * 16 + low);
        i += 2;
    }
    return bytes;
}

} // namespace quillox::care
