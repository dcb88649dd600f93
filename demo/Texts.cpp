#include "Texts.h"

#include "format/encoding.hpp"

#include <QList>

namespace demo {

ShortText::ShortText(QStringView text) {
    std::size_t length = 0;
    for (const char32_t cp : text.toUcs4()) {
        if (length == 255) break;
        bytes_[++length] = qv::cp1252FromCodePoint(cp).value_or('?');
    }
    bytes_[0] = static_cast<unsigned char>(length);
}

ShortText ShortText::fromUtf8(std::string_view utf8) {
    return ShortText(QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())));
}

QString fromCp1252(std::string_view cp1252) {
    QString text;
    text.reserve(static_cast<qsizetype>(cp1252.size()));
    for (const char c : cp1252)
        text.append(QChar(static_cast<char16_t>(qv::codePointFromCp1252(static_cast<unsigned char>(c)))));
    return text;
}

} // namespace demo
