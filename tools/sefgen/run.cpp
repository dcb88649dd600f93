#include "run.hpp"

#include "exports_table.hpp"
#include "format/encoding.hpp"

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <map>
#include <sstream>
#include <unistd.h>
#include <utility>

namespace sefgen {

namespace {

constexpr std::size_t maxRecordFields = 32;

using Args = std::array<const unsigned char*, maxRecordFields>;
using Caller = int32_t (*)(AnyFunction, const Args&);

template <std::size_t... I> int32_t callWith(AnyFunction f, const Args& a, std::index_sequence<I...>) {
    using Function = int32_t(QV_CALL*)(decltype((void)I, static_cast<const unsigned char*>(nullptr))...);
    return reinterpret_cast<Function>(f)(a[I]...);
}

template <std::size_t N> int32_t callN(AnyFunction f, const Args& a) {
    return callWith(f, a, std::make_index_sequence<N>{});
}

template <std::size_t... N> constexpr std::array<Caller, sizeof...(N)> callers(std::index_sequence<N...>) {
    return {&callN<N>...};
}

// A record export with any number of fields, up to the most a record has.
constexpr auto recordCallers = callers(std::make_index_sequence<maxRecordFields + 1>{});

// The whole content of a file; nothing when it cannot be opened or read. A folder opens like a
// file but fails on the first read, so the read errors are checked, not only the opening.
std::optional<std::string> readAll(const std::string& path) {
    std::FILE* in = std::fopen(path.c_str(), "rb");
    if (in == nullptr) return std::nullopt;
    std::string content;
    char buffer[1 << 16];
    std::size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, in)) > 0)
        content.append(buffer, n);
    const bool failed = std::ferror(in) != 0;
    std::fclose(in);
    if (failed) return std::nullopt;
    return content;
}

std::vector<unsigned char> shortText(std::string_view cp1252) {
    std::vector<unsigned char> t(cp1252.size() + 1);
    t[0] = static_cast<unsigned char>(cp1252.size());
    std::copy(cp1252.begin(), cp1252.end(), t.begin() + 1);
    return t;
}

// The progress line on a terminal, for long batches.
class Progress {
  public:
    Progress(std::size_t total)
        : total_(total)
        , enabled_(total > 10000 && ::isatty(STDERR_FILENO)) {}
    void step(std::size_t done) {
        if (!enabled_) return;
        const auto now = std::chrono::steady_clock::now();
        if (done != total_ && now - last_ < std::chrono::milliseconds(200)) return;
        last_ = now;
        const double seconds = std::chrono::duration<double>(now - start_).count();
        const double rate = seconds > 0 ? static_cast<double>(done) / seconds : 0.0;
        std::fprintf(stderr, "\r%zu/%zu linhas, %.0f linhas/s", done, total_, rate);
        if (done == total_) std::fputc('\n', stderr);
        std::fflush(stderr);
    }

  private:
    std::size_t total_;
    bool enabled_;
    std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
    std::chrono::steady_clock::time_point last_{};
};

struct Row {
    std::string tipo;
    std::string gravados, observacoes, erros;
};

// The per-type counts, read back from the statistics log the library wrote.
std::vector<Row> statistics(const std::string& logPath) {
    std::vector<Row> rows;
    const auto content = readAll(logPath);
    if (!content) return rows;
    std::istringstream in(*content);
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        std::vector<std::string> cells;
        std::istringstream cellStream(line);
        std::string cell;
        while (std::getline(cellStream, cell, '\t'))
            cells.push_back(cell);
        if (cells.size() >= 4 && cells[0].rfind("Registro ", 0) == 0)
            rows.push_back({cells[0].substr(9), cells[1], cells[2], cells[3]});
        else if (cells.size() >= 5 && cells[0] == "Total")
            rows.push_back({"Total", cells[2], cells[3], cells[4]});
    }
    return rows;
}

void printStatistics(const std::vector<Row>& rows) {
    // The heading is written out: "com observações" is wider in bytes than on the screen.
    std::printf("Registro     gravados   com observações   rejeitados\n");
    for (const Row& r : rows)
        std::printf("%-10s %10s %17s %12s\n", r.tipo.c_str(), r.gravados.c_str(), r.observacoes.c_str(),
                    r.erros.c_str());
}

// The name under which the library writes a file: a blank name (characters of code 32 or less
// only) stands for the layout's default.
std::string writtenName(const std::string& given, const char* fallback) {
    const bool blank =
        std::all_of(given.begin(), given.end(), [](char c) { return static_cast<unsigned char>(c) <= 32; });
    return blank ? fallback : given;
}

std::string shownPath(const std::string& utf8) {
    std::error_code ec;
    const auto p = std::filesystem::absolute(utf8, ec);
    return ec ? utf8 : p.string();
}

} // namespace

int run(const RunOptions& o) {
    const auto content = readAll(o.batch);
    if (!content) {
        std::cerr << "sefgen run: não foi possível ler o lote \"" << o.batch << "\"\n";
        return 2;
    }
    std::string_view text = *content;
    if (o.encoding == Encoding::utf8 && text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);

    std::array<std::string, 3> names;
    const std::array<const std::string*, 3> given = {&o.sef, &o.erro, &o.log};
    for (std::size_t i = 0; i < 3; ++i) {
        auto cp = qv::utf8ToCp1252(*given[i]);
        if (!cp || cp->size() > 255) {
            std::cerr << "sefgen run: o nome de arquivo \"" << *given[i]
                      << "\" não pode ser passado à biblioteca (mais de 255 caracteres ou sem forma em "
                         "Windows-1252)\n";
            return 2;
        }
        names[i] = std::move(*cp);
    }

    std::vector<std::string_view> lines;
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t end = text.find('\n', start);
        lines.push_back(
            text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start));
        if (end == std::string_view::npos) break;
        start = end + 1;
    }

    const auto sef = shortText(names[0]);
    const auto erro = shortText(names[1]);
    const auto log = shortText(names[2]);
    Inicia_SEF(sef.data(), erro.data(), log.data());

    bool clean = true;
    std::size_t rejected = 0;
    Progress progress(lines.size());
    auto bad = [&](std::size_t number, const std::string& message) {
        std::cerr << o.batch << ":" << number << ": " << message << "\n";
        clean = false;
    };
    for (std::size_t i = 0; i < lines.size(); ++i) {
        progress.step(i + 1);
        const ParsedLine parsed = parseLine(lines[i], i + 1, o.encoding);
        if (parsed.error) {
            bad(parsed.error->number, parsed.error->message);
            continue;
        }
        if (!parsed.call) continue;
        const BatchLine& call = *parsed.call;
        const Export* e = findExport(call.name);
        if (e == nullptr || e->kind != ExportKind::RECORD) {
            bad(call.number, "\"" + call.name + "\" não é uma exportação de registro da biblioteca");
            continue;
        }
        if (call.fields.size() != static_cast<std::size_t>(e->arguments)) {
            bad(call.number, call.name + " recebe " + std::to_string(e->arguments) + " campos; a linha tem " +
                                 std::to_string(call.fields.size()));
            continue;
        }
        std::vector<std::vector<unsigned char>> texts;
        texts.reserve(call.fields.size());
        Args args{};
        for (std::size_t k = 0; k < call.fields.size(); ++k) {
            texts.push_back(shortText(call.fields[k]));
            args[k] = texts.back().data();
        }
        if (recordCallers[call.fields.size()](e->function, args) != 0) ++rejected;
    }
    Finaliza_SEF();

    const std::string sefName = writtenName(o.sef, "c:\\SEF.txt");
    const std::string erroName = writtenName(o.erro, "c:\\Erro_SEF.txt");
    const std::string logName = writtenName(o.log, "c:\\Log_SEF.txt");
    printStatistics(statistics(logName));
    std::printf("\nArquivo SEF:        %s\nRelatório de erros: %s\nEstatísticas:       %s\n",
                shownPath(sefName).c_str(), shownPath(erroName).c_str(), shownPath(logName).c_str());
    if (rejected > 0) std::printf("\n%zu registro(s) rejeitado(s): veja o relatório de erros.\n", rejected);
    return clean && rejected == 0 ? 0 : 1;
}

} // namespace sefgen
