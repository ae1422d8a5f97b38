#include "host_erp/sales_view.h"

#include "host_erp/commercial_document.h"
#include "host_erp/sql_literals.h"
#include "platform/ado/recordset.h"
#include "platform/automation/automation_error.h"
#include "platform/automation/conversions.h"

namespace tvx::host_erp {

std::vector<DocumentKey> SalesView::emPreparacao(const QString& tipo) const {
    QString sql = QStringLiteral("SELECT TPDOC, NNUMDOC, SERIE, ANO FROM DOCGCCAB WHERE EMPREPARACAO = 1");
    if (!tipo.isEmpty()) sql += QStringLiteral(" AND TPDOC = ") + sqlText(tipo);
    const auto ligacao = session_->Ligacao();
    if (!ligacao) err::raise(err::ObjectNotSet, QStringLiteral("SalesView"));
    std::shared_ptr<ado::Recordset> rs;
    ligacao->Consultar(QString(), sql + QStringLiteral(" ORDER BY ID"), rs, -1, 0);
    std::vector<DocumentKey> keys;
    for (; !rs->Eof(); rs->MoveNext())
        keys.push_back({CStr(rs->value(0)), CLng(rs->value(1)), CInt(rs->value(2)), CInt(rs->value(3))});
    return keys;
}

std::int32_t SalesView::finalizar(const DocumentKey& key, std::shared_ptr<DocComercial>* saved) {
    std::shared_ptr<DocComercial> doc = session_->DocComercial();
    auto* hostDoc = dynamic_cast<CommercialDocument*>(doc.get());
    if (!hostDoc) err::raise(err::TypeMismatch, QStringLiteral("SalesView"));
    Variant tipo(key.tipo), numero(key.numero), serie(key.serie), ano(key.ano);
    std::int32_t result = hostDoc->lerEmPreparacao(key);
    if (result == 0 && beforeSave_) {
        bool cancel = false;
        beforeSave_(doc, cancel);
        if (cancel) {
            message_ = QStringLiteral("A gravação do documento %1 foi cancelada.").arg(describe(key));
            return 1;
        }
    }
    if (result == 0) result = doc->Finalizar(ano, tipo, serie, numero);
    message_ = doc->UltimaMensagem();
    if (result != 0) return result;
    if (saved) *saved = doc;
    if (save_) save_(doc);
    return 0;
}

}  // namespace tvx::host_erp
