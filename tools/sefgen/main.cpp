// sefgen: the command-line host of the library. It calls the library through its C exports, as
// any host program does.
#include "exports_table.hpp"
#include "format/encoding.hpp"
#include "run.hpp"

#include <CLI/CLI.hpp>

#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

namespace {

using sefgen::Export;
using sefgen::ExportKind;

// A short text built from a Windows-1252 value (cut to 255 characters).
std::vector<unsigned char> shortText(std::string_view cp1252) {
    const std::size_t n = std::min<std::size_t>(cp1252.size(), 255);
    std::vector<unsigned char> t(n + 1);
    t[0] = static_cast<unsigned char>(n);
    std::copy_n(cp1252.begin(), n, t.begin() + 1);
    return t;
}

// A counted text from the shared memory manager, released when it goes out of scope.
class Counted {
  public:
    explicit Counted(std::string_view cp1252)
        : p_(QM_NovoTexto(reinterpret_cast<const unsigned char*>(cp1252.data()),
                          static_cast<int32_t>(cp1252.size()))) {}
    ~Counted() { QM_LiberaReferencia(p_); }
    Counted(const Counted&) = delete;
    Counted& operator=(const Counted&) = delete;
    const unsigned char* get() const { return p_; }

  private:
    unsigned char* p_;
};

bool isValidator(ExportKind k) {
    return k == ExportKind::VALIDATOR || k == ExportKind::VALIDATOR_PAIR ||
           k == ExportKind::VALIDATOR_COUNTED || k == ExportKind::DATE_TEST;
}

int arity(const Export& e) {
    return e.arguments;
}

bool callValidator(const Export& e, const std::vector<std::string>& cp1252) {
    switch (e.kind) {
    case ExportKind::VALIDATOR:
    case ExportKind::DATE_TEST: {
        const auto a = shortText(cp1252[0]);
        return reinterpret_cast<uint8_t(QV_CALL*)(const unsigned char*)>(e.function)(a.data()) != 0;
    }
    case ExportKind::VALIDATOR_PAIR: {
        const auto a = shortText(cp1252[0]);
        const auto b = shortText(cp1252[1]);
        return reinterpret_cast<uint8_t(QV_CALL*)(const unsigned char*, const unsigned char*)>(e.function)(
                   a.data(), b.data()) != 0;
    }
    case ExportKind::VALIDATOR_COUNTED: {
        const Counted a(cp1252[0]);
        const Counted b(cp1252[1]);
        return reinterpret_cast<uint8_t(QV_CALL*)(const unsigned char*, const unsigned char*)>(e.function)(
                   a.get(), b.get()) != 0;
    }
    default:
        return false;
    }
}

int valida(const std::string& name, const std::vector<std::string>& values) {
    const Export* e = sefgen::findExport(name);
    if (e == nullptr || !isValidator(e->kind)) {
        std::cerr << "sefgen valida: \"" << name << "\" não é um validador da biblioteca\n";
        return 2;
    }
    const auto n = static_cast<std::size_t>(arity(*e));
    if (values.empty() || values.size() % n != 0) {
        std::cerr << "sefgen valida: " << name << " recebe " << n << (n == 1 ? " valor" : " valores")
                  << " por verificação; foram dados " << values.size() << "\n";
        return 2;
    }
    // Every value is converted before the first result is printed: a value the library cannot
    // receive is a usage error, and a usage error prints no results.
    std::vector<std::string> cp1252;
    for (const std::string& value : values) {
        std::size_t at = 0;
        auto converted = qv::utf8ToCp1252(value, &at);
        if (!converted) {
            std::cerr << "sefgen valida: o valor \"" << value << "\" tem um caractere sem forma em "
                      << "Windows-1252 (posição " << at + 1 << ")\n";
            return 2;
        }
        cp1252.push_back(std::move(*converted));
    }
    bool allValid = true;
    for (std::size_t i = 0; i < values.size(); i += n) {
        std::string shown;
        for (std::size_t k = 0; k < n; ++k)
            shown += (k ? " " : "") + values[i + k];
        const std::vector<std::string> check(cp1252.begin() + static_cast<std::ptrdiff_t>(i),
                                             cp1252.begin() + static_cast<std::ptrdiff_t>(i + n));
        const bool ok = callValidator(*e, check);
        allValid = allValid && ok;
        std::cout << shown << ": " << (ok ? "válido" : "inválido") << "\n";
    }
    return allValid ? 0 : 1;
}

} // namespace

int main(int argc, char** argv) {
    CLI::App app{"sefgen: gera o arquivo fiscal SEF com a biblioteca Quelvar"};
    app.require_subcommand(1);

    auto* versao = app.add_subcommand("versao", "Mostra o número de versão da biblioteca (Info_Versao)");

    std::string validator;
    std::vector<std::string> values;
    auto* validaCmd =
        app.add_subcommand("valida", "Verifica valores com um validador da biblioteca, pelo nome");
    validaCmd->add_option("NOME", validator, "Nome do validador, como Verifica_CNPJ ou Verifica_CEP_UF")
        ->required();
    validaCmd->add_option("VALOR", values, "Valores a verificar (Verifica_CEP_UF e Verifica_InscEst: pares)")
        ->required();

    sefgen::RunOptions runOptions;
    std::string encoding = "utf8";
    auto* runCmd = app.add_subcommand("run", "Gera o arquivo SEF a partir de um lote de chamadas");
    runCmd->footer(
        "Lote: um arquivo de texto com uma chamada por linha: o nome da exportação de registro e\n"
        "os seus campos, separados por \"|\", como em\n"
        "    Registro11|Rua das Flores|100||Centro|50000000|Maria|8133334444\n"
        "\"\\|\" é uma barra literal e \"\\\\\" uma barra invertida; linhas em branco e linhas que\n"
        "começam por \"#\" são ignoradas. O texto é UTF-8 (convertido para Windows-1252);\n"
        "--encoding cp1252 lê um lote já em Windows-1252. Uma linha com erro (exportação\n"
        "desconhecida, número de campos errado, caractere sem forma em Windows-1252) é relatada\n"
        "com o arquivo e o número da linha e não é chamada.\n"
        "Saída: 0 quando todas as linhas foram aceitas; 1 quando um registro foi rejeitado ou\n"
        "uma linha tinha erro; 2 para erro de uso ou lote ilegível.");
    runCmd->add_option("LOTE", runOptions.batch, "O arquivo de lote")->required();
    runCmd->add_option("--sef", runOptions.sef, "Arquivo SEF")->capture_default_str();
    runCmd->add_option("--erro", runOptions.erro, "Relatório de erros")->capture_default_str();
    runCmd->add_option("--log", runOptions.log, "Log de estatísticas")->capture_default_str();
    runCmd->add_option("--encoding", encoding, "Codificação do lote")
        ->check(CLI::IsMember({"utf8", "cp1252"}))
        ->capture_default_str();

    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        const int rc = app.exit(e);
        return rc == 0 ? 0 : 2;
    }

    if (versao->parsed()) {
        std::cout << Info_Versao() << "\n";
        return 0;
    }
    if (validaCmd->parsed()) return valida(validator, values);
    if (runCmd->parsed()) {
        runOptions.encoding = encoding == "cp1252" ? sefgen::Encoding::cp1252 : sefgen::Encoding::utf8;
        return sefgen::run(runOptions);
    }
    return 2;
}
