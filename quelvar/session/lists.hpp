// The per-record line lists of the session (ListaCampos, ListaObservacoes, ListaErros).
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace qv {

// An ordered list of text lines that keeps its storage when emptied, so that the lists of one
// record after another are filled without allocating once they have grown to size.
class ListaLinhas {
  public:
    // A new, empty line at the end of the list, to be filled by the caller.
    std::string& nova() {
        if (count_ == lines_.size()) lines_.emplace_back();
        std::string& line = lines_[count_++];
        line.clear();
        return line;
    }
    void add(std::string_view text) { nova().assign(text); }
    void clear() { count_ = 0; }
    // Gives the storage back (the list of a closed session).
    void destroy() {
        count_ = 0;
        lines_.clear();
        lines_.shrink_to_fit();
    }

    bool empty() const { return count_ == 0; }
    std::size_t size() const { return count_; }
    const std::string& operator[](std::size_t i) const { return lines_[i]; }
    auto begin() const { return lines_.begin(); }
    auto end() const { return lines_.begin() + static_cast<std::ptrdiff_t>(count_); }

  private:
    std::vector<std::string> lines_;
    std::size_t count_ = 0;
};

} // namespace qv
