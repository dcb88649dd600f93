/*
 * Quelvar: the generator of the state fiscal file SEF.
 *
 * A host opens one generation session with Inicia_SEF (the names of the SEF file, the error
 * report and the statistics log), makes one call per record to the record export of its type, in
 * the layout's order, and closes the session with Finaliza_SEF. The validators and formatters may
 * be called at any time, with or without a session.
 *
 * Texts are Windows-1252 bytes.
 *  - Short text (const unsigned char*): one length byte, then that many characters. A null
 *    pointer reads as the empty text. The library copies it and never changes it.
 *  - Counted text (const unsigned char*): points at the first character; a signed 32-bit
 *    reference count at offset -8 and the signed 32-bit length at offset -4, then the characters
 *    and a zero byte. A null pointer, or a negative length, reads as the empty text. Texts with a
 *    positive count come from QM_NovoTexto; a count of -1 marks a constant, never changed.
 *  - Text result buffer (unsigned char*): a 256-byte area that receives a short text.
 *  - In-place text (unsigned char*, int32_t capacity): the caller's short text, read and
 *    rewritten; the capacity is the largest length its area holds (255 for 256 bytes). Results
 *    are cut to the capacity; a capacity below 0 is taken as 0, above 255 as 255.
 *  - Width (int32_t): only the low byte (0 to 255) counts.
 *
 * No export lets an exception or a crash reach its caller: a record export answers -1, a validator
 * 0, and a formatter leaves a defined result (an empty text when its input could not be read).
 * The library keeps its state in one process-wide session without locking: call it from one
 * thread at a time.
 */
#ifndef QUELVAR_H
#define QUELVAR_H

#include <stdint.h>

#if defined(_WIN32) && !defined(_WIN64)
#define QV_CALL __stdcall
#else
#define QV_CALL
#endif

#if defined(_WIN32)
#define QV_API
#define QM_API
#else
#define QV_API __attribute__((visibility("default")))
#define QM_API __attribute__((visibility("default")))
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* ---- The shared memory manager of counted texts (library quelvarmm) ---- */

/* A new counted text holding a copy of length bytes (count 1); length < 0 gives an empty text. The
   result points at the first character; null when memory is exhausted. */
QM_API unsigned char* QV_CALL QM_NovoTexto(const unsigned char* characters, int32_t length);
/* Adds a reference to a counted text; ignores null and constants (count -1). */
QM_API void QV_CALL QM_AdicionaReferencia(unsigned char* text);
/* Releases a reference, freeing the text when its count reaches 0; ignores null and constants. */
QM_API void QV_CALL QM_LiberaReferencia(unsigned char* text);

/* ---- Session ---- */

/* Opens the session with the names of the SEF file, the error report and the statistics log
   (stored as passed; blank names fall back to "c:\SEF.txt", "c:\Erro_SEF.txt", "c:\Log_SEF.txt",
   which on POSIX are files of those names in the working directory) and removes old files of
   those names (an old file that cannot be removed is emptied; one that can be neither removed nor
   emptied is shown in the message box as "Erro ao tentar apagar o arquivo " and the name);
   ignored while a session is open. */
QV_API void QV_CALL Inicia_SEF(const unsigned char* arquivoSEF, const unsigned char* arquivoErro,
                               const unsigned char* arquivoLog);
/* Closes the session and writes the statistics log. Without an open session it does nothing and
   writes no log, so a repeated call cannot append the statistics twice. A session without any
   written or rejected record logs the total line with zeros and a percentage of 0,00. */
QV_API void QV_CALL Finaliza_SEF(void);
/* The library's version number: always 103. */
QV_API int32_t QV_CALL Info_Versao(void);

/* The message box of the library, called with the zero-terminated Windows-1252 text (such as
   "Erro ao tentar escrever no arquivo " and the name) when an output file cannot be written; it
   should return once the user has seen it. A null handler restores the default, which writes the
   text as one UTF-8 line on standard error. */
typedef void(QV_CALL* QvAviso)(const char* texto);
QV_API void QV_CALL Define_Aviso(QvAviso handler);

/* ---- Formatters ---- */

/* resultado := the characters of texto that permitidos admits (a to z tested as A to Z), at most
   255; both are counted texts. A null resultado is ignored. */
QV_API void QV_CALL RemoveInvalid(unsigned char* resultado, const unsigned char* permitidos,
                                  const unsigned char* texto);
/* resultado := texto padded with blanks on the right to the width (empty for width 0; a longer
   text unchanged, cut to 255). A null resultado is ignored. */
QV_API void QV_CALL AlfaStuff(unsigned char* resultado, const unsigned char* texto, int32_t largura);
/* resultado := texto padded with "0" on the left to the width, as AlfaStuff. */
QV_API void QV_CALL NumStuff(unsigned char* resultado, const unsigned char* texto, int32_t largura);
/* The in-place text becomes an alphanumeric field of exactly the width: leading blanks and control
   characters removed, characters outside the alphanumeric set dropped, cut, blank-padded. A null
   text is ignored. */
QV_API void QV_CALL FormatoAlfa2(unsigned char* texto, int32_t capacidade, int32_t largura);
/* The in-place text becomes a numeric field of exactly the width: digits only, the leftmost
   width kept, zero-padded on the left. A null text is ignored. */
QV_API void QV_CALL FormatoNum2(unsigned char* texto, int32_t capacidade, int32_t largura);

/* ---- SEF dates ---- */

/* 1 when the text is a valid AAAAMMDD date (years 1 to 9999), else 0. A day part that reads as a
   number beyond the month's length, however large, is invalid. */
QV_API uint8_t QV_CALL IsSEFDate(const unsigned char* data);
/* The date as days from 30/12/1899; 0 for an invalid date. */
QV_API double QV_CALL SEFDateToDateTime(const unsigned char* data);
/* The in-place text DDMMAAAA becomes AAAAMMDD (positions 5 to the end, 3-4, 1-2), unvalidated; a
   blank text is unchanged; for a text of one to three characters the missing positions add
   nothing ("ab" stays "ab", "abc" becomes "cab"). A null text is ignored. */
QV_API void QV_CALL ddmmaaaaToSEFDate(unsigned char* data, int32_t capacidade);

/* ---- Identifier and address validators: 1 valid, 0 invalid ---- */

/* The two check digits of a 14-digit CNPJ (first 14 characters, completed with "0" on the right). */
QV_API uint8_t QV_CALL Verifica_CNPJ(const unsigned char* cnpj);
/* The two check digits of an 11-digit CPF (its digits only, completed with "0" on the right). */
QV_API uint8_t QV_CALL Verifica_CPF(const unsigned char* cpf);
/* Accepts every state registration for every state: always 1. Both are counted texts. */
QV_API uint8_t QV_CALL Verifica_InscEst(const unsigned char* inscricao, const unsigned char* uf);
/* One of the 27 state codes or "EX", case-insensitive, blanks around ignored. */
QV_API uint8_t QV_CALL Verifica_UF(const unsigned char* uf);
/* A plausible eight-digit postal code (prefix 010 to 999). */
QV_API uint8_t QV_CALL Verifica_CEP(const unsigned char* cep);
/* As Verifica_CEP, and the prefix lies in a range of the state (exact, case-sensitive code). */
QV_API uint8_t QV_CALL Verifica_CEP_UF(const unsigned char* cep, const unsigned char* uf);

/* ---- Code-list validators: 1 when the value is one the layout allows, 0 otherwise ---- */
/* Kinds: integer (whole value read as a number, leading blanks allowed), first character
   (case-sensitive), exact text. A blank value is always invalid. */

QV_API uint8_t QV_CALL Verifica_Convenio(const unsigned char* v);      /* integer: 2 */
QV_API uint8_t QV_CALL Verifica_Operacao(const unsigned char* v);      /* integer: 3 */
QV_API uint8_t QV_CALL Verifica_Finalidade(const unsigned char* v);    /* first character: 1 2 A D G */
QV_API uint8_t QV_CALL Verifica_Layout(const unsigned char* v);        /* integer: 1 */
QV_API uint8_t QV_CALL Verifica_Modelo(const unsigned char* v);        /* exact: the 23 document models */
QV_API uint8_t QV_CALL Verifica_Tipo_Operacao(const unsigned char* v); /* integer: 1 to 3 */
QV_API uint8_t QV_CALL Verifica_Situacao(const unsigned char* v);      /* first character: D E N S X */
QV_API uint8_t QV_CALL Verifica_Emitente(const unsigned char* v);      /* first character: P T */
QV_API uint8_t QV_CALL
Verifica_Classe_Energia(const unsigned char* v); /* integer: 1-5 10 11 20 21 30 31 40 50 60 70 80 */
QV_API uint8_t QV_CALL Verifica_Indicador(const unsigned char* v); /* integer: 0 to 2 */
QV_API uint8_t QV_CALL
Verifica_Classe_Telecom(const unsigned char* v); /* integer: 1-10 20-29 40-49 60 70 80-89 */
/* Tax situation code: origin 0, 1 or 2 and one of the 11 tails; shorter than three characters is
   invalid, characters after the third are ignored. */
QV_API uint8_t QV_CALL Verifica_CST(const unsigned char* v);
QV_API uint8_t QV_CALL Verifica_CIF_FOB(const unsigned char* v);            /* first character: 0 1 2 */
QV_API uint8_t QV_CALL Verifica_NumeroItem(const unsigned char* v);         /* integer: 1 to 999 */
QV_API uint8_t QV_CALL Verifica_Doc_Substituto(const unsigned char* v);     /* first character: N S */
QV_API uint8_t QV_CALL Verifica_Movimento(const unsigned char* v);          /* first character: N S */
QV_API uint8_t QV_CALL Verifica_Alteracao_Cadastro(const unsigned char* v); /* first character: N S */
QV_API uint8_t QV_CALL Verifica_Participante(const unsigned char* v);       /* integer: 1 to 3 */
QV_API uint8_t QV_CALL Verifica_Qualificacao_S20(const unsigned char* v);   /* integer: 0 1 */
QV_API uint8_t QV_CALL Verifica_Codigo_Municipio(const unsigned char* v); /* exact: the 185 municipal codes */
QV_API uint8_t QV_CALL Verifica_Detalhamento(const unsigned char* v);     /* integer: 1 to 3 */
QV_API uint8_t QV_CALL Verifica_Origem(const unsigned char* v);           /* integer: 0 to 3 */
QV_API uint8_t QV_CALL Verifica_Controle_Credito(const unsigned char* v); /* integer: 1 to 7 */
QV_API uint8_t QV_CALL Verifica_Reconhecido(const unsigned char* v);      /* first character: J N S */
QV_API uint8_t QV_CALL Verifica_Utiliza_Credito(const unsigned char* v);  /* integer: 1 to 5 */
QV_API uint8_t QV_CALL Verifica_Responsabilidade(const unsigned char* v); /* first character: D I */
QV_API uint8_t QV_CALL Verifica_Faixa_Incentivo(const unsigned char* v);  /* integer: 1 to 4 */
QV_API uint8_t QV_CALL Verifica_Qualificacao_S60(const unsigned char* v); /* integer: 0 1 */
QV_API uint8_t QV_CALL Verifica_Observacao_MR(const unsigned char* v);    /* first character: N S */
QV_API uint8_t QV_CALL Verifica_Qualificacao_S74(const unsigned char* v); /* integer: 1 2 3 9 */
QV_API uint8_t QV_CALL Verifica_Qualificacao_S77(const unsigned char* v); /* integer: 2 3 6 7 13 */
QV_API uint8_t QV_CALL Verifica_Origem_Processo(const unsigned char* v);  /* integer: 1 2 3 9 */
QV_API uint8_t QV_CALL Verifica_Descricao(const unsigned char* v);        /* integer: 17 18 19 */
QV_API uint8_t QV_CALL Verifica_Qualificacao_S80(const unsigned char* v); /* integer: 0 1 */
QV_API uint8_t QV_CALL Verifica_Qualificacao_S80_D01(const unsigned char* v); /* integer: 0 to 2 */
QV_API uint8_t QV_CALL Verifica_Qualificacao_S80_D02(const unsigned char* v); /* integer: 0 1 */
QV_API uint8_t QV_CALL Verifica_Qualificacao_S82(const unsigned char* v);     /* integer: 0 1 */
QV_API uint8_t QV_CALL Verifica_Qualificacao_S82_D01(const unsigned char* v); /* integer: 0 1 */
QV_API uint8_t QV_CALL Verifica_Qualificacao_S82_D02(const unsigned char* v); /* integer: 0 1 */
QV_API uint8_t QV_CALL Verifica_Livro(const unsigned char* v);   /* integer: 10 20 25 30 40 45 50 55 57 60 */
QV_API uint8_t QV_CALL Verifica_Posse(const unsigned char* v);   /* integer: 1 to 5 */
QV_API uint8_t QV_CALL Verifica_Id_Tipo(const unsigned char* v); /* integer: 1 to 6 */
QV_API uint8_t QV_CALL Verifica_Tipo_Receita(const unsigned char* v);    /* integer: 1 to 6 */
QV_API uint8_t QV_CALL Verifica_Tipo_Informacao(const unsigned char* v); /* first character: A B C */

/* Exact: one of the 459 four-digit fiscal operation codes (no blanks, points or missing digits). */
QV_API uint8_t QV_CALL Verifica_CFOP(const unsigned char* cfop);

/* ---- Record exports ----
   Each takes its fields as short texts, in the layout's order, and returns 0 when the line was
   appended to the SEF file, -1 when the record was rejected (its block is in the error report), no
   session is open, or its line could not be written to the SEF file (the message box shows it,
   and the call counts as rejected, so the totals and the record 88 numbering stay true). Fields are fitted to
   their widths (alphanumeric blank-padded, numeric digits only and zero-padded, dates DD/MM/AAAA written
   AAAAMMDD); a cut field is an observation, never an error. The CNPJ-or-CPF rule reports every identifier
   that fails both checks, also one without any zero digit (an all-zero identifier always passes the CNPJ
   check). */

/* Record 10, the informant and the period; accepted once per session. The fax is never reported
   (message -11 is not used): a fax of zeros is the layout's "no fax". */
QV_API int32_t QV_CALL Registro10(const unsigned char* cnpj, const unsigned char* inscricaoEstadual,
                                  const unsigned char* nomeContribuinte, const unsigned char* municipio,
                                  const unsigned char* uf, const unsigned char* fax,
                                  const unsigned char* dataInicial, const unsigned char* dataFinal,
                                  const unsigned char* convenio, const unsigned char* naturezaOperacoes,
                                  const unsigned char* finalidade, const unsigned char* layout);
/* Record 11, the informant's address and contact; accepted once per session, after record 10. */
QV_API int32_t QV_CALL Registro11(const unsigned char* logradouro, const unsigned char* numero,
                                  const unsigned char* complemento, const unsigned char* bairro,
                                  const unsigned char* cep, const unsigned char* contato,
                                  const unsigned char* telefone);
/* Record 90, the totals per record type (one or two lines); accepted once per session. An
   informant that record 10 accepted by its CPF is accepted here too: the CPF test sees the
   identifier as the host gave it to record 10. */
QV_API int32_t QV_CALL Registro90(void);

/* Record 50, invoice totals per CFOP and rate. */
QV_API int32_t QV_CALL Registro50(
    const unsigned char* cnpj, const unsigned char* inscricaoEstadual,
    const unsigned char* dataEmissaoRecebimento, const unsigned char* uf, const unsigned char* modelo,
    const unsigned char* serie, const unsigned char* numero, const unsigned char* cfop,
    const unsigned char* emitente, const unsigned char* valorTotal, const unsigned char* baseCalculoICMS,
    const unsigned char* valorICMS, const unsigned char* isenta, const unsigned char* outras,
    const unsigned char* aliquota, const unsigned char* situacao, const unsigned char* dataEmissaoDocumento,
    const unsigned char* codigoLancamento, const unsigned char* complementoNumero,
    const unsigned char* codunc, const unsigned char* codigoConsumoEnergia,
    const unsigned char* dataInicialConsumo, const unsigned char* dataFinalConsumo,
    const unsigned char* demandaPonta, const unsigned char* demandaForaPonta,
    const unsigned char* numeroConsumidores, const unsigned char* valorTotalGeral,
    const unsigned char* baseCalculoICMSTotal, const unsigned char* valorTotalICMS,
    const unsigned char* isentasTotal, const unsigned char* outrasTotal, const unsigned char* observacao);
/* Record 51, the IPI of an invoice. */
QV_API int32_t QV_CALL Registro51(const unsigned char* cnpj, const unsigned char* inscricaoEstadual,
                                  const unsigned char* dataEmissaoRecebimento, const unsigned char* uf,
                                  const unsigned char* serie, const unsigned char* numero,
                                  const unsigned char* cfop, const unsigned char* valorTotal,
                                  const unsigned char* valorIPI, const unsigned char* isentasIPI,
                                  const unsigned char* outrasIPI, const unsigned char* situacao,
                                  const unsigned char* baseCalculoIPI);
/* Record 53, the tax substitution of an invoice. */
QV_API int32_t QV_CALL Registro53(const unsigned char* cnpj, const unsigned char* inscricaoEstadual,
                                  const unsigned char* dataEmissaoRecebimento, const unsigned char* uf,
                                  const unsigned char* modelo, const unsigned char* serie,
                                  const unsigned char* numero, const unsigned char* cfop,
                                  const unsigned char* emitente, const unsigned char* baseCalculoICMS,
                                  const unsigned char* icmsRetido, const unsigned char* despesasAcessorias,
                                  const unsigned char* situacao);
/* Record 54, one item of an invoice. */
QV_API int32_t QV_CALL Registro54(const unsigned char* cnpj, const unsigned char* modelo,
                                  const unsigned char* serie, const unsigned char* numero,
                                  const unsigned char* cfop, const unsigned char* cst,
                                  const unsigned char* numeroItem, const unsigned char* codigoProduto,
                                  const unsigned char* quantidade, const unsigned char* valorProduto,
                                  const unsigned char* valorDesconto, const unsigned char* baseCalculoICMS,
                                  const unsigned char* baseCalculoICMSST, const unsigned char* valorIPI,
                                  const unsigned char* aliquotaICMS, const unsigned char* inscricaoEstadual,
                                  const unsigned char* dataEmissaoRecebimento, const unsigned char* uf,
                                  const unsigned char* codigoApuracao,
                                  const unsigned char* indicadorEspecial);

/* -- Tax-guide and vehicle records -- */
/* Record 55, a tax collection guide (GNRE) paid by the informant as tax substitute; the CNPJ must be the
   informant's. Check -4 exempts a state registration whose trimmed text is exactly "INEXISTENTE". Since
   Verifica_InscEst accepts everything, check -4 never fires either way. */
QV_API int32_t QV_CALL Registro55(const unsigned char* cnpjContribuinte,
                                  const unsigned char* inscricaoEstadualSubstituto,
                                  const unsigned char* dataGNRE, const unsigned char* ufSubstituto,
                                  const unsigned char* ufFavorecida, const unsigned char* bancoGNRE,
                                  const unsigned char* agenciaGNRE, const unsigned char* numeroGNRE,
                                  const unsigned char* valorGNRE, const unsigned char* dataVencimento,
                                  const unsigned char* mesAnoReferencia, const unsigned char* numeroConvenio);
/* Record 56, one invoice item of a vehicle sale. */
QV_API int32_t QV_CALL Registro56(const unsigned char* cnpjAdquirente, const unsigned char* modelo,
                                  const unsigned char* serie, const unsigned char* numero,
                                  const unsigned char* cfop, const unsigned char* cst,
                                  const unsigned char* numeroItem, const unsigned char* codigoProduto,
                                  const unsigned char* tipoOperacao, const unsigned char* cnpjConcessionaria,
                                  const unsigned char* aliquotaIPI, const unsigned char* chassi);

/* -- Cash-register records -- */
/* Record 60, subtype M: one cash register's day (counters, gross revenue and grand totals). */
QV_API int32_t QV_CALL
Registro60M(const unsigned char* dataEmissao, const unsigned char* numeroSerieFabricacao,
            const unsigned char* numeroOrdemEquipamento, const unsigned char* modeloDocumento,
            const unsigned char* contadorInicioDia, const unsigned char* contadorFinalDia,
            const unsigned char* contadorReducaoZ, const unsigned char* contadorReinicio,
            const unsigned char* valorRendaBruta, const unsigned char* valorTotalizadorGeral,
            const unsigned char* grandeTotalInicial, const unsigned char* vendaLiquida,
            const unsigned char* icmsDebitado, const unsigned char* observacao);
/* Record 60, subtype A: one partial totaliser of a cash register's day. */
QV_API int32_t QV_CALL Registro60A(const unsigned char* dataEmissao,
                                   const unsigned char* numeroSerieFabricacao,
                                   const unsigned char* situacaoTributariaAliquota,
                                   const unsigned char* valorTotalizadorParcial);
/* Record 60, subtype D: one product sold through a cash register on a day. */
QV_API int32_t QV_CALL Registro60D(const unsigned char* dataEmissao,
                                   const unsigned char* numeroSerieFabricacao,
                                   const unsigned char* codigoProduto, const unsigned char* quantidade,
                                   const unsigned char* valorProduto, const unsigned char* baseCalculoICMS,
                                   const unsigned char* situacaoTributariaAliquota,
                                   const unsigned char* valorICMS);
/* Record 61, a day's documents of one model, series and subseries issued other than through a cash
   register. */
QV_API int32_t QV_CALL Registro61(const unsigned char* dataEmissao, const unsigned char* modelo,
                                  const unsigned char* serie, const unsigned char* subserie,
                                  const unsigned char* numeroInicialOrdem,
                                  const unsigned char* numeroFinalOrdem, const unsigned char* valorTotal,
                                  const unsigned char* baseCalculoICMS, const unsigned char* valorICMS,
                                  const unsigned char* isenta, const unsigned char* outras,
                                  const unsigned char* aliquota, const unsigned char* codigoLancamento,
                                  const unsigned char* cfop, const unsigned char* observacao);

/* -- Transport and communication records -- */
/* Record 70, a transport document; outside the situations N and E only the situation is checked. */
QV_API int32_t QV_CALL Registro70(const unsigned char* cnpjEmitente, const unsigned char* inscricaoEstadual,
                                  const unsigned char* dataEmissaoUtilizacao, const unsigned char* uf,
                                  const unsigned char* modelo, const unsigned char* serie,
                                  const unsigned char* subserie, const unsigned char* numero,
                                  const unsigned char* cfop, const unsigned char* valorTotal,
                                  const unsigned char* baseCalculoICMS, const unsigned char* valorICMS,
                                  const unsigned char* isenta, const unsigned char* outras,
                                  const unsigned char* cifFob, const unsigned char* situacao,
                                  const unsigned char* dataOperacao, const unsigned char* codigoLancamento,
                                  const unsigned char* aliquotaICMS, const unsigned char* observacao);
/* Record 71, the invoice carried by a transport document, with the document's payer. */
QV_API int32_t QV_CALL Registro71(
    const unsigned char* cnpjTomador, const unsigned char* inscricaoEstadualTomador,
    const unsigned char* dataEmissaoConhecimento, const unsigned char* ufTomador,
    const unsigned char* modeloConhecimento, const unsigned char* serie, const unsigned char* subserie,
    const unsigned char* numeroConhecimento, const unsigned char* ufRemetenteDestinatario,
    const unsigned char* cnpjRemetenteDestinatario,
    const unsigned char* inscricaoEstadualRemetenteDestinatario, const unsigned char* dataEmissaoNotaFiscal,
    const unsigned char* modelo, const unsigned char* serieNotaFiscal, const unsigned char* numero,
    const unsigned char* valorTotalNotaFiscal);
/* Record 76, a communication invoice; outside the situations N and E only the situation is checked. */
QV_API int32_t QV_CALL Registro76(
    const unsigned char* cnpjTomador, const unsigned char* inscricaoEstadual, const unsigned char* modelo,
    const unsigned char* serie, const unsigned char* subserie, const unsigned char* numero,
    const unsigned char* cfop, const unsigned char* dataEmissaoRecebimento, const unsigned char* ufRemetente,
    const unsigned char* valorTotalNotaFiscal, const unsigned char* baseCalculoICMS,
    const unsigned char* valorICMS, const unsigned char* isenta, const unsigned char* outras,
    const unsigned char* aliquotaICMS, const unsigned char* situacao, const unsigned char* numeroLancamento,
    const unsigned char* codigoConsumoTelecomunicacoes, const unsigned char* dataInicialPrestacao,
    const unsigned char* dataFinalPrestacao, const unsigned char* periodoPrestacao,
    const unsigned char* numeroConsumidores, const unsigned char* valorTotal,
    const unsigned char* baseCalculoICMSTotal, const unsigned char* valorICMSTotal,
    const unsigned char* isentasTotal, const unsigned char* outrasTotal, const unsigned char* observacao);
/* Record 77, one service item of a communication or telecommunication invoice. */
QV_API int32_t QV_CALL Registro77(
    const unsigned char* cnpjTomador, const unsigned char* modelo, const unsigned char* serie,
    const unsigned char* subserie, const unsigned char* numero, const unsigned char* cfop,
    const unsigned char* numeroItem, const unsigned char* codigoServico, const unsigned char* quantidade,
    const unsigned char* valorServico, const unsigned char* valorDescontoDespesa,
    const unsigned char* baseCalculoICMS, const unsigned char* aliquotaICMS,
    const unsigned char* cnpjOperadoraDestino, const unsigned char* inscricaoEstadual,
    const unsigned char* dataEmissaoRecebimento, const unsigned char* uf, const unsigned char* tipoReceita,
    const unsigned char* inscricaoEstadualParticipante);

/* -- Inventory and product records -- */
/* Record 74, one item of an inventory, with the code of possession and the possessor.
   Under the codes of possession 2 and 3 an empty possessor's CNPJ also gives -6 (2) or -7 (3). */
QV_API int32_t QV_CALL Registro74(const unsigned char* dataInventario, const unsigned char* codigoProduto,
                                  const unsigned char* quantidade, const unsigned char* valorProduto,
                                  const unsigned char* codigoPosse, const unsigned char* cnpjPossuidor,
                                  const unsigned char* inscricaoEstadualPossuidor,
                                  const unsigned char* ufPossuidor, const unsigned char* codigoIdentificacao,
                                  const unsigned char* valorUnitario, const unsigned char* observacao);
/* Record 75, a product or service code used in the file, with its validity dates. */
QV_API int32_t QV_CALL Registro75(const unsigned char* dataInicial, const unsigned char* dataFinal,
                                  const unsigned char* codigoProdutoServico,
                                  const unsigned char* codificacaoNCM, const unsigned char* descricao,
                                  const unsigned char* unidadeMedida, const unsigned char* cst,
                                  const unsigned char* aliquotaIPI, const unsigned char* aliquotaICMS,
                                  const unsigned char* reducaoBaseCalculoICMS,
                                  const unsigned char* baseCalculoICMS, const unsigned char* codigoAnterior,
                                  const unsigned char* termoFinalUtilizacao);

/* -- Record 88: identification and general boxes -- */
/* Record 88 subtype 10 detail 00, the document: the fiscal period (AAAAMM) and its three S/N flags. */
QV_API int32_t QV_CALL Registro88_S10_D00(const unsigned char* periodoFiscal,
                                          const unsigned char* documentoSubstituto,
                                          const unsigned char* comMovimento,
                                          const unsigned char* alteracaoCadastro);
/* Record 88 subtype 10 detail 10, the informant taxpayer; its state registration is not checked. */
QV_API int32_t QV_CALL Registro88_S10_D10(const unsigned char* nomeContribuinte,
                                          const unsigned char* inscricaoEstadual, const unsigned char* cnpj,
                                          const unsigned char* telefone, const unsigned char* fax,
                                          const unsigned char* caixaPostal, const unsigned char* cep,
                                          const unsigned char* email);
/* Record 88 subtype 10 detail 20, the person responsible for the file; the CPF is not checked. */
QV_API int32_t QV_CALL Registro88_S10_D20(const unsigned char* nomeResponsavel, const unsigned char* cpf,
                                          const unsigned char* telefone, const unsigned char* email);
/* Record 88 subtype 10 detail 30, the accountant. */
QV_API int32_t QV_CALL Registro88_S10_D30(const unsigned char* nomeContador, const unsigned char* cpf,
                                          const unsigned char* crc, const unsigned char* telefone,
                                          const unsigned char* telefone2, const unsigned char* fax,
                                          const unsigned char* caixaPostal, const unsigned char* email);
/* Record 88 subtype 10 detail 40, a participant (customer or supplier); both dates are required.
   -1 follows the CNPJ-or-CPF rule: a valid CPF as the host gave it is accepted; -1 names only the CNPJ. */
QV_API int32_t QV_CALL Registro88_S10_D40(const unsigned char* cnpjParticipante,
                                          const unsigned char* inscricaoEstadual, const unsigned char* uf,
                                          const unsigned char* nomeEmpresarial,
                                          const unsigned char* dataInicial, const unsigned char* dataFinal,
                                          const unsigned char* situacaoParticipante);
/* Record 88 subtype 15, box A, general information; the closing date may be empty. */
QV_API int32_t QV_CALL Registro88_S15_D00(const unsigned char* dataEncerramentoExercicio,
                                          const unsigned char* consumoEnergia,
                                          const unsigned char* valorCalculado);
/* Record 88 subtype 20, box B, operations and services of one municipality (0) or the box total (1). */
QV_API int32_t QV_CALL Registro88_S20_D00(const unsigned char* qualificacao,
                                          const unsigned char* codigoMunicipio,
                                          const unsigned char* detalhamento, const unsigned char* entradas,
                                          const unsigned char* saidas);
/* Record 88 subtype 25, box C, acquisitions for use, consumption or fixed assets. */
QV_API int32_t QV_CALL Registro88_S25_D00(const unsigned char* origem, const unsigned char* energiaEletrica,
                                          const unsigned char* comunicacoes, const unsigned char* outros,
                                          const unsigned char* ativo);
/* Record 88 subtype 30 detail 00, box D, accumulated credit: detail of its use. */
QV_API int32_t QV_CALL Registro88_S30_D00(const unsigned char* controleCredito,
                                          const unsigned char* utilizacaoCredito,
                                          const unsigned char* reconhecido,
                                          const unsigned char* numeroProcesso,
                                          const unsigned char* valorCredito);
/* Record 88 subtype 30 detail 10, box D, accumulated credit: compensation of a debit. */
QV_API int32_t QV_CALL Registro88_S30_D10(const unsigned char* responsabilidade,
                                          const unsigned char* codigoReceita, const unsigned char* valorICMS);

/* -- Record 88: incentive boxes -- */
/* Record 88 subtype 35 detail 00, box E1, industry: presumed credit. */
QV_API int32_t QV_CALL Registro88_S35_D00(
    const unsigned char* codigoApuracao, const unsigned char* percentualCredito,
    const unsigned char* saidasNaoIncentivadas, const unsigned char* saidasIncentivadas,
    const unsigned char* saidasIncentivadasForaNE, const unsigned char* saldoDevedorAntesPRODEPE,
    const unsigned char* saldoDevedorFaixaIncentivada, const unsigned char* creditoPresumidoForaNE,
    const unsigned char* saldoDevedorForaNE, const unsigned char* creditoPresumidoPRODEPE,
    const unsigned char* totalIncentivosPRODEPE, const unsigned char* saldoDevedorAposPRODEPE);
/* Record 88 subtype 35 detail 10, box E2, imports: presumed credit. */
QV_API int32_t QV_CALL Registro88_S35_D10(const unsigned char* codigoApuracao,
                                          const unsigned char* importacaoNaoIncentivada,
                                          const unsigned char* importacaoIncentivada,
                                          const unsigned char* icmsImportacaoNaoIncentivada,
                                          const unsigned char* icmsImportacaoIncentivada,
                                          const unsigned char* creditoPresumido,
                                          const unsigned char* icmsRecolherImportacoes);
/* Record 88 subtype 35 detail 11, box E2, imports: deferral on entry, presumed credit on the exit. */
QV_API int32_t QV_CALL Registro88_S35_D11(
    const unsigned char* codigoApuracao, const unsigned char* operacoesImportacaoDeferido,
    const unsigned char* impostoImportacaoDeferido, const unsigned char* saidasNaoIncentivadas,
    const unsigned char* percentualIncentivoForaEstado, const unsigned char* saidasIncentivadasForaEstado,
    const unsigned char* icmsDebitadoForaEstado, const unsigned char* creditoPresumidoPRODEPE,
    const unsigned char* saldoDevedorICMS, const unsigned char* saldoRecolherAposPRODEPE);
/* Record 88 subtype 35 detail 12, box E2, imports: internal exits of one incentive band (1 to 4). */
QV_API int32_t QV_CALL Registro88_S35_D12(const unsigned char* codigoApuracao,
                                          const unsigned char* faixaIncentivo,
                                          const unsigned char* saidasIncentivadas,
                                          const unsigned char* importacoesCreditoPresumido,
                                          const unsigned char* creditoPresumidoPRODEPE);
/* Record 88 subtype 35 detail 20, box E3, distribution centre: entries and exits. */
QV_API int32_t QV_CALL Registro88_S35_D20(
    const unsigned char* codigoApuracao, const unsigned char* entradasPercentualIncentivo,
    const unsigned char* entradasNaoIncentivadas, const unsigned char* entradasIncentivadas,
    const unsigned char* saidasPercentualIncentivo, const unsigned char* saidasNaoIncentivadas,
    const unsigned char* saidasIncentivadas, const unsigned char* saldoDevedorAntesPRODEPE,
    const unsigned char* creditoPresumidoEntradas, const unsigned char* creditoPresumidoSaidas,
    const unsigned char* totalIncentivosPRODEPE, const unsigned char* saldoDevedorAposPRODEPE,
    const unsigned char* indice, const unsigned char* valorFreteCIF, const unsigned char* valorFreteFOB);
/* Record 88 subtype 35 detail 30, box E4, freight on exit (industry) to outside the Northeast. */
QV_API int32_t QV_CALL Registro88_S35_D30(const unsigned char* valorFreteCIFForaNE,
                                          const unsigned char* valorFreteFOBForaNE);

/* -- Record 88: summaries -- */
/* Record 88 S60 D00, cash-register summary map: totals per issue date; a filled CFOP must be in the table. */
QV_API int32_t QV_CALL Registro88_S60_D00(const unsigned char* qualificacao, const unsigned char* dataEmissao,
                                          const unsigned char* numeroPrimeiroEquipamento,
                                          const unsigned char* numeroUltimoEquipamento,
                                          const unsigned char* vendaBruta, const unsigned char* vendaLiquida,
                                          const unsigned char* icmsDebitado,
                                          const unsigned char* codigoLancamento, const unsigned char* cfop,
                                          const unsigned char* observacaoMR);
/* Record 88 S60 D10, cash-register summary map: totals per tax situation or rate for an issue date. */
QV_API int32_t QV_CALL Registro88_S60_D10(const unsigned char* qualificacao, const unsigned char* dataEmissao,
                                          const unsigned char* situacaoTributariaAliquota,
                                          const unsigned char* valorAcumulado,
                                          const unsigned char* debitoICMS);
/* Record 88 S61 D00, daily summary of documents by product; the model is numeric ("2B" is taken as "02"). */
QV_API int32_t QV_CALL Registro88_S61_D00(
    const unsigned char* dataEmissao, const unsigned char* modelo, const unsigned char* serie,
    const unsigned char* subserie, const unsigned char* numeroInicial, const unsigned char* numeroFinal,
    const unsigned char* codigoProduto, const unsigned char* quantidade, const unsigned char* valorMercadoria,
    const unsigned char* baseCalculoICMS, const unsigned char* aliquotaMercadoria,
    const unsigned char* valorICMS);
/* Record 88 S74 D00, the totals of the inventory; a possession code of zero is not checked. */
QV_API int32_t QV_CALL Registro88_S74_D00(const unsigned char* codigoPosse, const unsigned char* codigoNBM,
                                          const unsigned char* codigoIdentificacaoItens,
                                          const unsigned char* qualificacao,
                                          const unsigned char* valorSituacao);
/* Record 88 S77 D00, an adjustment of the tax assessment; the process origin is always checked. */
QV_API int32_t QV_CALL Registro88_S77_D00(const unsigned char* qualificacao, const unsigned char* descricao,
                                          const unsigned char* valor,
                                          const unsigned char* periodoFiscalReferencia,
                                          const unsigned char* numeroProcesso,
                                          const unsigned char* origemProcesso,
                                          const unsigned char* codigoApuracao,
                                          const unsigned char* observacao);
/* Record 88 S78 D00, an obligation to be paid; an empty due date is not checked. */
QV_API int32_t QV_CALL Registro88_S78_D00(const unsigned char* descricao, const unsigned char* valorDAE,
                                          const unsigned char* codigoReceitaDAE,
                                          const unsigned char* periodoFiscalReferencia,
                                          const unsigned char* dataVencimentoObrigacao,
                                          const unsigned char* observacao);

/* -- Record 88: tax ledger -- */
/* Record 88 S80 D00, ledger line of the internal entries; a filled CFOP must be in the table. */
QV_API int32_t QV_CALL Registro88_S80_D00(
    const unsigned char* qualificacao, const unsigned char* cfop, const unsigned char* valorContabil,
    const unsigned char* baseCalculo, const unsigned char* icmsNormalCreditado,
    const unsigned char* icmsFonte, const unsigned char* icmsPelaEntrada,
    const unsigned char* operacoesIsentas, const unsigned char* totalOutrasOperacoes,
    const unsigned char* totalIPIBaseCalculo, const unsigned char* totalIPICreditado,
    const unsigned char* totalIPIOperacoesIsentas, const unsigned char* totalIPIOutrasOperacoes);
/* Record 88 S80 D01, ledger line of the entries from other states; a filled CFOP must be in the table. */
QV_API int32_t QV_CALL Registro88_S80_D01(
    const unsigned char* qualificacao, const unsigned char* cfop, const unsigned char* valorContabil,
    const unsigned char* baseCalculo, const unsigned char* icmsNormalCreditado,
    const unsigned char* icmsFonte, const unsigned char* icmsEntrada, const unsigned char* operacoesIsentas,
    const unsigned char* totalOutrasOperacoes, const unsigned char* totalIPIBaseCalculo,
    const unsigned char* totalIPICreditado, const unsigned char* totalIPIOperacoesIsentas,
    const unsigned char* totalIPIOutrasOperacoes);
/* Record 88 S80 D02, ledger line of the entries from abroad; a filled CFOP must be in the table. */
QV_API int32_t QV_CALL Registro88_S80_D02(
    const unsigned char* qualificacao, const unsigned char* cfop, const unsigned char* valorContabil,
    const unsigned char* baseCalculo, const unsigned char* icmsCreditado, const unsigned char* icmsFonte,
    const unsigned char* icmsEntrada, const unsigned char* operacoesIsentas,
    const unsigned char* totalOutrasOperacoes, const unsigned char* totalIPIBaseCalculo,
    const unsigned char* totalIPICreditado, const unsigned char* totalIPIOperacoesIsentas,
    const unsigned char* totalIPIOutrasOperacoes);
/* Record 88 S80 D10, the totals of the entries, written as passed. */
QV_API int32_t QV_CALL Registro88_S80_D10(
    const unsigned char* valorContabil, const unsigned char* baseCalculo, const unsigned char* icmsCreditado,
    const unsigned char* icmsFonte, const unsigned char* icmsEntrada, const unsigned char* operacoesIsentas,
    const unsigned char* totalOutrasOperacoes, const unsigned char* totalIPIBaseCalculo,
    const unsigned char* totalIPICreditado, const unsigned char* totalIPIOperacoesIsentas,
    const unsigned char* totalIPIOutrasOperacoes);
/* Record 88 S82 D00, ledger line of the internal exits; a filled CFOP must be in the table. */
QV_API int32_t QV_CALL Registro88_S82_D00(
    const unsigned char* qualificacao, const unsigned char* cfop, const unsigned char* valorContabil,
    const unsigned char* baseCalculo, const unsigned char* icmsDebitado,
    const unsigned char* totalICMSSubstituidoEstado, const unsigned char* totalICMSSubstituidoOutrosEstados,
    const unsigned char* operacoesIsentas, const unsigned char* totalOutrasOperacoes,
    const unsigned char* totalIPIBaseCalculo, const unsigned char* totalIPICreditado,
    const unsigned char* totalIPIOperacoesIsentas, const unsigned char* totalIPIOutrasOperacoes);
/* Record 88 S82 D01, ledger line of the exits to other states; a filled CFOP must be in the table. */
QV_API int32_t QV_CALL Registro88_S82_D01(
    const unsigned char* qualificacao, const unsigned char* cfop, const unsigned char* valorContabil,
    const unsigned char* baseCalculo, const unsigned char* icmsDebitado,
    const unsigned char* totalICMSSubstituidoEstado, const unsigned char* totalICMSSubstituidoOutrosEstados,
    const unsigned char* operacoesIsentas, const unsigned char* totalOutrasOperacoes,
    const unsigned char* totalIPIBaseCalculo, const unsigned char* totalIPICreditado,
    const unsigned char* totalIPIOperacoesIsentas, const unsigned char* totalIPIOutrasOperacoes);
/* Record 88 S82 D02, ledger line of the exits abroad; a filled CFOP must be in the table. */
QV_API int32_t QV_CALL Registro88_S82_D02(
    const unsigned char* qualificacao, const unsigned char* cfop, const unsigned char* valorContabil,
    const unsigned char* baseCalculo, const unsigned char* icmsDebitado,
    const unsigned char* totalICMSSubstituidoEstado, const unsigned char* totalICMSSubstituidoOutrosEstados,
    const unsigned char* operacoesIsentas, const unsigned char* totalOutrasOperacoes,
    const unsigned char* totalIPIBaseCalculo, const unsigned char* totalIPICreditado,
    const unsigned char* totalIPIOperacoesIsentas, const unsigned char* totalIPIOutrasOperacoes);
/* Record 88 S82 D10, the totals of the exits, written as passed. */
QV_API int32_t QV_CALL Registro88_S82_D10(
    const unsigned char* valorContabil, const unsigned char* baseCalculo, const unsigned char* icmsDebitado,
    const unsigned char* totalICMSSubstituidoEstado, const unsigned char* totalICMSSubstituidoOutrosEstados,
    const unsigned char* operacoesIsentas, const unsigned char* totalOutrasOperacoes,
    const unsigned char* totalIPIBaseCalculo, const unsigned char* totalIPICreditado,
    const unsigned char* totalIPIOperacoesIsentas, const unsigned char* totalIPIOutrasOperacoes);
/* Record 88 S85 D00, the assessment of the tax debit, written as passed. */
QV_API int32_t QV_CALL Registro88_S85_D00(const unsigned char* saidasPrestacoesComDebito,
                                          const unsigned char* outrosDebitos,
                                          const unsigned char* estornoCredito,
                                          const unsigned char* totalDebitos);
/* Record 88 S85 D10, the assessment of the tax credit, written as passed. */
QV_API int32_t QV_CALL Registro88_S85_D10(const unsigned char* entradasAquisicoesComCredito,
                                          const unsigned char* outrosCreditos,
                                          const unsigned char* estornoDebito,
                                          const unsigned char* subtotalCreditos,
                                          const unsigned char* saldoCredorPeriodoAnterior,
                                          const unsigned char* totalCreditos);
/* Record 88 S85 D20, the assessment of the balances, written as passed. */
QV_API int32_t QV_CALL Registro88_S85_D20(const unsigned char* saldoCredorTransportar,
                                          const unsigned char* saldoDevedor, const unsigned char* deducoes,
                                          const unsigned char* icmsRecolher);
/* Record 88 S85 D30, the obligations to be paid, written as passed. */
QV_API int32_t QV_CALL Registro88_S85_D30(const unsigned char* icmsSubstitutoEntradas,
                                          const unsigned char* icmsSubstitutoSaidasEstado,
                                          const unsigned char* icmsDiferencaAliquotas,
                                          const unsigned char* icmsImportacao,
                                          const unsigned char* outrasObrigacoes,
                                          const unsigned char* totalObrigacoesRecolher);
/* Record 88 S89 D00, an observation with its legal basis; an empty document date is not checked. */
QV_API int32_t QV_CALL
Registro88_S89_D00(const unsigned char* periodoFiscal, const unsigned char* numeroObservacao,
                   const unsigned char* livro, const unsigned char* inscricaoEstadualReferenciada,
                   const unsigned char* numeroDocumentoFiscal, const unsigned char* modeloDocumentoFiscal,
                   const unsigned char* dataDocumentoFiscal, const unsigned char* atoNormativo,
                   const unsigned char* numeroAtoNormativo, const unsigned char* anoAtoNormativo,
                   const unsigned char* capitulacaoNorma, const unsigned char* textoLivre);

/* (end of the record exports) */

#ifdef __cplusplus
}
#endif

#endif /* QUELVAR_H */
