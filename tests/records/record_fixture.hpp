// A session of the core in a folder of its own, for the tests of the record declarations: call a
// record with UTF-8 fields (converted to Windows-1252 as a host would pass them), then read back
// the SEF lines, the error report and the messages of the last block.
#pragma once

#include "records/registros.hpp"
#include "support/support.hpp"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace qvtest {

class RecordTest : public ::testing::Test {
  protected:
    RecordTest()
        : locale_("pt_BR.UTF-8") {}

    // Opens the session on the folder's three files.
    void open();
    // Opens the session and writes a valid record 10 for January 2005 (informant CNPJ
    // 11222333000181, state PE) and a valid record 11.
    void openWithHeader();

    // Runs a record with its fields given in UTF-8.
    int call(const qv::Layout& layout, const std::vector<std::string>& fieldsUtf8);

    // The lines of the SEF file (without line ends), in Windows-1252.
    std::vector<std::string> sefLines() const;
    std::string lastSefLine() const;
    // The error report, in Windows-1252.
    std::string errorReport() const;
    // What the last call added to the error report (its block), in Windows-1252.
    std::string lastBlock() const;
    // The error messages of the last call's block, in UTF-8.
    std::vector<std::string> lastErrors() const;
    // The observation lines of the last call's block, in UTF-8.
    std::vector<std::string> lastObservations() const;
    // The trace of the last call's block: its header line, then one line per field, in UTF-8.
    std::vector<std::string> lastTrace() const;
    // The header and the labels (with their padding, in Windows-1252) of the last call's trace.
    std::vector<std::string> lastTraceLabels() const;

    qv::Sessao s;
    TempDir dir;

  private:
    LocaleEnv locale_;
    std::size_t reportBefore_ = 0;
};

// Windows-1252 bytes of a UTF-8 text written in a test (fails the test if it has no form).
std::string cp(std::string_view utf8);
// The fields of a valid record, with some replaced (by parameter number, from 1).
std::vector<std::string> with(std::vector<std::string> fields, const std::map<int, std::string>& changes);
// n copies of a character.
inline std::string rep(std::size_t n, char c) {
    return std::string(n, c);
}

} // namespace qvtest
