// sefgen run, end to end: the built program runs whole batches in a folder of its own, and the
// SEF file, the error report, the statistics log, the printed table and the exit status are read
// back. Expected lines are composed field by field from the batch values and the record layouts.
#include "sefgen_runner.hpp"
#include "support/support.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;
using qvtest::crlfLines;
using qvtest::readFile;
using qvtest::TempDir;
using sefgentest::Result;

const std::string samples = SEFGEN_SAMPLES;

// Windows-1252 bytes of a UTF-8 text written in a test.
std::string cp(std::string_view utf8) {
    auto converted = qv::utf8ToCp1252(utf8);
    EXPECT_TRUE(converted.has_value()) << "no Windows-1252 form: " << utf8;
    return converted.value_or(std::string());
}

std::string blanks(std::size_t n) {
    return std::string(n, ' ');
}
std::string zeros(std::size_t n) {
    return std::string(n, '0');
}

// An alphanumeric field as the line carries it: the characters the formatter keeps, blank-padded.
std::string a(std::string_view kept, std::size_t width) {
    std::string field = cp(kept);
    EXPECT_LE(field.size(), width) << kept;
    field.resize(width, ' ');
    return field;
}

// A numeric field: its digits, zero-padded on the left.
std::string n(std::string_view digits, std::size_t width) {
    EXPECT_LE(digits.size(), width) << digits;
    return zeros(width - std::min(width, digits.size())) + std::string(digits);
}

const std::string Z13 = zeros(13);

// "88", the sequence number, the subtype and the detail.
std::string r88(int sequence, std::string_view subtipoDetalhe) {
    return "88" + n(std::to_string(sequence), 9) + std::string(subtipoDetalhe);
}

// The informant of every batch below and its address, as the batch gives them and as the SEF
// file carries them.
const std::string batch10 =
    "Registro10|11222333000181|0321418-40|Comércio Exemplo Ltda|Recife|PE|(81) 3333-4444|"
    "01/01/2005|31/01/2005|2|3|1|1\n";
const std::string batch11 =
    "Registro11|Rua das Flores|100|Sala 2|Boa Vista|50.050-000|Maria da Silva|(81) 3333-4444\n";

// CNPJ, inscription, name, municipality, state, fax, the period, agreement, operations, purpose, layout.
std::string line10(const std::string& nome = a("Comércio Exemplo Ltda", 35)) {
    return "10" + n("11222333000181", 14) + a("032141840", 14) + nome + a("Recife", 30) + a("PE", 2) +
           n("8133334444", 10) + "20050101" + "20050131" + "2" + "3" + "1" + "1";
}

// Street, number, complement, district, postal code, contact, telephone.
const std::string line11 = "11" + a("Rua das Flores", 34) + n("100", 5) + a("Sala 2", 22) +
                           a("Boa Vista", 15) + n("50050000", 8) + a("Maria da Silva", 28) +
                           n("8133334444", 12);

// The informant's CNPJ and inscription, with which every record 90 line starts.
const std::string start90 = "90" + n("11222333000181", 14) + a("032141840", 14);

// Record 90 after records 10 and 11 alone: the grand total 3.
const std::string line90alone = start90 + "9900000003" + blanks(125 - 40) + "1";

// A whole number in a text, not as part of a longer one.
bool hasNumber(const std::string& text, std::size_t number) {
    const std::string digits = std::to_string(number);
    const auto isDigit = [&](std::size_t i) { return i < text.size() && text[i] >= '0' && text[i] <= '9'; };
    for (auto at = text.find(digits); at != std::string::npos; at = text.find(digits, at + 1))
        if ((at == 0 || !isDigit(at - 1)) && !isDigit(at + digits.size())) return true;
    return false;
}

std::vector<std::string> textLines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line))
        lines.push_back(line);
    return lines;
}

// The rows of the printed statistics table: the cells of each line between its heading and the
// first empty line.
std::vector<std::vector<std::string>> printedTable(const std::string& out) {
    std::vector<std::vector<std::string>> rows;
    const auto lines = textLines(out);
    for (std::size_t i = 1; i < lines.size() && !lines[i].empty(); ++i) {
        std::istringstream cells(lines[i]);
        std::vector<std::string> row;
        std::string cell;
        while (cells >> cell)
            row.push_back(cell);
        rows.push_back(row);
    }
    return rows;
}

class SefgenRun : public ::testing::Test {
  protected:
    // Runs sefgen in the folder (or a folder inside it) under Brazilian Portuguese regional
    // settings, for the "0,00%" of the statistics log.
    Result run(const std::vector<std::string>& args, const fs::path& where = {},
               bool onTerminal = false) const {
        return sefgentest::sefgen(args,
                                  {where.empty() ? dir.path() : where, {"LC_ALL=pt_BR.UTF-8"}, onTerminal});
    }
    // Writes a batch into the folder, byte for byte; its path.
    std::string batch(const std::string& name, const std::string& content) const {
        const fs::path path = dir.path() / name;
        std::ofstream(path, std::ios::binary) << content;
        return path.string();
    }
    std::vector<std::string> lines(const fs::path& file) const {
        return crlfLines(readFile(dir.path() / file));
    }
    bool has(const fs::path& file) const { return fs::exists(dir.path() / file); }
    // The absolute path under which sefgen names a file of its working directory.
    std::string shown(const fs::path& file) const { return (fs::canonical(dir.path()) / file).string(); }

    TempDir dir;
};

// The SEF file of samples/janeiro2005.txt, line by line, grouped by record.
std::vector<std::string> janeiro2005() {
    // Record 50 fields 17 to 32, empty in every invoice of the sample: document date, entry code,
    // number complement, CODUNC, energy code, consumption dates, demands, consumers, five totals,
    // observation.
    const std::string r50empty = "00000000" + blanks(12) + "000" + blanks(9) + "00" + "00000000" +
                                 "00000000" + n("", 7) + n("", 7) + n("", 9) + Z13 + Z13 + Z13 + Z13 + Z13 +
                                 n("", 5);
    const std::string serial = a("BE050975610000012345", 20);
    return {
        line10(),
        line11,

        // Record 50: CNPJ, inscription, date, state, model, series, number, CFOP, issuer, total,
        // ICMS base, ICMS, exempt, other, rate, situation, then the empty fields.
        "50" + n("10456237000135", 14) + a("012345678", 14) + "20050103" + a("PE", 2) + n("01", 2) +
            a("1", 3) + n("123", 6) + n("1102", 4) + a("T", 1) + n("100000", 13) + n("100000", 13) +
            n("17000", 13) + n("000", 13) + n("000", 13) + n("1700", 4) + a("N", 1) + r50empty,
        "50" + n("07654321000159", 14) + a("ISENTO", 14) + "20050110" + a("BA", 2) + n("01", 2) + a("1", 3) +
            n("456", 6) + n("6102", 4) + a("P", 1) + n("50000", 13) + n("50000", 13) + n("6000", 13) +
            n("000", 13) + n("000", 13) + n("1200", 4) + a("N", 1) + r50empty,
        "50" + n("07654321000159", 14) + a("ISENTO", 14) + "20050112" + a("BA", 2) + n("01", 2) + a("1", 3) +
            n("457", 6) + n("6102", 4) + a("P", 1) + n("000", 13) + n("000", 13) + n("000", 13) +
            n("000", 13) + n("000", 13) + n("000", 4) + a("S", 1) + r50empty,

        // Record 51: CNPJ, inscription, date, state, series, number, CFOP, total, IPI, exempt,
        // other, 20 blanks, situation, IPI base.
        "51" + n("10456237000135", 14) + a("012345678", 14) + "20050103" + a("PE", 2) + a("1", 3) +
            n("123", 6) + n("1102", 4) + n("100000", 13) + n("10000", 13) + n("000", 13) + n("000", 13) +
            blanks(20) + a("N", 1) + n("100000", 13),

        // Record 53: CNPJ, inscription, date, state, model, series, number, CFOP, issuer, base,
        // retained ICMS, expenses, situation, 30 blanks.
        "53" + n("07654321000159", 14) + a("ISENTO", 14) + "20050110" + a("BA", 2) + n("01", 2) + a("1", 3) +
            n("456", 6) + n("6102", 4) + a("P", 1) + n("50000", 13) + n("8500", 13) + n("000", 13) +
            a("N", 1) + blanks(30),

        // Record 54: CNPJ, model, series, number, CFOP, CST, item, product, quantity, value,
        // discount, base, substitution base, IPI, rate, inscription, date, state, assessment code,
        // indicator.
        "54" + n("10456237000135", 14) + n("01", 2) + a("1", 3) + n("123", 6) + n("1102", 4) + n("000", 3) +
            n("1", 3) + a("PROD001", 14) + n("6000", 11) + n("60000", 12) + n("000", 12) + n("60000", 12) +
            n("000", 12) + n("6000", 12) + n("1700", 4) + a("012345678", 14) + "20050103" + a("PE", 2) +
            n("01", 2) + n("0", 2),
        "54" + n("10456237000135", 14) + n("01", 2) + a("1", 3) + n("123", 6) + n("1102", 4) + n("000", 3) +
            n("2", 3) + a("PROD002", 14) + n("4000", 11) + n("40000", 12) + n("000", 12) + n("40000", 12) +
            n("000", 12) + n("4000", 12) + n("1700", 4) + a("012345678", 14) + "20050103" + a("PE", 2) +
            n("01", 2) + n("0", 2),

        // Record 55: CNPJ, inscription, guide date, the two states, bank, branch, guide number,
        // amount, due date, reference month, agreement (the slash dropped).
        "55" + n("11222333000181", 14) + a("032141840", 14) + "20050115" + a("PE", 2) + a("BA", 2) +
            n("001", 3) + n("1234", 4) + a("GNRE2005000123", 20) + n("8500", 13) + "20050209" +
            n("012005", 6) + a("Convênio ICMS 8193", 30),

        // Record 56: the acquirer's CPF in 14 digits, model, series, number, CFOP, CST, item,
        // product, operation type, dealership, IPI rate, chassis, 39 blanks.
        "56" + n("12345678909", 14) + n("01", 2) + a("1", 3) + n("458", 6) + n("5102", 4) + n("000", 3) +
            n("1", 3) + a("VEIC001", 14) + n("1", 1) + n("56123456000101", 14) + n("500", 4) +
            a("9BWZZZ377VT004251", 17) + blanks(39),

        // Record 60M: date, serial, sequence, model, the three counters, restarts, gross revenue,
        // grand total, 37 blanks, initial grand total, net sales, ICMS, observation.
        "60M" + std::string("20050105") + serial + n("1", 3) + a("2D", 2) + n("1200", 6) + n("1350", 6) +
            n("45", 6) + n("0", 3) + n("1234567", 16) + n("98765432", 16) + blanks(37) + n("97530865", 13) +
            n("1234567", 13) + n("123457", 13) + n("0", 5),
        // Record 60A: date, serial, tax situation or rate, value, 79 blanks.
        "60A" + std::string("20050105") + serial + a("1700", 4) + n("726216", 12) + blanks(79),
        "60A" + std::string("20050105") + serial + a("F", 4) + n("508351", 12) + blanks(79),
        // Record 60D: date, serial, product, quantity, value, base, rate, ICMS, 19 blanks.
        "60D" + std::string("20050105") + serial + a("PROD001", 14) + n("2000", 13) + n("2000", 16) +
            n("2000", 16) + a("1700", 4) + n("340", 13) + blanks(19),

        // Record 61: 28 blanks, date, model, series, subseries, first and last number, total,
        // base, ICMS, exempt, other, rate, a blank, entry code, CFOP, observation.
        "61" + blanks(28) + "20050106" + n("02", 2) + a("D", 3) + a("", 2) + n("101", 6) + n("150", 6) +
            n("250000", 13) + n("250000", 13) + n("42500", 12) + n("000", 13) + n("000", 13) + n("1700", 4) +
            blanks(1) + a("LANC61", 12) + n("5102", 4) + n("0", 5),

        // Record 70: CNPJ, inscription, date, state, model, series, subseries, number, CFOP,
        // total, base, ICMS, exempt, other, CIF/FOB, situation, operation date, entry code, rate,
        // observation.
        "70" + n("56123456000101", 14) + a("ISENTO", 14) + "20050105" + a("PE", 2) + n("08", 2) + a("1", 1) +
            a("", 2) + n("1234", 6) + n("1353", 4) + n("15000", 13) + n("15000", 14) + n("2550", 14) +
            n("000", 14) + n("000", 14) + n("1", 1) + a("N", 1) + "20050105" + a("", 12) + n("1700", 4) +
            n("", 5),

        // Record 71: payer's CNPJ, inscription, date and state; the bill's model, series,
        // subseries and number; the sender's state, CNPJ and inscription; the invoice's date,
        // model, series, number and total; 12 blanks.
        "71" + n("11222333000181", 14) + a("032141840", 14) + "20050105" + a("PE", 2) + a("08", 2) +
            a("1", 1) + a("", 2) + n("1234", 6) + a("PE", 2) + n("10456237000135", 14) + a("012345678", 14) +
            "20050103" + a("01", 2) + a("1", 3) + n("123", 6) + n("100000", 14) + blanks(12),

        // Record 74: date, product, quantity, value, possession, the possessor's CNPJ,
        // inscription and state, 45 blanks, identification, unit value, observation.
        "74" + std::string("20050131") + a("PROD001", 14) + n("2000", 13) + n("20000", 13) + a("1", 1) +
            n("", 14) + a("", 14) + a("", 2) + blanks(45) + n("1", 1) + n("10000", 14) + n("", 5),
        "74" + std::string("20050131") + a("PROD002", 14) + n("1000", 13) + n("10000", 13) + a("2", 1) +
            n("07654321000159", 14) + a("ISENTO", 14) + a("BA", 2) + blanks(45) + n("1", 1) + n("10000", 14) +
            n("", 5),

        // Record 75: the two dates, product, NCM, description, unit, CST, IPI rate, ICMS rate,
        // base reduction, ICMS base, previous code, end of use.
        "75" + std::string("20050101") + "20050131" + a("PROD001", 14) + a("84713012", 8) +
            a("Microcomputador portátil", 53) + a("UN", 6) + n("000", 3) + n("1500", 4) + n("1700", 4) +
            n("000", 4) + n("60000", 12) + a("", 14) + n("", 6),
        "75" + std::string("20050101") + "20050131" + a("PROD002", 14) + a("84716052", 8) +
            a("Teclado para microcomputador", 53) + a("UN", 6) + n("000", 3) + n("1500", 4) + n("1700", 4) +
            n("000", 4) + n("40000", 12) + a("", 14) + n("", 6),

        // Record 76: CNPJ, inscription, model, series, subseries, number, CFOP, "0", date, state,
        // total, base, ICMS, exempt, other, rate, situation, then the twelve empty fields: entry
        // number, consumption code, the two service dates, period, consumers, five totals,
        // observation.
        "76" + n("33300000000166", 14) + a("ISENTO", 14) + n("22", 2) + a("U", 2) + a("", 2) +
            n("98765", 10) + n("1303", 4) + "0" + "20050110" + a("PE", 2) + n("25000", 13) + n("25000", 13) +
            n("6250", 12) + n("000", 12) + n("000", 12) + n("25", 2) + a("N", 1) + a("", 12) + n("", 2) +
            "00000000" + "00000000" + n("", 6) + n("", 9) + n("", 13) + n("", 13) + n("", 12) + n("", 12) +
            n("", 12) + n("", 5),

        // Record 77: CNPJ, model, series, subseries, number, CFOP, "0", item, service, quantity,
        // value, discount, base, rate, the operator's CNPJ, "0000000000", inscription, date,
        // state, revenue type, the participant's inscription.
        "77" + n("33300000000166", 14) + n("22", 2) + a("U", 2) + a("", 2) + n("98765", 10) + n("1303", 4) +
            "0" + n("1", 3) + a("SRV001", 11) + n("1000", 13) + n("25000", 12) + n("000", 12) +
            n("25000", 12) + n("25", 2) + n("33300000000166", 14) + "0000000000" + a("ISENTO", 14) +
            "20050110" + a("PE", 2) + n("1", 2) + a("", 14),

        // Record 88, numbered 1 to 40 in the order of the calls.
        // Identification: period, the three flags.
        r88(1, "1000") + n("200501", 6) + a("N", 1) + a("S", 1) + a("N", 1),
        // The informant: name, inscription, CNPJ, telephone, fax, post box, postal code, e-mail
        // (its "@" and points dropped).
        r88(2, "1010") + a("Comércio Exemplo Ltda", 35) + a("032141840", 14) + n("11222333000181", 14) +
            n("8133334444", 12) + n("8133334445", 12) + n("1234", 6) + n("50050000", 8) +
            a("fiscalexemplocombr", 50),
        // The person responsible: name, CPF, telephone, e-mail.
        r88(3, "1020") + a("Maria da Silva", 40) + n("12345678909", 11) + n("8133334444", 12) +
            a("mariaexemplocombr", 50),
        // The accountant: name, CPF, CRC, two telephones, fax, post box, e-mail.
        r88(4, "1030") + a("José Contador", 50) + n("98765432100", 11) + a("PE012345O", 10) +
            n("8133335555", 12) + n("8133336666", 12) + n("8133337777", 12) + n("99", 6) +
            a("josecontabcombr", 50),
        // Two participants: CNPJ, inscription, state, name, the two dates, situation.
        r88(5, "1040") + n("10456237000135", 14) + a("012345678", 14) + a("PE", 2) +
            a("Fornecedor Alfa Ltda", 35) + "20050101" + "20050131" + n("1", 1),
        r88(6, "1040") + n("07654321000159", 14) + a("ISENTO", 14) + a("BA", 2) + a("Cliente Beta Ltda", 35) +
            "20050101" + "20050131" + n("2", 1),
        // Box A: end of the financial year, energy, calculated value.
        r88(7, "1500") + "20051231" + n("1250", 6) + n("123456", 13),
        // Box B: qualification, municipality, detail, entries, exits; the total of the box.
        r88(8, "2000") + n("0", 1) + n("0001", 4) + n("1", 1) + n("100000", 13) + n("50000", 13),
        r88(9, "2000") + n("1", 1) + n("", 4) + n("", 1) + n("100000", 13) + n("50000", 13),
        // Box C: origin, energy, communications, others, fixed assets.
        r88(10, "2500") + n("1", 1) + n("10000", 13) + n("5000", 13) + n("2500", 13) + n("000", 13),
        // Box D: control, use, recognised, process, credit; a compensated debit.
        r88(11, "3000") + n("1", 2) + n("1", 3) + a("N", 1) + a("", 30) + n("000", 13),
        r88(12, "3010") + a("D", 1) + n("0051", 4) + n("000", 13),
        // Box E, the incentives: detail 00 (code, percentage, ten amounts), 10, 11, 12, 20, 30.
        r88(13, "3500") + n("01", 2) + n("200", 5) + n("100000", 13) + n("200000", 13) + n("50000", 13) +
            n("34000", 13) + n("20000", 13) + n("5000", 13) + n("3000", 13) + n("15000", 13) +
            n("20000", 13) + n("14000", 13),
        r88(14, "3510") + n("02", 2) + n("150000", 13) + n("300000", 13) + n("25500", 13) + n("51000", 13) +
            n("24000", 13) + n("52500", 13),
        r88(15, "3511") + n("03", 2) + n("400000", 13) + n("68000", 13) + n("90000", 13) + n("4750", 5) +
            n("250000", 13) + n("30000", 13) + n("14250", 13) + n("83750", 13) + n("69500", 13),
        r88(16, "3512") + n("04", 2) + n("2", 2) + n("80000", 13) + n("9600", 13) + n("4800", 13),
        r88(17, "3520") + n("05", 2) + n("300", 5) + n("70000", 13) + n("120000", 13) + n("150", 5) +
            n("65000", 13) + n("110000", 13) + n("31000", 13) + n("3600", 13) + n("1650", 13) +
            n("5250", 13) + n("25750", 13) + n("085", 5) + n("12000", 13) + n("8000", 13),
        r88(18, "3530") + n("100", 13) + n("200", 13),
        // Cash registers' summary map: qualification, date, first and last equipment, gross and
        // net sales, ICMS, entry code, CFOP, observation; its rate line.
        r88(19, "6000") + n("0", 1) + "20050105" + n("1", 3) + n("2", 3) + n("150000", 13) + n("145000", 13) +
            n("24650", 13) + a("", 12) + n("5102", 4) + a("N", 1),
        r88(20, "6010") + n("0", 1) + "20050105" + a("1700", 4) + n("145000", 13) + n("24650", 13),
        // Daily summary by product: date, model, series, subseries, first and last number,
        // product, quantity, value, base, rate, ICMS.
        r88(21, "6100") + "20050106" + n("02", 2) + a("D", 3) + a("", 2) + n("201", 6) + n("240", 6) +
            a("PROD001", 14) + n("40000", 11) + n("40000", 12) + n("40000", 12) + n("1700", 4) +
            n("6800", 12),
        // Inventory totals: possession, NBM, identification, qualification, value.
        r88(22, "7400") + n("1", 1) + a("84713012", 8) + n("1", 1) + n("1", 1) + n("1200000", 13),
        // An adjustment: qualification, description, value, period, process, origin, code,
        // observation.
        r88(23, "7700") + n("02", 2) + a("A01", 3) + n("5000", 13) + n("200501", 6) + a("", 30) + n("1", 1) +
            n("01", 2) + n("", 5),
        // The obligation to be paid: description, amount, revenue code, period, due date,
        // observation.
        r88(24, "7800") + n("17", 2) + n("13650", 13) + n("0051", 4) + n("200501", 6) + "20050209" + n("", 5),
        // The ledger of entries: qualification, CFOP, eleven amounts; the totals of the three
        // origins and of all entries.
        r88(25, "8000") + n("00", 2) + n("1102", 4) + n("100000", 13) + n("100000", 13) + n("17000", 13) +
            Z13 + Z13 + Z13 + Z13 + n("100000", 13) + n("10000", 13) + Z13 + Z13,
        r88(26, "8000") + n("01", 2) + n("", 4) + n("100000", 13) + n("100000", 13) + n("17000", 13) + Z13 +
            Z13 + Z13 + Z13 + n("100000", 13) + n("10000", 13) + Z13 + Z13,
        r88(27, "8001") + n("01", 2) + n("", 4) + Z13 + Z13 + Z13 + Z13 + Z13 + Z13 + Z13 + Z13 + Z13 + Z13 +
            Z13,
        r88(28, "8002") + n("01", 2) + n("", 4) + Z13 + Z13 + Z13 + Z13 + Z13 + Z13 + Z13 + Z13 + Z13 + Z13 +
            Z13,
        r88(29, "8010") + n("100000", 13) + n("100000", 13) + n("17000", 13) + Z13 + Z13 + Z13 + Z13 +
            n("100000", 13) + n("10000", 13) + Z13 + Z13,
        // The ledger of exits, the same way.
        r88(30, "8200") + n("00", 2) + n("5102", 4) + n("145000", 13) + n("145000", 13) + n("24650", 13) +
            Z13 + Z13 + Z13 + Z13 + Z13 + Z13 + Z13 + Z13,
        r88(31, "8200") + n("01", 2) + n("", 4) + n("145000", 13) + n("145000", 13) + n("24650", 13) + Z13 +
            Z13 + Z13 + Z13 + Z13 + Z13 + Z13 + Z13,
        r88(32, "8201") + n("00", 2) + n("6102", 4) + n("50000", 13) + n("50000", 13) + n("6000", 13) + Z13 +
            n("8500", 13) + Z13 + Z13 + Z13 + Z13 + Z13 + Z13,
        r88(33, "8201") + n("01", 2) + n("", 4) + n("50000", 13) + n("50000", 13) + n("6000", 13) + Z13 +
            n("8500", 13) + Z13 + Z13 + Z13 + Z13 + Z13 + Z13,
        r88(34, "8202") + n("01", 2) + n("", 4) + Z13 + Z13 + Z13 + Z13 + Z13 + Z13 + Z13 + Z13 + Z13 + Z13 +
            Z13,
        r88(35, "8210") + n("195000", 13) + n("195000", 13) + n("30650", 13) + Z13 + n("8500", 13) + Z13 +
            Z13 + Z13 + Z13 + Z13 + Z13,
        // The assessment: debits, credits, balances, obligations.
        r88(36, "8500") + n("30650", 13) + Z13 + Z13 + n("30650", 13),
        r88(37, "8510") + n("17000", 13) + Z13 + Z13 + n("17000", 13) + Z13 + n("17000", 13),
        r88(38, "8520") + Z13 + n("13650", 13) + Z13 + n("13650", 13),
        r88(39, "8530") + Z13 + Z13 + Z13 + Z13 + Z13 + Z13,
        // An observation: period, number, book, inscription, document number, model, date, act,
        // its number and year, legal basis, free text.
        r88(40, "8900") + n("200501", 6) + n("1", 5) + n("10", 2) + a("", 14) + n("", 12) + a("", 2) +
            "00000000" + a("", 20) + n("", 5) + n("", 4) + a("", 30) +
            a("Entradas conferidas com as notas fiscais do período", 70),

        // Record 90: fifteen detail totals and the grand total 65 (62 detail lines, and 3 for
        // records 10, 11 and 90), nine totals on the first line.
        start90 + "5000000003" + "5100000001" + "5300000001" + "5400000002" + "5500000001" + "5600000001" +
            "6000000004" + "6100000001" + "7000000001" + blanks(5) + "2",
        start90 + "7100000001" + "7400000002" + "7500000002" + "7600000001" + "7700000001" + "8800000040" +
            "9900000065" + blanks(125 - 100) + "2",
    };
}

// The lines written per record type by samples/janeiro2005.txt, in the order of the statistics.
const std::vector<std::pair<std::string, int>> janeiro2005Written = {
    {"10", 1}, {"11", 1}, {"50", 3}, {"51", 1}, {"53", 1}, {"54", 2}, {"55", 1}, {"56", 1},  {"60", 4},
    {"61", 1}, {"70", 1}, {"71", 1}, {"74", 2}, {"75", 2}, {"76", 1}, {"77", 1}, {"88", 40}, {"90", 2},
};

TEST_F(SefgenRun, JaneiroSampleWritesTheWholeFile) {
    const Result r = run({"run", samples + "/janeiro2005.txt"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err, "");

    const auto written = lines("SEF.txt");
    const auto expected = janeiro2005();
    ASSERT_EQ(written.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i)
        EXPECT_EQ(written[i], expected[i]) << "SEF line " << i + 1;

    // Every record was accepted without observations: nothing for the error report.
    EXPECT_FALSE(has("Erro_SEF.txt"));

    const std::string hyphens(53, '-');
    std::string log = cp("Estastísticas dos Registros:") + "\r\n" + "\r\n" +
                      "REGISTROS\tOK\tOBS\tERROS\t%ERRO\tTOTAL\r\n" + hyphens + "\r\n";
    for (const auto& [type, count] : janeiro2005Written)
        log += "Registro " + type + "\t" + std::to_string(count) + "\t0\t0\t0,00%\t" + std::to_string(count) +
               "\r\n";
    log += hyphens + "\r\n" + "Total\t\t66\t0\t0\t0,00%\t66\r\n";
    EXPECT_EQ(readFile(dir.path() / "Log_SEF.txt"), log);

    // The printed table: type, written, with observations, rejected; then the total.
    std::vector<std::vector<std::string>> table;
    for (const auto& [type, count] : janeiro2005Written)
        table.push_back({type, std::to_string(count), "0", "0"});
    table.push_back({"Total", "66", "0", "0"});
    EXPECT_EQ(printedTable(r.out), table) << r.out;

    // The three files, by their full paths, in the order SEF file, error report, log.
    const auto sef = r.out.find(shown("SEF.txt") + "\n");
    const auto erro = r.out.find(shown("Erro_SEF.txt") + "\n");
    const auto estatisticas = r.out.find(shown("Log_SEF.txt") + "\n");
    ASSERT_NE(sef, std::string::npos) << r.out;
    ASSERT_NE(erro, std::string::npos) << r.out;
    ASSERT_NE(estatisticas, std::string::npos) << r.out;
    EXPECT_LT(sef, erro);
    EXPECT_LT(erro, estatisticas);
}

TEST_F(SefgenRun, SequenceSampleIsAcceptedWhole) {
    const Result r = run({"run", samples + "/sequencia01.txt"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(printedTable(r.out), (std::vector<std::vector<std::string>>{{"10", "1", "0", "0"},
                                                                          {"11", "1", "0", "0"},
                                                                          {"88", "18", "0", "0"},
                                                                          {"90", "1", "0", "0"},
                                                                          {"Total", "21", "0", "0"}}))
        << r.out;

    const auto written = lines("SEF.txt");
    ASSERT_EQ(written.size(), 21u);
    EXPECT_EQ(written[0].substr(0, 2), "10");
    EXPECT_EQ(written[1].substr(0, 2), "11");
    // The record 88 lines in the order of the calls, numbered from 1 over all subtypes.
    const char* subtiposDetalhes[] = {"1000", "1010", "1020", "1030", "1500", "2000", "8000", "8001", "8002",
                                      "8010", "8200", "8201", "8202", "8210", "8500", "8510", "8520", "8530"};
    for (int i = 0; i < 18; ++i)
        EXPECT_EQ(written[static_cast<std::size_t>(i) + 2].substr(0, 15), r88(i + 1, subtiposDetalhes[i]))
            << "SEF line " << i + 3;
    // The informant has no CNPJ and no inscription: fourteen zeros and fourteen blanks; the total
    // of record 88 and the grand total 3 + 18.
    EXPECT_EQ(written[20],
              "90" + zeros(14) + blanks(14) + "8800000018" + "9900000021" + blanks(125 - 50) + "1");
}

// A bad batch line is reported and not called; the lines after it are.
TEST_F(SefgenRun, BadLinesAreReportedAndSkipped) {
    const std::string name256 = [] {
        std::string s;
        for (int i = 0; i < 256; ++i)
            s += "é";
        return s;
    }();
    struct Case {
        const char* what;
        std::string line;
        std::string named;                // in the message, besides the file and the line number
        std::vector<std::size_t> numbers; // in the message as whole numbers
    };
    const std::string fields10 =
        "11222333000181|0321418-40|Outra Empresa Ltda|Olinda|PE|(81) 3333-4444|01/01/2005|31/01/2005|2|3|1|1";
    const Case cases[] = {
        {"an unknown export", "Registro12|" + fields10, "Registro12", {}},
        {"a validator, not a record", "Verifica_CNPJ|11222333000181", "Verifica_CNPJ", {}},
        {"too few fields",
         "Registro10|11222333000181|0321418-40|Outra Empresa Ltda|Olinda|PE|(81) 3333-4444|"
         "01/01/2005|31/01/2005|2|3|1",
         "Registro10",
         {11}},
        {"too many fields", "Registro10|" + fields10 + "|1", "Registro10", {13}},
        {"a character without a Windows-1252 form",
         "Registro10|11222333000181|0321418-40|Outra \xE2\x9C\x93 Ltda|Olinda|PE|(81) 3333-4444|01/01/2005|"
         "31/01/2005|2|3|1|1",
         "",
         {3}},
        {"a byte that is not UTF-8",
         "Registro10|11222333000181|0321418-40|Outra Empr\xE9sa Ltda|Olinda|PE|(81) 3333-4444|01/01/2005|"
         "31/01/2005|2|3|1|1",
         "",
         {3}},
        {"a UTF-8 sequence cut at the end of the field",
         "Registro10|11222333000181|0321418-40|Outra Ltda\xC3|Olinda|PE|(81) 3333-4444|01/01/2005|31/01/2005|"
         "2|3|1|1",
         "",
         {3}},
        {"a field of 256 characters",
         "Registro10|11222333000181|0321418-40|" + name256 +
             "|Olinda|PE|(81) 3333-4444|01/01/2005|31/01/2005|2|3|1|1",
         "",
         {3}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TempDir folder;
        const fs::path path = folder.path() / "lote.txt";
        // The bad line is line 4; the good record 10 follows it.
        std::ofstream(path, std::ios::binary) << "# informant, address, totals\n\n# a bad line first\n" +
                                                     c.line + "\n" + batch10 + batch11 + "Registro90\n";
        const Result r = run({"run", path.string()}, folder.path());
        EXPECT_EQ(r.status, 1);
        const auto messages = textLines(r.err);
        ASSERT_EQ(messages.size(), 1u) << r.err;
        const std::string& m = messages[0];
        const auto at = m.find(path.string());
        ASSERT_NE(at, std::string::npos) << m;
        const std::string rest = m.substr(0, at) + " " + m.substr(at + path.string().size());
        EXPECT_TRUE(hasNumber(rest, 4)) << m;
        if (!c.named.empty()) {
            EXPECT_NE(rest.find(c.named), std::string::npos) << m;
        }
        for (const std::size_t number : c.numbers)
            EXPECT_TRUE(hasNumber(rest, number)) << m;
        // The good record 10 is the file's record 10, and nothing was rejected.
        EXPECT_EQ(crlfLines(readFile(folder.path() / "SEF.txt")),
                  (std::vector<std::string>{line10(), line11, line90alone}));
        EXPECT_FALSE(fs::exists(folder.path() / "Erro_SEF.txt"));
    }
}

TEST_F(SefgenRun, FieldLengthIsCountedInCharactersOfTheLibrary) {
    // 255 letters "é": 510 bytes of UTF-8, 255 characters for the library; the formatter cuts the
    // name to 35 with an observation, and the record is written.
    std::string name;
    for (int i = 0; i < 255; ++i)
        name += "é";
    const std::string path =
        batch("lote.txt", "Registro10|11222333000181|0321418-40|" + name +
                              "|Recife|PE|(81) 3333-4444|01/01/2005|31/01/2005|2|3|1|1\n" + batch11);
    const Result r = run({"run", path});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(lines("SEF.txt"), (std::vector<std::string>{line10(std::string(35, '\xE9')), line11}));
    const auto report = lines("Erro_SEF.txt");
    const std::string observation =
        "\t  " + a("Nome Contribuinte:", 41) +
        "\tQuantidade de caracteres maior que o permitido - Permitido: 35; Passados: 255";
    EXPECT_NE(std::find(report.begin(), report.end(), observation), report.end());
}

TEST_F(SefgenRun, ARejectedRecordFailsTheRun) {
    const std::string path = batch(
        "lote.txt", batch10 + batch11 +
                        "Registro54|10456237000135|01|1|123|9999|000|1|PROD001|6,000|600,00|0,00|600,00|0,00|"
                        "60,00|17,00|0123456-78|03/01/2005|PE|01|0\n"
                        "Registro90\n");
    const Result r = run({"run", path});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(printedTable(r.out), (std::vector<std::vector<std::string>>{{"10", "1", "0", "0"},
                                                                          {"11", "1", "0", "0"},
                                                                          {"54", "0", "0", "1"},
                                                                          {"90", "1", "0", "0"},
                                                                          {"Total", "3", "0", "1"}}))
        << r.out;
    EXPECT_EQ(lines("SEF.txt"), (std::vector<std::string>{line10(), line11, line90alone}));
    const auto report = lines("Erro_SEF.txt");
    EXPECT_NE(std::find(report.begin(), report.end(),
                        cp("\t  -9   Código Fiscal de Operações e Prestações(CFOP) Inválido :: 9999")),
              report.end());
}

// A batch that cannot be run: nothing is called and the files of an earlier run stay as they are.
TEST_F(SefgenRun, UsageErrorsAndUnreadableBatchesExitWith2) {
    const std::string good = batch("lote.txt", batch10 + batch11 + "Registro90\n");
    fs::create_directory(dir.path() / "pasta");
    struct Case {
        std::vector<std::string> args;
        std::string named; // in the message
    };
    const Case cases[] = {
        {{"run"}, ""},
        {{"run", good, "--bogus"}, "--bogus"},
        {{"run", good, "--encoding", "latin1"}, "latin1"},
        {{"run", good, "--encoding"}, ""},
        {{"run", good, "outro.txt"}, ""},
        {{"run", (dir.path() / "faltando.txt").string()}, (dir.path() / "faltando.txt").string()},
        {{"run", (dir.path() / "pasta").string()}, (dir.path() / "pasta").string()},
    };
    for (const Case& c : cases) {
        std::string shownArgs;
        for (const auto& arg : c.args)
            shownArgs += " " + arg;
        SCOPED_TRACE("sefgen" + shownArgs);
        std::ofstream(dir.path() / "SEF.txt", std::ios::binary) << "antigo\r\n";
        const Result r = run(c.args);
        EXPECT_EQ(r.status, 2);
        EXPECT_NE(r.err, "");
        EXPECT_NE(r.err.find(c.named), std::string::npos) << r.err;
        EXPECT_EQ(readFile(dir.path() / "SEF.txt"), "antigo\r\n");
        EXPECT_FALSE(has("Log_SEF.txt"));
    }
}

TEST_F(SefgenRun, EscapesInFields) {
    // "\|" keeps a bar inside the complement; "\\" is one backslash, and the bar after it ends
    // the district. The street is too long, so the error report shows the trace with the fields
    // as they reached the library.
    const std::string path =
        batch("lote.txt", batch10 + "Registro11|Avenida Conselheiro Aguiar 1000 Boa Viagem|100|"
                                    "Sala 2\\|3|Boa Vista\\\\|50.050-000|Maria da Silva|"
                                    "(81) 3333-4444\n");
    const Result r = run({"run", path});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err, "");
    // The formatter drops the bar and the backslash from the alphanumeric fields.
    EXPECT_EQ(
        lines("SEF.txt"),
        (std::vector<std::string>{line10(), "11" + a("Avenida Conselheiro Aguiar 1000 Bo", 34) + n("100", 5) +
                                                a("Sala 23", 22) + a("Boa Vista", 15) + n("50050000", 8) +
                                                a("Maria da Silva", 28) + n("8133334444", 12)}));
    const auto trace = [](const char* label, const std::string& before, const std::string& after) {
        return "\t" + a(label, 29) + "\t" + cp(before) + " -> " + after + "\r\n";
    };
    EXPECT_EQ(readFile(dir.path() / "Erro_SEF.txt"),
              "\r\n"
              "REGISTRO 11\r\n" +
                  trace("Logradouro:", "Avenida Conselheiro Aguiar 1000 Boa Viagem",
                        a("Avenida Conselheiro Aguiar 1000 Bo", 34)) +
                  trace("Número:", "100", "00100") + trace("Complemento:", "Sala 2|3", a("Sala 23", 22)) +
                  trace("Bairro:", "Boa Vista\\", a("Boa Vista", 15)) +
                  trace("CEP:", "50.050-000", "50050000") +
                  trace("Nome da Pessoa Para Contato:", "Maria da Silva", a("Maria da Silva", 28)) +
                  trace("Telefone:", "(81) 3333-4444", "008133334444") + "\r\n" +
                  cp("\tObservação do Registro:") + "\r\n" + "\t  " + a("Logradouro:", 29) +
                  "\tQuantidade de caracteres maior que o permitido - Permitido: 34; Passados: 42\r\n");
}

TEST_F(SefgenRun, LineEndsCommentsAndByteOrderMark) {
    const struct {
        const char* what;
        std::string text;
    } cases[] = {
        {"CR LF line ends", "# informant\r\n" + batch10.substr(0, batch10.size() - 1) + "\r\n\r\n" +
                                batch11.substr(0, batch11.size() - 1) + "\r\nRegistro90\r\n"},
        {"a byte-order mark", "\xEF\xBB\xBF" + batch10 + batch11 + "Registro90\n"},
        {"comments and blank lines", "# informant\n" + batch10 + "   # indented\n\t# after a tab\n\n \t \n" +
                                         batch11 + "#Registro90\n" + "Registro90\n"},
        {"no line end after the last line", batch10 + batch11 + "Registro90"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TempDir folder;
        std::ofstream(folder.path() / "lote.txt", std::ios::binary) << c.text;
        const Result r = run({"run", (folder.path() / "lote.txt").string()}, folder.path());
        EXPECT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(r.err, "");
        EXPECT_EQ(crlfLines(readFile(folder.path() / "SEF.txt")),
                  (std::vector<std::string>{line10(), line11, line90alone}));
        EXPECT_FALSE(fs::exists(folder.path() / "Erro_SEF.txt"));
    }
}

TEST_F(SefgenRun, Windows1252Batches) {
    // "Comércio" with the single byte E9, as a Windows-1252 batch holds it.
    const std::string path =
        batch("lote.txt", "Registro10|11222333000181|0321418-40|Com\xE9rcio Exemplo Ltda|Recife|PE|"
                          "(81) 3333-4444|01/01/2005|31/01/2005|2|3|1|1\n" +
                              batch11 + "Registro90\n");
    {
        const Result r = run({"run", path, "--encoding", "cp1252"});
        EXPECT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(r.err, "");
        const auto written = lines("SEF.txt");
        ASSERT_EQ(written.size(), 3u);
        EXPECT_EQ(written[0], line10());
        EXPECT_EQ(written[0].substr(30, 8), "Com\xE9rcio");
    }
    // The same bytes are not UTF-8: record 10 is a bad line, so the records that need it are rejected.
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"run", path},
          std::vector<std::string>{"run", path, "--encoding", "utf8"}}) {
        SCOPED_TRACE(args.size());
        const Result r = run(args);
        EXPECT_EQ(r.status, 1);
        const auto messages = textLines(r.err);
        ASSERT_EQ(messages.size(), 1u) << r.err;
        EXPECT_NE(messages[0].find(path), std::string::npos) << messages[0];
        EXPECT_TRUE(hasNumber(messages[0].substr(messages[0].find(path) + path.size()), 1)) << messages[0];
        EXPECT_TRUE(hasNumber(messages[0].substr(messages[0].find(path) + path.size()), 3)) << messages[0];
        EXPECT_EQ(lines("SEF.txt"), std::vector<std::string>{});
    }
}

TEST_F(SefgenRun, FileNames) {
    // The second record 90 is rejected, so all three files are written.
    const std::string path = batch("lote.txt", batch10 + batch11 + "Registro90\nRegistro90\n");
    const struct {
        const char* folder;
        std::vector<std::string> options;
        std::string sef, erro, log;
    } cases[] = {
        {"padrao", {}, "SEF.txt", "Erro_SEF.txt", "Log_SEF.txt"},
        {"nomes",
         {"--sef", "janeiro.sef", "--erro", "relatório de erros.txt", "--log", "estatísticas.log"},
         "janeiro.sef",
         "relatório de erros.txt",
         "estatísticas.log"},
        // Blank names are the library's defaults, which are file names of their own on Linux.
        {"brancos",
         {"--sef", "", "--erro", " ", "--log", "\t"},
         "c:\\SEF.txt",
         "c:\\Erro_SEF.txt",
         "c:\\Log_SEF.txt"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.folder);
        const fs::path folder = dir.path() / c.folder;
        fs::create_directory(folder);
        // The options come before the batch.
        std::vector<std::string> args = {"run"};
        args.insert(args.end(), c.options.begin(), c.options.end());
        args.push_back(path);
        const Result r = run(args, folder);
        EXPECT_EQ(r.status, 1);
        // The table is read back from the log that was written.
        EXPECT_EQ(printedTable(r.out), (std::vector<std::vector<std::string>>{{"10", "1", "0", "0"},
                                                                              {"11", "1", "0", "0"},
                                                                              {"90", "1", "0", "1"},
                                                                              {"Total", "3", "0", "1"}}))
            << r.out;
        EXPECT_EQ(crlfLines(readFile(folder / c.sef)),
                  (std::vector<std::string>{line10(), line11, line90alone}));
        EXPECT_NE(readFile(folder / c.erro).find(cp("-5   Só deve haver uma chamada para o Registro90")),
                  std::string::npos);
        EXPECT_EQ(readFile(folder / c.log).substr(0, 30), cp("Estastísticas dos Registros:") + "\r\n");
        std::vector<std::string> present;
        for (const auto& entry : fs::directory_iterator(folder))
            present.push_back(entry.path().filename().string());
        std::sort(present.begin(), present.end());
        std::vector<std::string> expected = {c.sef, c.erro, c.log};
        std::sort(expected.begin(), expected.end());
        EXPECT_EQ(present, expected);
        const std::string base = fs::canonical(folder).string() + "/";
        EXPECT_LT(r.out.find(base + c.sef + "\n"), r.out.find(base + c.erro + "\n")) << r.out;
        EXPECT_LT(r.out.find(base + c.erro + "\n"), r.out.find(base + c.log + "\n")) << r.out;
        EXPECT_NE(r.out.find(base + c.log + "\n"), std::string::npos) << r.out;
    }
}

// A batch of records 10 and 11, `items` record 54 lines and record 90.
std::string longBatch(std::size_t items) {
    std::string text = batch10 + batch11;
    for (std::size_t i = 0; i < items; ++i)
        text +=
            "Registro54|10456237000135|01|1|123|1102|000|1|PROD001|6,000|600,00|0,00|600,00|0,00|60,00|17,00|"
            "0123456-78|03/01/2005|PE|01|0\n";
    return text + "Registro90\n";
}

TEST_F(SefgenRun, LongBatchWithoutATerminalShowsNoProgress) {
    const std::string path = batch("lote.txt", longBatch(10001));
    const Result r = run({"run", path});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err, "");
    const auto written = lines("SEF.txt");
    ASSERT_EQ(written.size(), 10004u);
    EXPECT_EQ(written.back(), start90 + "5400010001" + "9900010004" + blanks(125 - 50) + "1");
}

TEST_F(SefgenRun, ProgressOnATerminalForMoreThan10000Lines) {
    const struct {
        std::size_t items;
        bool progress;
    } cases[] = {{9997, false}, {9998, true}}; // 10,000 and 10,001 lines
    for (const auto& c : cases) {
        SCOPED_TRACE(c.items + 3);
        const std::string path = batch("lote.txt", longBatch(c.items));
        const Result r = run({"run", path}, {}, true);
        EXPECT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(!r.err.empty(), c.progress) << r.err;
    }
}

} // namespace
