#include "session/frame.hpp"

#include "format/dates.hpp"
#include "format/fields.hpp"
#include "validate/validate.hpp"

#include <stdexcept>

namespace qv {

void Registro::semParametro() {
    throw std::out_of_range("a check names a parameter the record does not have");
}
std::string_view Registro::recebido(int n) const {
    const std::size_t i = posicao(n);
    const Campo& c = layout_.campos[i];
    if (!c.guardaRecebido)
        throw std::logic_error("a check asks for a received copy the record does not keep");
    return c.origem == Origem::sessao ? area_.recebidos[i] : area_.antes[i];
}

std::string& Registro::novaMensagem(int numero, std::string_view descricao) {
    std::string& m = sessao_.ListaErros.nova();
    m.append(std::to_string(numero));
    if (m.size() < 5) m.append(5 - m.size(), ' ');
    m.append(descricao);
    return m;
}

void Registro::erro(int numero, std::string_view descricao) {
    novaMensagem(numero, descricao);
}

void Registro::erro(int numero, std::string_view descricao, int parametro) {
    novaMensagem(numero, descricao).append((*this)[parametro]);
}

bool Registro::identificadorInvalido(int parametro) const {
    return !Verifica_CNPJ((*this)[parametro]) && !Verifica_CPF(recebido(parametro));
}

bool Registro::inscricaoInvalida(std::string_view ie, std::string_view uf,
                                 std::initializer_list<std::string_view> isentos) const {
    if (Verifica_InscEst(ie, uf)) return false;
    const std::string_view t = trim(ie);
    for (const std::string_view isento : isentos)
        if (t == isento) return false;
    return true;
}

void Registro::periodo(int parametro, int numero, std::string_view descricao) {
    const double v = valorData(parametro);
    if (v >= sessao_.DataInicial && v <= sessao_.DataFinal) return;
    std::string& m = novaMensagem(numero, descricao);
    m.append((*this)[parametro]);
    m.append(" Período: "_cp);
    m.append(sessao_.TextoPeriodo);
}

void Registro::presenca10(int numero) {
    falhaSe(sessao_.entrada(Indice::r10).gravados == 0, numero, "Função Registro10 não foi chamada"_cp);
}

void Registro::presenca11(int numero) {
    falhaSe(sessao_.entrada(Indice::r11).gravados == 0, numero, "Função Registro11 não foi chamada"_cp);
}

void apenasPresenca(Registro& c) {
    c.presenca10(-1);
    c.presenca11(-2);
}

bool Registro::situacao(int parametro, int numero, std::string_view descricao) {
    const std::string_view s = (*this)[parametro];
    if (!Verifica_Situacao(s)) {
        erro(numero, descricao, parametro);
        return false;
    }
    return s == "N" || s == "E";
}

bool Registro::zerado(int parametro) const {
    return (*this)[parametro].find_first_not_of('0') == std::string_view::npos;
}

double Registro::valorData(int parametro) const {
    return SEFDateToDateTime((*this)[parametro]);
}

std::int32_t Registro::inteiro(int parametro) const {
    return toInt32((*this)[parametro]).value_or(0);
}

void Registro::gravaLinha(std::string_view linha) {
    Estatistica& e = sessao_.entrada(layout_.entrada);
    if (GravaRegistro(sessao_, linha)) {
        e.gravados += 1;
    } else {
        // The message box has shown the failure; the line is not in the file, so it is neither
        // counted as written (the totals of record 90 and the numbering of record 88 stay true)
        // nor reported to the host as written.
        e.erros += 1;
        linhaPerdida_ = true;
    }
}

void descartaRegistro(Sessao& s) {
    s.ListaCampos.clear();
    s.ListaObservacoes.clear();
    s.ListaErros.clear();
}

namespace {

AreaTrabalho& areaTrabalho() {
    static AreaTrabalho area;
    return area;
}

void cabecalho(Sessao& s, const Layout& l) {
    std::string& h = s.ListaCampos.nova();
    if (!l.cabecalho.empty()) {
        h.assign(l.cabecalho);
    } else if (l.sequenciado()) {
        h.assign("REGISTRO ");
        h.append(l.tipo());
        h.append(" SUBTIPO: ");
        h.append(l.subtipo);
        h.append(" DETALHE: ");
        h.append(l.detalhe);
    } else {
        h.assign("REGISTRO ");
        h.append(l.tipo());
    }
}

std::size_t larguraRotulo(const Layout& l, const Campo& c) {
    return c.larguraRotulo ? c.larguraRotulo : l.larguraRotulo;
}

// Fits one field into its place in the line; a cut field adds its observation at once. The trace
// line is written only when the record goes to the error report (traca), from the text before and
// the text after; for a date, the text after is the eight digits in the host's order, kept in
// tracado.
void ajusta(Sessao& s, const Layout& l, const Campo& c, std::string_view antes, char* lugar,
            std::string& tracado) {
    if (c.largura == 0) return;
    const std::size_t largura = c.tipo == Tipo::data ? 8 : c.largura;
    const std::size_t passados =
        ajustaCampo(lugar, antes, largura, c.tipo == Tipo::alfa ? Ajuste::alfa : Ajuste::num);
    if (passados > largura) observacaoCorte(s, c.rotulo, larguraRotulo(l, c), largura, passados);
    if (c.tipo == Tipo::data) {
        tracado.assign(lugar, 8);
        ddmmaaaaToSEFDate8(lugar);
    }
}

// The trace of the record in ListaCampos: its header line, then one line per formatted field.
void traca(Sessao& s, const Layout& l, const AreaTrabalho& area) {
    cabecalho(s, l);
    for (std::size_t i = 0; i < l.campos.size(); ++i) {
        const Campo& c = l.campos[i];
        if (c.tipo == Tipo::constante || c.largura == 0) continue;
        linhaTraco(s.ListaCampos.nova(), c.rotulo, larguraRotulo(l, c), area.antes[i],
                   c.tipo == Tipo::data ? area.tracados[i] : area.campos[i]);
    }
}

// The line as composed in the working area: the fields are in their places already; record 88
// adds its sequence number, the written count as it will be once this line is counted.
void compoeLinha(Registro& r) {
    const Layout& l = r.layout();
    std::string& linha = r.area().linha;
    if (l.sequenciado()) {
        const std::string seq = std::to_string(r.sessao().entrada(l.entrada).gravados + 1);
        const std::size_t digitos = 9;
        const std::size_t zeros = seq.size() < digitos ? digitos - seq.size() : 0;
        std::string numero = std::string(zeros, '0') + seq;
        linha.replace(l.tipo().size(), digitos, numero);
    }
    r.gravaLinha(linha);
}

} // namespace

std::int32_t executaRegistro(Sessao& s, const Layout& l, std::span<const std::string_view> parametros) {
    if (!VerificaInicio(s)) return -1;
    if (l.campos.size() > maxCampos)
        throw std::invalid_argument("a record declares more fields than the frame holds");

    AreaTrabalho& area = areaTrabalho();
    Registro r(s, l, area);

    // The line is laid out at once: the type, record 88's place for its sequence number with its
    // subtype and detail, then every field in its place.
    std::string& linha = area.linha;
    linha.resize(l.comprimentoLinha());
    std::size_t lugar = 0;
    auto poe = [&](std::string_view texto) {
        linha.replace(lugar, texto.size(), texto);
        lugar += texto.size();
    };
    poe(l.tipo());
    if (l.sequenciado()) {
        lugar += 9;
        poe(l.subtipo);
        poe(l.detalhe);
    }

    std::size_t proximo = 0;   // parameters read so far
    std::size_t numerados = 0; // fields numbered so far
    for (std::size_t i = 0; i < l.campos.size(); ++i) {
        const Campo& c = l.campos[i];
        std::string_view& antes = area.antes[i];
        char* const onde = linha.data() + lugar;
        area.campos[i] = std::string_view(onde, c.largura);
        lugar += c.largura;
        if (c.tipo == Tipo::constante) {
            std::copy(c.rotulo.begin(), c.rotulo.end(), onde);
            continue;
        }
        switch (c.origem) {
        case Origem::parametro:
            if (proximo == parametros.size())
                throw std::invalid_argument("a record export was given too few fields");
            antes = parametros[proximo++].substr(0, maxShortText);
            break;
        case Origem::vazio:
            antes = {};
            break;
        case Origem::repete:
            antes = i > 0 ? std::string_view(area.campos[i - 1]) : std::string_view();
            break;
        case Origem::sessao:
            assignBytes(area.copias[i], s.*(c.textoSessao));
            antes = area.copias[i];
            if (c.recebidoSessao) area.recebidos[i].assign(s.*(c.recebidoSessao));
            break;
        }
        if (c.numerado()) area.posicao[++numerados] = static_cast<std::uint8_t>(i);
        ajusta(s, l, c, antes, onde, area.tracados[i]);
        if (c.origem == Origem::sessao) (s.*(c.textoSessao)).assign(area.campos[i]);
    }

    if (proximo != parametros.size())
        throw std::invalid_argument("a record export was given too many fields");
    area.numerados = numerados;

    Estatistica& e = s.entrada(l.entrada);
    if (l.verificaOrdem() && QuebraSequencia(s, static_cast<std::size_t>(l.entrada)))
        s.ListaObservacoes.add("\tQuebra de sequência conforme Lógica de Ordenação Inter-Registros."_cp);

    if (l.verificacoes) l.verificacoes(r);

    if (!s.ListaObservacoes.empty()) e.observacoes += 1;
    if (!s.ListaErros.empty()) {
        traca(s, l, area);
        GravaErros(s);
        e.erros += 1;
        return -1;
    }
    if (l.aoAceitar) l.aoAceitar(r);
    if (!s.ListaObservacoes.empty()) traca(s, l, area);
    if (l.compoe)
        l.compoe(r);
    else
        compoeLinha(r);
    return r.linhaPerdida() ? -1 : 0;
}

} // namespace qv
