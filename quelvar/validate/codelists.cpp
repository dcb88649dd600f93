// The code lists of the layout: one declaration per list, each read as in the layout's table.
#include "validate/validate.hpp"

namespace qv {

constexpr std::array<std::string_view, 23> modelosDocumento = {"01", "02", "04", "06", "07", "08", "09", "10",
                                                               "11", "13", "14", "15", "16", "17", "18", "20",
                                                               "21", "22", "24", "25", "2B", "2C", "2D"};

constexpr std::array<std::string_view, 185> codigosMunicipio = {
    "0001", "0020", "0030", "0040", "0050", "0060", "0070", "0080", "0090", "0100", "0110", "0115", "0120",
    "0130", "0132", "0135", "0140", "0150", "0152", "0155", "0160", "0170", "0171", "0180", "0190", "0195",
    "0200", "0205", "0210", "0220", "0230", "0240", "0250", "0255", "0260", "0262", "0265", "0270", "0275",
    "0280", "0285", "0290", "0295", "0300", "0305", "0310", "0315", "0320", "0325", "0330", "0335", "0340",
    "0345", "0350", "0355", "0360", "0365", "0370", "0375", "0380", "0385", "0390", "0395", "0400", "0405",
    "0407", "0410", "0412", "0415", "0420", "0425", "0430", "0435", "0440", "0445", "0450", "0455", "0460",
    "0465", "0470", "0475", "0480", "0485", "0490", "0495", "0500", "0505", "0510", "0515", "0520", "0525",
    "0530", "0535", "0537", "0540", "0545", "0550", "0555", "0560", "0565", "0570", "0575", "0580", "0585",
    "0590", "0595", "0600", "0602", "0605", "0610", "0615", "0620", "0625", "0630", "0635", "0640", "0642",
    "0645", "0650", "0655", "0660", "0665", "0670", "0675", "0680", "0685", "0690", "0695", "0700", "0705",
    "0710", "0712", "0715", "0720", "0725", "0730", "0735", "0740", "0745", "0750", "0755", "0760", "0761",
    "0765", "0770", "0775", "0777", "0780", "0785", "0790", "0795", "0800", "0805", "0810", "0815", "0820",
    "0825", "0830", "0831", "0835", "0840", "0845", "0850", "0855", "0860", "0862", "0865", "0870", "0875",
    "0880", "0885", "0890", "0895", "0900", "0905", "0910", "0915", "0920", "0925", "0930", "0935", "0940",
    "0945", "0950", "0998",
};

constexpr std::array<std::string_view, 11> finaisCST = {"00", "10", "20", "30", "40", "41",
                                                        "50", "51", "60", "70", "90"};

using L = ListaCodigos;

namespace {
constexpr CodigosQuatroDigitos municipiosPorNumero{codigosMunicipio};
}

// clang-format off
constexpr L Verifica_Convenio             = L::inteiros({{2, 2}});
constexpr L Verifica_Operacao             = L::inteiros({{3, 3}});
constexpr L Verifica_Finalidade           = L::primeiroCaractere("12ADG");
constexpr L Verifica_Layout               = L::inteiros({{1, 1}});
constexpr L Verifica_Modelo               = L::textoExato(modelosDocumento);
constexpr L Verifica_Tipo_Operacao        = L::inteiros({{1, 3}});
constexpr L Verifica_Situacao             = L::primeiroCaractere("DENSX");
constexpr L Verifica_Emitente             = L::primeiroCaractere("PT");
constexpr L Verifica_Classe_Energia       = L::inteiros({{1, 5}, {10, 11}, {20, 21}, {30, 31}, {40, 40}, {50, 50},
                                                         {60, 60}, {70, 70}, {80, 80}});
constexpr L Verifica_Indicador            = L::inteiros({{0, 2}});
constexpr L Verifica_Classe_Telecom       = L::inteiros({{1, 10}, {20, 29}, {40, 49}, {60, 60}, {70, 70}, {80, 89}});
constexpr L Verifica_CIF_FOB              = L::primeiroCaractere("012");
constexpr L Verifica_NumeroItem           = L::inteiros({{1, 999}});
constexpr L Verifica_Doc_Substituto       = L::primeiroCaractere("NS");
constexpr L Verifica_Movimento            = L::primeiroCaractere("NS");
constexpr L Verifica_Alteracao_Cadastro   = L::primeiroCaractere("NS");
constexpr L Verifica_Participante         = L::inteiros({{1, 3}});
constexpr L Verifica_Qualificacao_S20     = L::inteiros({{0, 1}});
constexpr L Verifica_Codigo_Municipio     = L::textoExato(codigosMunicipio, &municipiosPorNumero);
constexpr L Verifica_Detalhamento         = L::inteiros({{1, 3}});
constexpr L Verifica_Origem               = L::inteiros({{0, 3}});
constexpr L Verifica_Controle_Credito     = L::inteiros({{1, 7}});
constexpr L Verifica_Reconhecido          = L::primeiroCaractere("JNS");
constexpr L Verifica_Utiliza_Credito      = L::inteiros({{1, 5}});
constexpr L Verifica_Responsabilidade     = L::primeiroCaractere("DI");
constexpr L Verifica_Faixa_Incentivo      = L::inteiros({{1, 4}});
constexpr L Verifica_Qualificacao_S60     = L::inteiros({{0, 1}});
constexpr L Verifica_Observacao_MR        = L::primeiroCaractere("NS");
constexpr L Verifica_Qualificacao_S74     = L::inteiros({{1, 3}, {9, 9}});
constexpr L Verifica_Qualificacao_S77     = L::inteiros({{2, 3}, {6, 7}, {13, 13}});
constexpr L Verifica_Origem_Processo      = L::inteiros({{1, 3}, {9, 9}});
constexpr L Verifica_Descricao            = L::inteiros({{17, 19}});
constexpr L Verifica_Qualificacao_S80     = L::inteiros({{0, 1}});
constexpr L Verifica_Qualificacao_S80_D01 = L::inteiros({{0, 2}});
constexpr L Verifica_Qualificacao_S80_D02 = L::inteiros({{0, 1}});
constexpr L Verifica_Qualificacao_S82     = L::inteiros({{0, 1}});
constexpr L Verifica_Qualificacao_S82_D01 = L::inteiros({{0, 1}});
constexpr L Verifica_Qualificacao_S82_D02 = L::inteiros({{0, 1}});
constexpr L Verifica_Livro                = L::inteiros({{10, 10}, {20, 20}, {25, 25}, {30, 30}, {40, 40}, {45, 45},
                                                         {50, 50}, {55, 55}, {57, 57}, {60, 60}});
constexpr L Verifica_Posse                = L::inteiros({{1, 5}});
constexpr L Verifica_Id_Tipo              = L::inteiros({{1, 6}});
constexpr L Verifica_Tipo_Receita         = L::inteiros({{1, 6}});
constexpr L Verifica_Tipo_Informacao      = L::primeiroCaractere("ABC");
// clang-format on

bool Verifica_CST(std::string_view cst) {
    if (isBlank(cst)) return false;
    if (cst.size() < 3) return false;
    if (cst[0] != '0' && cst[0] != '1' && cst[0] != '2') return false;
    return std::binary_search(finaisCST.begin(), finaisCST.end(), cst.substr(1, 2));
}

} // namespace qv
