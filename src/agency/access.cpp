#include "agency/access.h"

#include "agency/access_sql.h"
#include "platform/automation/automation_error.h"
#include "platform/automation/clock.h"
#include "platform/sql/connection.h"

namespace tvx {

namespace {

QString fonte(const char* operacao) { return QStringLiteral("Access::") + QLatin1String(operacao); }

}  // namespace

Access::Access() = default;
Access::~Access() = default;

sql::Connection& Access::ligacao() const {
    if (!m_Ligacao) err::raise(err::ObjectNotSet);
    return *m_Ligacao;
}

bool Access::ConnectionOpen(const QString& sDataSource, const QString&, const QString&) {
    return reraiseAs(fonte("ConnectionOpen"), [&] {
        m_Ligacao.reset();
        m_Ligacao = sql::Connection::open(access_sql::connectionString(sDataSource));
        return true;
    });
}

bool Access::ConnectionClose() {
    return reraiseAs(fonte("ConnectionClose"), [&] {
        if (!m_Ligacao) return true;  // never opened (or closed already): nothing to close
        m_Ligacao->Close();
        m_Ligacao.reset();
        return true;
    });
}

bool Access::beginMarkers() {
    if (!m_Ligacao || m_Ligacao->inTransaction()) return false;
    try {
        m_Ligacao->BeginTrans();
        return true;
    } catch (const AutomationError&) {
        return false;  // locked by another writer, say: the markers go one by one
    }
}

void Access::commitMarkers() {
    reraiseAs(fonte("commitMarkers"), [&] { ligacao().CommitTrans(); });
}

void Access::rollbackMarkers() {
    if (m_Ligacao && m_Ligacao->inTransaction()) tryIgnoringError([&] { m_Ligacao->RollbackTrans(); });
}

QString Access::sqlDoRecordSet(const QString& sTable) {
    if (sTable == u"TKT Issued") return access_sql::selectTktIssued(access_sql::codigoDiaSemana(clock().today()));
    if (sTable == u"Extratos_bancos") return access_sql::selectExtratosBancos();
    return {};
}

std::shared_ptr<ado::Recordset> Access::GetRecordSet(const QString& sTable) {
    return reraiseAs(fonte("GetRecordSet"), [&] {
        sql::Connection& ligacao = this->ligacao();
        const QString sql = sqlDoRecordSet(sTable);
        if (sql.isEmpty()) err::raise(err::CommandTextNotSet);
        return ligacao.Query(sql);
    });
}

void Access::UpdateTktIssued(std::int32_t Id, const QString& sFactura) {
    reraiseAs(fonte("UpdateTktIssued"), [&] { ligacao().Execute(access_sql::updateTktIssued(Id, sFactura)); });
}

void Access::UpdateMovBancarioComRecibo(std::int32_t Id, const QString& sRecibo) {
    reraiseAs(fonte("UpdateMovBancarioComRecibo"),
              [&] { ligacao().Execute(access_sql::updateMovBancarioComRecibo(Id, sRecibo)); });
}

void Access::UpdateTktIssuedFacturaFinalizada(const QString& sRefFact, const QString& sCliente,
                                              const QString& sFactura) {
    reraiseAs(fonte("UpdateTktIssuedFacturaFinalizada"),
              [&] { ligacao().Execute(access_sql::updateTktIssuedFacturaFinalizada(sRefFact, sCliente, sFactura)); });
}

std::shared_ptr<Collection> Access::GetTabelas() {
    // SQLite's catalogue stands in for the provider's: its tables and views in
    // the order it keeps them, without SQLite's own bookkeeping tables.
    const auto rs = ligacao().Query(QStringLiteral(
        "SELECT name FROM sqlite_master WHERE type IN ('table','view') AND name NOT LIKE 'sqlite~_%' ESCAPE '~' "
        "ORDER BY rowid"));
    auto tabelas = std::make_shared<Collection>();
    if (rs->State() == ado::adStateOpen) {
        for (; !rs->Eof(); rs->MoveNext()) tabelas->Add(rs->value(0));
    }
    return tabelas;
}

}  // namespace tvx
