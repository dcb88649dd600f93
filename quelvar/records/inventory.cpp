// Records 74 and 75: the items of an inventory, and the product and service codes of the file.
#include "records/registros.hpp"

namespace qv {

namespace {

constexpr Campo campos74[] = {
    data("Data do Inventário:"_cp),
    alfa("Código do Produto:"_cp, 14),
    num("Quantidade:"_cp, 13),
    num("Valor do Produto:"_cp, 13),
    alfa("Código de Posse dos Itens:"_cp, 1),
    num("CNPJ do Possuidor"_cp, 14).recebido(),
    alfa("Inscrição Estadual do Possuidor:"_cp, 14),
    alfa("UF do Possuidor:"_cp, 2),
    brancos(45),
    num("Código de Identificação dos Itens:"_cp, 1),
    num("Valor Unitário:"_cp, 14),
    num("Observação:"_cp, 5),
};

// The checks of the possessor depend on the code of possession: under "1", "4" and "5" the goods
// are the informant's own and in its hands, so no possessor may be given; under "2" and "3" the
// possessor (or the owner) must be identified, and an empty CNPJ, fourteen zeros once formatted,
// does not identify one. A code outside "1" to "5" draws -4 and none of these checks.
void verifica74(Registro& c) {
    const std::string_view posse = c[5];
    const bool semPossuidor = posse == "1" || posse == "4" || posse == "5";
    const bool comPossuidor = posse == "2" || posse == "3";
    const bool possuidorNaoIdentificado = comPossuidor && (c.zerado(6) || c.identificadorInvalido(6));
    const bool inscricaoPossuidorInvalida = c.inscricaoInvalida(c[7], c[8]);

    c.falhaSe(!IsSEFDate(c[1]), -1, "Data do Inventário Inválida (AAAAMMDD) :: "_cp, 1);
    c.cnpjOuCpf(6, -2, "CGC/MF ou CPF do Possuidor Inválido :: "_cp);
    c.inscricaoEstadual(7, 8, -3, "Inscrição Estadual do Possuidor Inválida :: "_cp, {"ISENTO", ""});
    c.falhaSe(!Verifica_Posse(c[5]), -4, "Código de Posse das Mercadorias Inventariadas Inválido :: "_cp, 5);
    c.falhaSe(semPossuidor && !c.zerado(6), -5,
              "Código de Posse das Mercadorias Inventariadas Inválido :: "
              "CNPJ do Possuidor não deve ser preenchido, se Código de Posse igual a "_cp,
              5);
    c.falhaSe(posse == "2" && possuidorNaoIdentificado, -6,
              "Código de Posse das Mercadorias Inventariadas Inválido :: "
              "CNPJ do Possuidor deve ser preenchido, se Código de Posse igual a 2"_cp);
    c.falhaSe(posse == "3" && possuidorNaoIdentificado, -7,
              "Código de Posse das Mercadorias Inventariadas Inválido :: "
              "CNPJ do Possuidor deve ser preenchido com o CNPJ da proprietária da mercadoria em poder do "
              "informante, se Código de Posse igual a 3"_cp);
    c.falhaSe(semPossuidor && !isBlank(c[7]), -8,
              "Código de Posse das Mercadorias Inventariadas Inválido :: "
              "Inscrição Estadual do Possuidor não deve ser preenchida, se Código de Posse igual a "_cp,
              5);
    c.falhaSe(posse == "2" && inscricaoPossuidorInvalida, -9,
              "Código de Posse das Mercadorias Inventariadas Inválido :: "
              "Inscrição Estadual do Possuidor deve ser preenchida com a Inscrição Estadual da proprietária "
              "da mercadoria em poder do informante, se Código de Posse igual a 2"_cp);
    c.falhaSe(posse == "3" && inscricaoPossuidorInvalida, -10,
              "Código de Posse das Mercadorias Inventariadas Inválido :: "
              "Inscrição Estadual do Possuidor deve ser preenchida, se Código de Posse igual a 3"_cp);
    c.periodo(1, -11,
              "Data de Inventário Inválida (AAAAMMDD) :: "
              "A Data está fora do período indicado no Registro10 :: Data: "_cp);
    c.falhaSe(!isBlank(c[8]) && !Verifica_UF(c[8]), -12, "Unidade da Federação do Possuidor Inválida :: "_cp,
              8);
    c.falhaSe(semPossuidor && !isBlank(c[8]), -13,
              "Código de Posse das Mercadorias Inventariadas Inválido :: "
              "UF não deve ser preenchida se Código de Posse igual a "_cp,
              5);
    // The zero tests look at the digits, so a value of thirteen significant digits passes them.
    c.falhaSe(c.zerado(4), -14,
              "Valor do Produto Inválido :: O Valor informado deve ser maior que 0 (zero)"_cp, 4);
    c.falhaSe(c.zerado(3), -15,
              "Valor da Quantidade Inválida :: O Valor informado deve ser maior que 0 (zero)"_cp, 3);
    c.falhaSe(!Verifica_Id_Tipo(c[9]), -16, "Código de Identificação dos Itens do Inventário Inválido :: "_cp,
              9);
    c.presenca10(-17);
    c.presenca11(-18);
}

constexpr Campo campos75[] = {
    data("Data Inicial:"_cp),
    data("Data Final:"_cp),
    alfa("Código do Produto/Serviço:"_cp, 14),
    alfa("Codificação NCM:"_cp, 8),
    alfa("Descrição:"_cp, 53),
    alfa("Unidade de Medida:"_cp, 6),
    num("CST:"_cp, 3),
    num("Alíquota do IPI:"_cp, 4),
    num("Alíquota do ICMS:"_cp, 4),
    num("Redução da Base de Cálculo do ICMS:"_cp, 4),
    num("Base de Cálculo do ICMS:"_cp, 12),
    alfa("Código Anterior:"_cp, 14),
    num("Termo Final de Utilização:"_cp, 6),
};

// An invalid date takes the value 0, so an invalid final date lies before any valid initial one.
void verifica75(Registro& c) {
    c.falhaSe(!IsSEFDate(c[1]), -1, "Data Inicial Inválida (AAAAMMDD) :: "_cp, 1);
    c.falhaSe(!IsSEFDate(c[2]), -2, "Data Final Inválida (AAAAMMDD) :: "_cp, 2);
    c.falhaSe(c.valorData(2) < c.valorData(1), -3, "Data Final deve ser maior que Data Inicial"_cp);
    c.periodo(1, -4,
              "Data Inicial Inválida (AAAAMMDD) :: "
              "A Data está fora do período indicado no Registro10 :: Data: "_cp);
    c.periodo(2, -5,
              "Data Final Inválida (AAAAMMDD) :: "
              "A Data está fora do período indicado no Registro10 :: Data: "_cp);
    c.falhaSe(!Verifica_CST(c[7]), -6, mensagem::cstInvalido, 7);
    c.presenca10(-7);
    c.presenca11(-8);
}

} // namespace

constexpr Layout Registro74{
    .entrada = Indice::r74, .larguraRotulo = 35, .campos = campos74, .verificacoes = verifica74};
constexpr Layout Registro75{
    .entrada = Indice::r75, .larguraRotulo = 36, .campos = campos75, .verificacoes = verifica75};

} // namespace qv
