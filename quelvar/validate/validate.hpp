// Field validators: taxpayer identifiers, state and postal codes, the code lists of the layout and
// the CFOP table. None needs a session, writes anything or keeps state; each answers valid or
// invalid, and anything it cannot read is invalid.
#pragma once

#include "format/text.hpp"

#include <algorithm>
#include <array>
#include <cstdint>
#include <initializer_list>
#include <span>
#include <string_view>

namespace qv {

bool Verifica_CNPJ(std::string_view cnpj);
bool Verifica_CPF(std::string_view cpf);
// Every state registration is accepted for every state.
bool Verifica_InscEst(std::string_view inscricao, std::string_view uf);
bool Verifica_UF(std::string_view uf);
bool Verifica_CEP(std::string_view cep);
bool Verifica_CEP_UF(std::string_view cep, std::string_view uf);
// A three-character tax situation code: origin "0", "1" or "2", then one of the 11 tails.
// A value shorter than three characters is invalid.
bool Verifica_CST(std::string_view cst);

// How a code list compares a value (after the blank test, on the value as passed).
enum class Comparacao : std::uint8_t {
    inteiro,           // the whole value, read by the integer conversion, is one of the values
    primeiroCaractere, // only the first character counts, case-sensitively
    textoExato,        // the value equals one of the codes: same length, same characters
};

struct Faixa {
    std::int32_t de;
    std::int32_t ate;
};

// A table of four-digit codes as a set of the numbers 0 to 9999: the exact-text search of such a
// table becomes one lookup, with the same answers (the value must still be four digits).
class CodigosQuatroDigitos {
  public:
    consteval explicit CodigosQuatroDigitos(std::span<const std::string_view> codigos) {
        for (const std::string_view c : codigos) {
            if (c.size() != 4) throw "not a code of four digits";
            std::size_t n = 0;
            for (const char d : c) {
                if (d < '0' || d > '9') throw "not a code of four digits";
                n = n * 10 + static_cast<std::size_t>(d - '0');
            }
            bits_[n / 64] |= std::uint64_t{1} << (n % 64);
        }
    }
    constexpr bool contem(std::string_view valor) const {
        if (valor.size() != 4) return false;
        std::size_t n = 0;
        for (const char d : valor) {
            if (d < '0' || d > '9') return false;
            n = n * 10 + static_cast<std::size_t>(d - '0');
        }
        return (bits_[n / 64] >> (n % 64)) & 1u;
    }

  private:
    std::array<std::uint64_t, 157> bits_{};
};

// One code list of the layout: its comparison and allowed values. Called like the export of the
// same name: Verifica_Modelo("01").
class ListaCodigos {
  public:
    static consteval ListaCodigos inteiros(std::initializer_list<Faixa> faixas) {
        ListaCodigos l{Comparacao::inteiro};
        for (const Faixa f : faixas)
            l.faixas_[l.nFaixas_++] = f;
        return l;
    }
    static consteval ListaCodigos primeiroCaractere(std::string_view permitidos) {
        ListaCodigos l{Comparacao::primeiroCaractere};
        l.caracteres_ = permitidos;
        return l;
    }
    // The codes must be in ascending byte order, without repeats: the search is a binary one,
    // which finds what a search from the first code to the last would.
    static consteval ListaCodigos textoExato(std::span<const std::string_view> codigos,
                                             const CodigosQuatroDigitos* quatroDigitos = nullptr) {
        for (std::size_t i = 1; i < codigos.size(); ++i)
            if (!(codigos[i - 1] < codigos[i])) throw "code table out of order";
        ListaCodigos l{Comparacao::textoExato};
        l.codigos_ = codigos;
        l.quatroDigitos_ = quatroDigitos;
        l.comprimento_ = codigos.empty() ? 0 : codigos[0].size();
        for (const std::string_view c : codigos)
            if (c.size() != l.comprimento_) l.comprimento_ = 0;
        return l;
    }

    bool operator()(std::string_view valor) const {
        if (isBlank(valor)) return false;
        switch (tipo_) {
        case Comparacao::inteiro: {
            const auto n = toInt32(valor);
            if (!n) return false;
            for (std::size_t i = 0; i < nFaixas_; ++i)
                if (*n >= faixas_[i].de && *n <= faixas_[i].ate) return true;
            return false;
        }
        case Comparacao::primeiroCaractere:
            return caracteres_.find(valor.front()) != std::string_view::npos;
        case Comparacao::textoExato:
            // In a table of codes of one length, only a value of that length can match.
            if (comprimento_ != 0 && valor.size() != comprimento_) return false;
            if (quatroDigitos_ != nullptr) return quatroDigitos_->contem(valor);
            return std::binary_search(codigos_.begin(), codigos_.end(), valor, menorQue);
        }
        return false;
    }

    Comparacao tipo() const { return tipo_; }

  private:
    explicit constexpr ListaCodigos(Comparacao t)
        : tipo_(t) {}
    // Byte order of two texts (the codes are short: compared in place).
    static constexpr bool menorQue(std::string_view a, std::string_view b) {
        const std::size_t n = a.size() < b.size() ? a.size() : b.size();
        for (std::size_t i = 0; i < n; ++i)
            if (a[i] != b[i]) return static_cast<unsigned char>(a[i]) < static_cast<unsigned char>(b[i]);
        return a.size() < b.size();
    }
    std::size_t comprimento_ = 0; // the length of every code of an exact-text table, 0 if they differ
    const CodigosQuatroDigitos* quatroDigitos_ = nullptr; // the same table as a set of numbers
    Comparacao tipo_;
    std::array<Faixa, 12> faixas_{};
    std::size_t nFaixas_ = 0;
    std::string_view caracteres_{};
    std::span<const std::string_view> codigos_{};
};

// The tables behind the exact-text lists.
extern const std::array<std::string_view, 23> modelosDocumento;
extern const std::array<std::string_view, 185> codigosMunicipio;
extern const std::array<std::string_view, 11> finaisCST;
extern const std::array<std::string_view, 459> tabelaCFOP;

extern const ListaCodigos Verifica_Convenio;
extern const ListaCodigos Verifica_Operacao;
extern const ListaCodigos Verifica_Finalidade;
extern const ListaCodigos Verifica_Layout;
extern const ListaCodigos Verifica_Modelo;
extern const ListaCodigos Verifica_Tipo_Operacao;
extern const ListaCodigos Verifica_Situacao;
extern const ListaCodigos Verifica_Emitente;
extern const ListaCodigos Verifica_Classe_Energia;
extern const ListaCodigos Verifica_Indicador;
extern const ListaCodigos Verifica_Classe_Telecom;
extern const ListaCodigos Verifica_CIF_FOB;
extern const ListaCodigos Verifica_NumeroItem;
extern const ListaCodigos Verifica_Doc_Substituto;
extern const ListaCodigos Verifica_Movimento;
extern const ListaCodigos Verifica_Alteracao_Cadastro;
extern const ListaCodigos Verifica_Participante;
extern const ListaCodigos Verifica_Qualificacao_S20;
extern const ListaCodigos Verifica_Codigo_Municipio;
extern const ListaCodigos Verifica_Detalhamento;
extern const ListaCodigos Verifica_Origem;
extern const ListaCodigos Verifica_Controle_Credito;
extern const ListaCodigos Verifica_Reconhecido;
extern const ListaCodigos Verifica_Utiliza_Credito;
extern const ListaCodigos Verifica_Responsabilidade;
extern const ListaCodigos Verifica_Faixa_Incentivo;
extern const ListaCodigos Verifica_Qualificacao_S60;
extern const ListaCodigos Verifica_Observacao_MR;
extern const ListaCodigos Verifica_Qualificacao_S74;
extern const ListaCodigos Verifica_Qualificacao_S77;
extern const ListaCodigos Verifica_Origem_Processo;
extern const ListaCodigos Verifica_Descricao;
extern const ListaCodigos Verifica_Qualificacao_S80;
extern const ListaCodigos Verifica_Qualificacao_S80_D01;
extern const ListaCodigos Verifica_Qualificacao_S80_D02;
extern const ListaCodigos Verifica_Qualificacao_S82;
extern const ListaCodigos Verifica_Qualificacao_S82_D01;
extern const ListaCodigos Verifica_Qualificacao_S82_D02;
extern const ListaCodigos Verifica_Livro;
extern const ListaCodigos Verifica_Posse;
extern const ListaCodigos Verifica_Id_Tipo;
extern const ListaCodigos Verifica_Tipo_Receita;
extern const ListaCodigos Verifica_Tipo_Informacao;
extern const ListaCodigos Verifica_CFOP;

} // namespace qv
