// The only code of the library that talks to the operating system: files, the message box and the
// regional settings. Names and texts cross this layer as Windows-1252 bytes; the implementation
// converts them to what the system uses.
#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace qv::platform {

bool fileExists(std::string_view name);

// Removes the file (a regular file or a symbolic link; anything else is left in place). When a
// regular file cannot be removed it is emptied instead, so that nothing of an earlier run stays
// in it. False only when an old file keeps its content.
bool deleteFile(std::string_view name);

// Opens the file for appending (creating it empty when missing), writes the bytes, closes it.
// False when any step failed; whatever was not written is lost.
bool appendToFile(std::string_view name, std::string_view bytes);

// Shows the text (Windows-1252) in the modal message box of the library, and returns once the
// user has confirmed it. The default box writes the text as one UTF-8 line on standard error.
void aviso(std::string_view text);

// Installs the message box; an empty function restores the default.
void defineAviso(std::function<void(std::string_view)> box);

// The regional settings that the library reads: the decimal separator and the short date form.
struct Regional {
    std::string decimalSeparator; // Windows-1252
    std::string dateFormat;       // the system's pattern of the short date, in strftime form
};

// Read from the process's locale environment (LC_ALL, then LC_NUMERIC / LC_TIME, then LANG),
// without touching the process's global locale. Falls back to the C settings.
Regional regional();

// A date in the short date form of the settings, in Windows-1252.
std::string shortDate(const Regional& r, int year, int month, int day);

} // namespace qv::platform
