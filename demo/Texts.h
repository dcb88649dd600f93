// The texts that the window hands to the library and gets back from it: short texts of
// Windows-1252 characters, built from the window's constants and edits.
#pragma once

#include <QString>
#include <QStringView>

#include <array>
#include <string_view>

namespace demo {

// One length byte and up to 255 Windows-1252 characters, as the library reads its text
// parameters. A character that Windows-1252 lacks becomes "?", and a text longer than 255
// characters is cut to its first 255.
class ShortText {
  public:
    ShortText() = default;
    explicit ShortText(QStringView text);
    // A constant of the program, written in UTF-8 in the sources.
    static ShortText fromUtf8(std::string_view utf8);

    const unsigned char* data() const { return bytes_.data(); }
    // The characters, without the length byte.
    std::string_view cp1252() const { return {reinterpret_cast<const char*>(bytes_.data() + 1), bytes_[0]}; }

  private:
    std::array<unsigned char, 256> bytes_{};
};

// A Windows-1252 text from the library, for display.
QString fromCp1252(std::string_view cp1252);

} // namespace demo
