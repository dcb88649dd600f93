// The record emission frame: every record export is a declaration (a Layout) that this one frame
// runs. Guard the session, trace and fit every field, check the order, run the record's checks,
// count, then write the line or the error block.
#pragma once

#include "format/text.hpp"
#include "session/session.hpp"

#include <array>
#include <cstdint>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>

namespace qv {

using namespace qv::literals;

// How a field is fitted: alphanumeric, numeric, date (DD/MM/AAAA to AAAAMMDD, width 8), or a
// constant written into the line as it stands, with no trace line.
enum class Tipo : std::uint8_t { alfa, num, data, constante };

// Where a field's text comes from.
enum class Origem : std::uint8_t {
    parametro, // the next parameter of the export
    vazio,     // a filler: an empty working field ("Brancos:", "Zero:")
    repete,    // the previous field's formatted value, formatted again under its own label
    sessao,    // a text of the session, formatted in place there (the informant data of record 90)
};

// One field of a record line, in line order.
struct Campo {
    std::string_view rotulo; // the trace label (Windows-1252, unpadded); for a constant, its text
    Tipo tipo;
    std::uint8_t largura;
    Origem origem = Origem::parametro;
    std::uint8_t larguraRotulo = 0;                // 0: the record's label width
    bool guardaRecebido = false;                   // keeps the text as received, for the CNPJ-or-CPF rule
    std::string Sessao::*textoSessao = nullptr;    // Origem::sessao: the session text
    std::string Sessao::*recebidoSessao = nullptr; // Origem::sessao: the text standing as received

    // The field keeps its received copy (the CNPJ-or-CPF rule tests it against the CPF).
    constexpr Campo recebido() const {
        Campo c = *this;
        c.guardaRecebido = true;
        return c;
    }
    // The field's label is padded to a width of its own.
    constexpr Campo rotuloAte(std::uint8_t largura_) const {
        Campo c = *this;
        c.larguraRotulo = largura_;
        return c;
    }
    constexpr bool ehParametro() const { return origem == Origem::parametro && tipo != Tipo::constante; }
    // The fields that the checks name by number: the parameters, and the session texts of a
    // record without parameters.
    constexpr bool numerado() const { return ehParametro() || origem == Origem::sessao; }
};

constexpr Campo alfa(std::string_view rotulo, std::uint8_t largura) {
    return {rotulo, Tipo::alfa, largura};
}
constexpr Campo num(std::string_view rotulo, std::uint8_t largura) {
    return {rotulo, Tipo::num, largura};
}
constexpr Campo data(std::string_view rotulo) {
    return {rotulo, Tipo::data, 8};
}
// A filler of blanks, traced under "Brancos:" unless another label is given.
constexpr Campo brancos(std::uint8_t largura, std::string_view rotulo = "Brancos:") {
    return {rotulo, Tipo::alfa, largura, Origem::vazio};
}
// A numeric filler of zeros, traced under "Zero:".
constexpr Campo zeros(std::uint8_t largura, std::string_view rotulo = "Zero:") {
    return {rotulo, Tipo::num, largura, Origem::vazio};
}
// The previous field formatted once more under its own trace line: the line carries it twice.
constexpr Campo repetido(const Campo& anterior) {
    Campo c = anterior;
    c.origem = Origem::repete;
    return c;
}
constexpr Campo constante(std::string_view texto) {
    return {texto, Tipo::constante, static_cast<std::uint8_t>(texto.size()), Origem::vazio};
}
// A text of the session, formatted in place there; recebidoSessao stands as its received copy.
constexpr Campo daSessao(Campo c, std::string Sessao::*texto, std::string Sessao::*recebidoSessao = nullptr) {
    c.origem = Origem::sessao;
    c.textoSessao = texto;
    c.recebidoSessao = recebidoSessao;
    c.guardaRecebido = recebidoSessao != nullptr;
    return c;
}

class Registro;

// The declaration of one record export.
struct Layout {
    std::string_view prefixo = {};   // the type at the start of the line when it is not the entry's
                                     // own ("60M"); empty: the entry's type ("50", "88")
    std::string_view cabecalho = {}; // the trace header; "REGISTRO " + the type when empty
    std::string_view subtipo = {};   // record 88: subtype and detail, after the sequence number
    std::string_view detalhe = {};
    Indice entrada;                            // the statistics entry the record counts into
    std::uint8_t larguraRotulo;                // the width labels are padded to
    std::span<const Campo> campos;             // in line order
    void (*verificacoes)(Registro&) = nullptr; // the record's checks, in their order
    void (*aoAceitar)(Registro&) = nullptr;    // runs once accepted, before the line is written
    void (*compoe)(Registro&) = nullptr;       // writes lines of its own instead of the one line

    constexpr bool sequenciado() const { return !subtipo.empty(); }
    // The type that starts the line.
    constexpr std::string_view tipo() const { return prefixo.empty() ? tipoDe(entrada) : prefixo; }
    // Records 50 to 88 check the order of the record types; 10, 11 and 90 do not.
    constexpr bool verificaOrdem() const { return entrada >= Indice::r50 && entrada <= Indice::r88; }
    constexpr std::size_t parametros() const {
        std::size_t n = 0;
        for (const Campo& c : campos)
            if (c.ehParametro()) ++n;
        return n;
    }
    // The length of the line the frame composes.
    constexpr std::size_t comprimentoLinha() const {
        std::size_t n = tipo().size() + (sequenciado() ? 9 + subtipo.size() + detalhe.size() : 0);
        for (const Campo& c : campos)
            n += c.largura;
        return n;
    }
};

// The checks of a record whose only rule is the presence of records 10 and 11 (messages -1, -2).
void apenasPresenca(Registro& c);

// The declaration of a record 88 line: "88", the sequence number, the subtype and the detail, then
// the fields; it counts into the one entry of record 88.
constexpr Layout registro88(std::string_view subtipo, std::string_view detalhe, std::uint8_t larguraRotulo,
                            std::span<const Campo> campos, void (*verificacoes)(Registro&)) {
    return {.subtipo = subtipo,
            .detalhe = detalhe,
            .entrada = Indice::r88,
            .larguraRotulo = larguraRotulo,
            .campos = campos,
            .verificacoes = verificacoes};
}

inline constexpr std::size_t maxCampos = 40;

// The working fields of the record being processed: kept from call to call, so that once they
// have grown to the widths of the layout the frame formats without allocating.
struct AreaTrabalho {
    // The line being composed: the formatted fields are written into it in their places, and each
    // field is a view of its place.
    std::string linha;
    std::array<std::string_view, maxCampos> campos{}; // as formatted
    // Each field as received, before formatting: a view of the host's text for a parameter (which
    // outlives the call's use of it), of the previous field for a repeated one, or of copias.
    std::array<std::string_view, maxCampos> antes{};
    std::array<std::string, maxCampos> copias{};       // a session text as it was before formatting
    std::array<std::string, maxCampos> tracados{};     // a date's eight digits in the host's order
    std::array<std::string, maxCampos> recebidos{};    // the received copy of a session text
    std::array<std::uint8_t, maxCampos + 1> posicao{}; // parameter number -> position in the line
    std::size_t numerados = 0;                         // how many fields the checks can name
};

// The record being processed, as its checks see it: its formatted fields by parameter number (as
// the layout tables number them, from 1), the received copies, the session, and the vocabulary of
// checks. Every check that fails adds a numbered message to ListaErros.
class Registro {
  public:
    Registro(Sessao& s, const Layout& l, AreaTrabalho& a)
        : sessao_(s)
        , layout_(l)
        , area_(a) {}

    Sessao& sessao() { return sessao_; }
    const Layout& layout() const { return layout_; }

    // The formatted field of parameter n (from 1); for record 90, of its n-th session field.
    std::string_view operator[](int n) const { return area_.campos[posicao(n)]; }
    // The field of parameter n as the host gave it (kept for the fields that ask for it).
    std::string_view recebido(int n) const;
    // The formatted field at position i of the line (fillers included).
    std::string_view campo(std::size_t i) const { return area_.campos[i]; }

    // Message conventions: the number ("-5") padded with blanks to five characters, then the
    // description; with a parameter, followed by its formatted value.
    void erro(int numero, std::string_view descricao);
    void erro(int numero, std::string_view descricao, int parametro);
    void falhaSe(bool falhou, int numero, std::string_view descricao) {
        if (falhou) erro(numero, descricao);
    }
    void falhaSe(bool falhou, int numero, std::string_view descricao, int parametro) {
        if (falhou) erro(numero, descricao, parametro);
    }

    // The CNPJ-or-CPF rule: the formatted identifier fails Verifica_CNPJ and the received one
    // fails Verifica_CPF. Every such identifier is reported, also one without any zero digit.
    bool identificadorInvalido(int parametro) const;
    void cnpjOuCpf(int parametro, int numero, std::string_view descricao) {
        falhaSe(identificadorInvalido(parametro), numero, descricao, parametro);
    }
    // The state-registration rule: Verifica_InscEst fails and the trimmed inscription is none of
    // the exempt texts.
    bool inscricaoInvalida(std::string_view ie, std::string_view uf,
                           std::initializer_list<std::string_view> isentos = {"ISENTO"}) const;
    void inscricaoEstadual(int ie, int uf, int numero, std::string_view descricao,
                           std::initializer_list<std::string_view> isentos = {"ISENTO"}) {
        falhaSe(inscricaoInvalida((*this)[ie], (*this)[uf], isentos), numero, descricao, ie);
    }
    // The period rule: the date lies before DataInicial or after DataFinal.
    void periodo(int parametro, int numero, std::string_view descricao);
    // The presence rule for record 10 (11): no record 10 (11) has been written.
    void presenca10(int numero);
    void presenca11(int numero);
    // The situation gate of records 50, 51, 53, 70 and 76: reports an invalid situation; true
    // when the checks that follow run, which is for the situations "N" and "E" only.
    bool situacao(int parametro, int numero, std::string_view descricao);

    // The formatted field holds only zeros (an empty numeric field or date).
    bool zerado(int parametro) const;
    // The date value of a formatted date field (0 for an invalid date).
    double valorData(int parametro) const;
    // The formatted field read as an integer; 0 when it cannot be read.
    std::int32_t inteiro(int parametro) const;

    // Writes one accepted line: to the SEF file, counted as written. A line that cannot be written
    // counts as an error, and the record export answers -1.
    void gravaLinha(std::string_view linha);
    bool linhaPerdida() const { return linhaPerdida_; }

    AreaTrabalho& area() { return area_; }

  private:
    std::size_t posicao(int parametro) const {
        if (parametro < 1 || static_cast<std::size_t>(parametro) > area_.numerados) semParametro();
        return area_.posicao[static_cast<std::size_t>(parametro)];
    }
    [[noreturn]] static void semParametro();
    std::string& novaMensagem(int numero, std::string_view descricao);
    Sessao& sessao_;
    const Layout& layout_;
    AreaTrabalho& area_;
    bool linhaPerdida_ = false;
};

// Runs a record export: its declaration with the host's texts (as many as it has parameters).
// Returns 0 when the line was written, -1 when the record was rejected or no session is open.
std::int32_t executaRegistro(Sessao& s, const Layout& layout, std::span<const std::string_view> parametros);

// Empties the three lists of the record being processed (after a failure inside the frame).
void descartaRegistro(Sessao& s);

} // namespace qv
