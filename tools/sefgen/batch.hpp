// The batch format of `sefgen run`: one record call per line, the export's name and then its
// fields, separated by "|"; "\|" is a literal bar and "\\" a backslash; blank lines and lines
// whose first non-blank character is "#" are skipped.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace sefgen {

struct BatchLine {
    std::size_t number = 0; // from 1
    std::string name;
    std::vector<std::string> fields; // Windows-1252
};

struct BatchError {
    std::size_t number = 0;
    std::string message; // UTF-8
};

enum class Encoding { utf8, cp1252 };

// Splits one line into its name and fields (still in the batch's encoding). Nothing for a line
// that holds no call.
std::optional<std::vector<std::string>> splitLine(std::string_view line);

// Reads one line of the batch: the name and the fields converted to Windows-1252. An error names
// the problem; nothing at all for a line that holds no call.
struct ParsedLine {
    std::optional<BatchLine> call;
    std::optional<BatchError> error;
};
ParsedLine parseLine(std::string_view line, std::size_t number, Encoding encoding);

} // namespace sefgen
