#include "agency/tabela_csv.h"

#include "platform/automation/automation_error.h"

namespace tvx {

QString TabelaCsv::operator()(std::int32_t linha, std::int32_t coluna) const {
    if (linha < 0 || linha > ultimaLinha_ || coluna < 0 || coluna > ultimaColuna_) err::raise(err::SubscriptOutOfRange);
    return leitor_.Celula(linha, coluna);
}

}  // namespace tvx
