#pragma once
// The ticket file as a table of texts with fixed bounds: rows 0..UltimaLinha
// and columns 0..UltimaColuna, both included. Reading outside the bounds
// raises "Subscript out of range" (9), as an array would; inside them a cell
// the file does not have reads as "".
#include "agency/leitor_csv.h"

#include <cstdint>

namespace tvx {

class TabelaCsv {
public:
    TabelaCsv(LeitorCsv leitor, std::int32_t ultimaLinha, std::int32_t ultimaColuna)
        : leitor_(std::move(leitor)), ultimaLinha_(ultimaLinha), ultimaColuna_(ultimaColuna) {}

    std::int32_t UltimaLinha() const { return ultimaLinha_; }
    std::int32_t UltimaColuna() const { return ultimaColuna_; }
    QString operator()(std::int32_t linha, std::int32_t coluna) const;
    // The line of the file where row `linha` starts (see LeitorCsv).
    std::int32_t LinhaDoFicheiro(std::int32_t linha) const { return leitor_.LinhaDoFicheiro(linha); }

private:
    LeitorCsv leitor_;
    std::int32_t ultimaLinha_;
    std::int32_t ultimaColuna_;
};

}  // namespace tvx
