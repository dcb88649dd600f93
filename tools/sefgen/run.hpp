// `sefgen run`: one generation session from a batch file.
#pragma once

#include "batch.hpp"

#include <string>

namespace sefgen {

struct RunOptions {
    std::string batch;
    std::string sef = "SEF.txt";
    std::string erro = "Erro_SEF.txt";
    std::string log = "Log_SEF.txt";
    Encoding encoding = Encoding::utf8;
};

// Exit status: 0 when every line was accepted; 1 when a record was rejected or a line was bad;
// 2 when the batch cannot be read or a file name cannot be given to the library.
int run(const RunOptions& options);

} // namespace sefgen
