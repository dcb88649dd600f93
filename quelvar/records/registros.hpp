// The declaration of every record export, named as the export it stands behind.
#pragma once

#include "format/dates.hpp"
#include "session/frame.hpp"
#include "validate/validate.hpp"

namespace qv {

// The descriptions that many records give to the same failed check; each record gives its own
// message number.
namespace mensagem {
inline constexpr std::string_view modeloInvalido = "Código de Modelo de Documento Fiscal Inválido :: "_cp;
inline constexpr std::string_view cfopInvalido =
    "Código Fiscal de Operações e Prestações(CFOP) Inválido :: "_cp;
inline constexpr std::string_view cnpjOuCpfInvalido = "CNPJ ou CPF Inválido :: "_cp;
inline constexpr std::string_view ufInvalida = "Unidade da Federação Inválida :: "_cp;
inline constexpr std::string_view inscricaoInvalida = "Inscrição Estadual Inválida :: "_cp;
inline constexpr std::string_view dataEmissaoInvalida = "Data de Emissão Inválida (AAAAMMDD) :: "_cp;
inline constexpr std::string_view qualificacaoInvalida = "Código da Qualificação Inválido :: "_cp;
inline constexpr std::string_view numeroItemInvalido =
    "Número de Ordem do Item na Nota Fiscal Inválido :: "_cp;
inline constexpr std::string_view cstInvalido = "CST Inválido (Código da Situação Tributária) :: "_cp;
} // namespace mensagem

#define QV_DECLARE_SESSION(name)
#define QV_DECLARE_VERSION(name)
#define QV_DECLARE_NOTICE(name)
#define QV_DECLARE_FILTER(name)
#define QV_DECLARE_PAD(name)
#define QV_DECLARE_FORMAT(name)
#define QV_DECLARE_DATE_TEST(name)
#define QV_DECLARE_DATE_VALUE(name)
#define QV_DECLARE_DATE_CONVERT(name)
#define QV_DECLARE_VALIDATOR(name)
#define QV_DECLARE_VALIDATOR_PAIR(name)
#define QV_DECLARE_VALIDATOR_COUNTED(name)
#define QV_DECLARE_RECORD(name) extern const Layout name;
#define QV_EXPORT(name, kind, n) QV_DECLARE_##kind(name)
#include "exports/exports.def"
#undef QV_EXPORT

} // namespace qv
