#include "records/record_fixture.hpp"

#include "format/encoding.hpp"

namespace qvtest {

std::string cp(std::string_view utf8) {
    auto converted = qv::utf8ToCp1252(utf8);
    EXPECT_TRUE(converted.has_value()) << "no Windows-1252 form: " << utf8;
    return converted.value_or(std::string());
}

void RecordTest::open() {
    qv::Inicia_SEF(s, dir.file("SEF.txt"), dir.file("Erro.txt"), dir.file("Log.txt"));
}

void RecordTest::openWithHeader() {
    open();
    ASSERT_EQ(call(qv::Registro10, {"11222333000181", "0321418-40", "Comércio Exemplo Ltda", "Recife", "PE",
                                    "8133334444", "01/01/2005", "31/01/2005", "2", "3", "1", "1"}),
              0);
    ASSERT_EQ(call(qv::Registro11,
                   {"Rua das Flores", "100", "Sala 2", "Boa Vista", "50050000", "Maria", "8133334444"}),
              0);
}

int RecordTest::call(const qv::Layout& layout, const std::vector<std::string>& fieldsUtf8) {
    std::vector<std::string> fields;
    for (const std::string& f : fieldsUtf8)
        fields.push_back(cp(f));
    std::vector<std::string_view> views(fields.begin(), fields.end());
    reportBefore_ = errorReport().size();
    return qv::executaRegistro(s, layout, views);
}

std::vector<std::string> RecordTest::sefLines() const {
    return crlfLines(readFile(dir.path() / "SEF.txt"));
}

std::string RecordTest::lastSefLine() const {
    const auto lines = sefLines();
    return lines.empty() ? std::string() : lines.back();
}

std::string RecordTest::errorReport() const {
    return readFile(dir.path() / "Erro.txt");
}

namespace {

// The lines of the named section of a block, without their "\t  " lead, in UTF-8.
std::vector<std::string> section(const std::string& block, std::string_view title) {
    std::vector<std::string> out;
    bool inside = false;
    for (const std::string& line : crlfLines(block)) {
        if (line == title) {
            inside = true;
            continue;
        }
        if (inside && line.empty()) break;
        if (inside) out.push_back(qv::cp1252ToUtf8(line.rfind("\t  ", 0) == 0 ? line.substr(3) : line));
    }
    return out;
}

} // namespace

std::string RecordTest::lastBlock() const {
    return errorReport().substr(reportBefore_);
}

std::vector<std::string> RecordTest::lastErrors() const {
    return section(lastBlock(), "\tErro(s) do Registro:");
}

std::vector<std::string> RecordTest::lastObservations() const {
    return section(lastBlock(), "\tObservação do Registro:"_cp);
}

std::vector<std::string> RecordTest::lastTrace() const {
    std::vector<std::string> out;
    const auto lines = crlfLines(lastBlock());
    for (std::size_t i = 1; i < lines.size() && !lines[i].empty(); ++i)
        out.push_back(qv::cp1252ToUtf8(lines[i]));
    return out;
}

std::vector<std::string> RecordTest::lastTraceLabels() const {
    std::vector<std::string> out;
    const auto lines = crlfLines(lastBlock());
    for (std::size_t i = 1; i < lines.size() && !lines[i].empty(); ++i) {
        const std::string& l = lines[i];
        out.push_back(i == 1 ? l : l.substr(1, l.find('\t', 1) - 1));
    }
    return out;
}

std::vector<std::string> with(std::vector<std::string> fields, const std::map<int, std::string>& changes) {
    for (const auto& [n, value] : changes)
        fields.at(static_cast<std::size_t>(n - 1)) = value;
    return fields;
}

} // namespace qvtest
