#pragma once
// The add-in's database helpers: the reference to the open company database
// connection, the statement runner, the parameters table, the catalogue
// queries and the empty diagnostics log. The entry object owns one and
// lends it to the runs.
//
// Every helper but HlpDb_Executar raises its errors again under
// "Comandos::" + its own name (the parameters save under the read's name).
#include "platform/automation/variant.h"

#include <QString>
#include <cstdint>
#include <memory>
#include <vector>

namespace tvx::ado {
class Recordset;
}

namespace tvx {
class DalLigacao;
}

namespace tvx {

class DalComandos {
public:
    using RecordsetRef = std::shared_ptr<ado::Recordset>;

    // Keeps `oLigacao` as the module's connection; replaced at each open, never cleared.
    void HlpDb_LigacaoSet(std::shared_ptr<DalLigacao> oLigacao);
    // The module's connection (null before the first HlpDb_LigacaoSet).
    std::shared_ptr<DalLigacao> HlpDb_Ligacao() const;

    // Runs a statement; errors pass through unchanged.
    std::int16_t HlpDb_Executar(const QString& sSql);
    // Runs one statement with `valores` bound to its `?` marks, in a commit
    // that the next durable commit makes durable (dal_ligacao_diferida.h);
    // over a connection that offers no such commit, through Executar.
    std::int16_t HlpDb_ExecutarDiferido(const QString& sSql, const std::vector<Variant>& valores);

    // Creates qrl_PARAMETROS when the database does not have it.
    void HlpDb_ParametrosCreate();
    // The first row of qrl_PARAMETROS (an empty record set when there is none).
    RecordsetRef HlpDb_ParametrosGet();
    // Writes the pending changes of `rs` and hands back the record set the
    // connection returns, in `rs`.
    void HlpDb_ParametrosSave(RecordsetRef& rs);

    // Catalogue lists: sWhere and sOrderBy are SQL fragments put in unchanged
    // ("" for none); a caller giving both ends its where text with a space.
    RecordsetRef HlpDb_ArmazensGet(const QString& sWhere, const QString& sOrderBy);
    RecordsetRef HlpDb_ArtigosReduzidoGet(const QString& sWhere, const QString& sOrderBy);
    RecordsetRef HlpDb_TiposDocumentosGet(const QString& sWhere, const QString& sOrderBy);
    RecordsetRef HlpDb_SectoresGet(const QString& sWhere, const QString& sOrderBy);
    RecordsetRef HlpDb_SeriesGet(const QString& sWhere, const QString& sOrderBy);
    RecordsetRef HlpDb_MotIsencaoIvaGet(const QString& sWhere, const QString& sOrderBy);

    // Key lookups; the texts given are quoted safely.
    RecordsetRef HlpDb_ClienteByCod(const QString& sCodigo);
    RecordsetRef HlpDb_DocGcCabByKeyGet(const QString& sTipoDoc, std::int32_t lNumero, std::int16_t iAno,
                                        std::int16_t iSerie);

    // A new, empty, open diagnostics log: Linha, Num.Cliente, Estado, Documento, Descrição.
    static RecordsetRef HlpDb_DiagnosticoCreate();

private:
    DalLigacao& ligacao() const;  // error 91 before the first HlpDb_LigacaoSet
    RecordsetRef consultar(const QString& sql) const;
    RecordsetRef consultarComo(const char* helper, const QString& sql) const;
    RecordsetRef lista(const char* helper, const QString& select, const QString& from, const QString& where,
                       const QString& orderBy) const;

    std::shared_ptr<DalLigacao> ligacao_;
};

}  // namespace tvx
