#include "support/tabela.h"

#include "platform/ado/recordset.h"

namespace tvx::testing {

std::shared_ptr<ado::Recordset> tabela(const QStringList& colunas, const std::vector<std::vector<Variant>>& linhas) {
    auto rs = std::make_shared<ado::Recordset>();
    for (qsizetype c = 0; c < colunas.size(); ++c) {
        bool texto = false;
        for (const auto& linha : linhas) {
            const Variant& v = linha.at(std::size_t(c));
            if (v.isNull()) continue;
            texto = v.type() == VarType::String;
            break;
        }
        rs->Fields().Append(colunas[c], texto ? ado::adVarWChar : ado::adInteger, texto ? 255 : 0,
                            ado::adFldIsNullable | ado::adFldMayBeNull);
    }
    rs->Open();
    for (const auto& linha : linhas) {
        rs->AddNew();
        for (std::size_t c = 0; c < linha.size(); ++c) rs->setValue(int(c), linha[c]);
        rs->Update();
    }
    if (rs->RecordCount() > 0) rs->MoveFirst();
    return rs;
}

}  // namespace tvx::testing
