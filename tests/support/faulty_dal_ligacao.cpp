#include "support/faulty_dal_ligacao.h"

namespace tvx::testing {

bool FaultyDalLigacao::strikes(const QString& sql) const {
    return falha && !falha->texto.isEmpty() && sql.contains(falha->texto);
}

void FaultyDalLigacao::strikeIf(bool struck) const {
    if (struck) throw falha->erro;
}

void FaultyDalLigacao::Consultar(const QString& sChave, const QString& sSql, std::shared_ptr<ado::Recordset>& rs,
                                 int iCursor, int iOpcoes) {
    strikeIf(strikes(sSql));
    real_->Consultar(sChave, sSql, rs, iCursor, iOpcoes);
}

std::int16_t FaultyDalLigacao::Executar(const QString& sChave, const QString& sSql) {
    if (antesDeExecutar) antesDeExecutar(sSql);
    strikeIf(strikes(sSql));
    return real_->Executar(sChave, sSql);
}

void FaultyDalLigacao::Gravar(const QString& sChave, std::shared_ptr<ado::Recordset>& rs) {
    strikeIf(falha && falha->gravar);
    real_->Gravar(sChave, rs);
}

}  // namespace tvx::testing
