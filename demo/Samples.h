// The buttons of the window and their sample data: what each button is captioned, which function
// of the library it calls with which arguments, and its hint. The window is built from these
// tables; no button has code of its own beyond what its step says.
#pragma once

#include <array>
#include <cstddef>
#include <span>
#include <string_view>

namespace demo {

// The vendor, named in the window's caption and on the contact tab.
inline constexpr std::string_view vendor = "Quelvar Sistemas";

// The sample values that the records and validators are given where any value of a kind will do
// (the same as in the batch of sequence 01).
inline constexpr std::string_view telefone = "(81) 3333-4444";
inline constexpr std::string_view numeroCasa = "100";
inline constexpr std::string_view cep = "50.050-000"; // Recife (PE), with dot and hyphen
inline constexpr std::string_view email = "contato@exemplo.com.br";
inline constexpr std::string_view cepBA = "40010000";      // Salvador (BA)
inline constexpr std::string_view cpf = "12345678909";     // check digits 0 and 9
inline constexpr std::string_view cnpj = "11222333000181"; // check digits 8 and 1

// The texts passed to one call, in parameter order; "" is the empty text.
struct Fields {
    std::array<std::string_view, 32> values{};
    std::size_t count = 0;
    constexpr std::span<const std::string_view> view() const { return {values.data(), count}; }
};

template <class... T> constexpr Fields fields(T... values) {
    static_assert(sizeof...(T) <= 32);
    return Fields{{std::string_view(values)...}, sizeof...(T)};
}

// What a record button does besides calling its record export and reporting the result.
enum class Step {
    call,          // only that
    opensSession,  // "Registro 10": Inicia_SEF with the three edits first
    closesSession, // "Registro 90": Finaliza_SEF afterwards, and the pointer to the log
    guarded,       // "Registro 11": the call and its report under an exception guard
};

struct RecordButton {
    std::string_view caption;
    std::string_view exportName;
    Fields fields;
    std::string_view hint; // lines separated by "\n"
    Step step = Step::call;
};

struct ValidationButton {
    std::string_view caption;
    std::string_view exportName;
    Fields arguments;
    std::string_view stem; // the message is the stem followed by "Válido" or "Inválido"
    std::string_view hint;
    std::string_view title = {}; // the box's title when it is not the export's name
    constexpr std::string_view boxTitle() const { return title.empty() ? exportName : title; }
};

// The record buttons in the order of the SEF layout (10, 11, 50 to 77, the record 88 lines, 90).
std::span<const RecordButton> recordButtons();
// The validation buttons in the order of the tab (left to right, top to bottom).
std::span<const ValidationButton> validationButtons();
// The record exports whose buttons the menu item "Sequência 01(10, 11, 88, 90)" runs, in order.
std::span<const std::string_view> sequencia01();

const RecordButton* findRecordButton(std::string_view exportName);

} // namespace demo
