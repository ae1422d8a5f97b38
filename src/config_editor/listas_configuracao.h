#pragma once
// The configuration window's pick lists: the eight catalogue record sets,
// opened once when the window is shown, the builders that fill a grid
// item's list from them, and the lookups that turn a stored code into the
// position of its row. Each entry's number is its row's absolute position
// (from 1) in the whole record set, gaps included, so the window moves the
// record set back to it to read the row's code: the record sets keep their
// rows and order for as long as their lists are shown.
//
// Every builder and lookup raises its errors again under its own name, the
// previous source prefixed to the description (reraise_chained.h).
#include "platform/ui/property_grid_item.h"

#include <QString>
#include <cstdint>
#include <memory>

namespace tvx::ado {
class Recordset;
}

namespace tvx {

class DalComandos;

class ListasConfiguracao {
public:
    using RecordsetRef = std::shared_ptr<ado::Recordset>;

    explicit ListasConfiguracao(DalComandos& comandos) : comandos_(comandos) {}

    // Opens the eight record sets, every series record set with all series.
    void pForeignKeyTablesOpenLoad();
    // Lets the eight go (without closing them).
    void pForeignKeyTablesClose();

    // List builders: each clears the item's list, then adds its entries.
    // Document types passing the item's filter: 1000 invoices; 1012 and 1015
    // receipts; any other identifier gets an empty list.
    void pFrmPropSetConstraintsTpDocum(ui::PropertyGridItem& item);
    // The series of `sTipoDoc` (all series when empty), queried into `rsSeries`.
    void pFrmPropSetConstraintsSeries(ui::PropertyGridItem& item, RecordsetRef& rsSeries, const QString& sTipoDoc);
    void pFrmPropSetConstraintsSector(ui::PropertyGridItem& item);
    void pFrmPropSetConstraintsDescritores(ui::PropertyGridItem& item);
    void pFrmPropSetConstraintsArmazens(ui::PropertyGridItem& item);
    // "Sim" numbered 1, then "Não" numbered 0.
    static void pFrmPropSetConstraintSimNao(ui::PropertyGridItem& item);
    // Every row of `rs`, captions from `sColuna`; `sColunaCodigo` names the
    // rows' code for batch edits ("" for none).
    void pFrmPropSetConstraintGeneric(RecordsetRef& rs, const QString& sColuna, ui::PropertyGridItem& item,
                                      const QString& sColunaCodigo = {});

    // Position lookups: the position of the first row holding the value, 0
    // when none does.
    std::int32_t pFrmPropSetConstraintsTpDocumValue(const QString& sCodigo);
    std::int32_t pFrmPropSetConstraintsSeriesValue(RecordsetRef& rsSeries, std::int16_t iSerie);
    std::int32_t pFrmPropSetConstraintsSectorValue(const QString& sCodigo);
    std::int32_t pFrmPropSetConstraintsDescritoresValue(const QString& sCodigo);
    std::int32_t pFrmPropSetConstraintsArmazensValue(const QString& sCodigo);
    std::int32_t pFrmPropSetConstraintValueGeneric(RecordsetRef& rs, const QString& sColuna, const QString& valor);

    RecordsetRef m_rsArtigos;
    RecordsetRef m_rsArmazens;
    RecordsetRef m_rsTiposDoc;
    RecordsetRef m_rsSectores;
    RecordsetRef m_rsSeriesFat;
    RecordsetRef m_rsSeriesRec;
    RecordsetRef m_rsSeriesRpc;
    RecordsetRef m_rsMotivosIsencao;

private:
    DalComandos& comandos_;
};

}  // namespace tvx
