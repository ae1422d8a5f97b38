#include "receipts/transfer_fakes.h"

#include "platform/automation/conversions.h"

namespace tvx::testing {

std::shared_ptr<ado::Recordset> transferencias(const std::vector<Transferencia>& rows) {
    auto rs = std::make_shared<ado::Recordset>();
    ado::Fields& f = rs->Fields();
    f.Append(QStringLiteral("ID"), ado::adInteger);
    f.Append(QStringLiteral("Cliente"), ado::adInteger);
    f.Append(QStringLiteral("Banco"), ado::adInteger);
    f.Append(QStringLiteral("Conta"), ado::adVarChar, 30);
    f.Append(QStringLiteral("Codigo"), ado::adVarChar, 10);
    f.Append(QStringLiteral("Account"), ado::adVarChar, 20);
    f.Append(QStringLiteral("Agency"), ado::adVarChar, 20);
    f.Append(QStringLiteral("Data"), ado::adDate);
    f.Append(QStringLiteral("Valor"), ado::adCurrency);
    f.Append(QStringLiteral("Descritivo"), ado::adVarChar, 100);
    f.Append(QStringLiteral("Fatura"), ado::adVarChar, 255);
    f.Append(QStringLiteral("estado_importado"), ado::adVarChar, 50);
    rs->Open();
    for (const Transferencia& t : rows) {
        rs->AddNew();
        rs->setValue(QStringLiteral("ID"), Variant(t.id));
        rs->setValue(QStringLiteral("Conta"), t.conta);
        rs->setValue(QStringLiteral("Codigo"), Variant(t.codigo));
        rs->setValue(QStringLiteral("Account"), t.account);
        rs->setValue(QStringLiteral("Data"), Variant::fromDate(t.data));
        rs->setValue(QStringLiteral("Valor"), Variant(t.valor));
        rs->setValue(QStringLiteral("Fatura"), t.fatura);
        rs->Update();
    }
    if (rs->RecordCount() > 0) rs->MoveFirst();
    return rs;
}

bool FakeOrigem::ConnectionOpen(const QString& sDataSource, const QString& sUser, const QString& sPassWord) {
    calls << QStringLiteral("ConnectionOpen(%1,%2,%3)").arg(sDataSource, sUser, sPassWord);
    if (falhaAoAbrir) throw falhaAoAbrir->withSource(QStringLiteral("Access::ConnectionOpen"));
    return true;
}

bool FakeOrigem::ConnectionClose() {
    calls << QStringLiteral("ConnectionClose");
    return true;
}

std::shared_ptr<ado::Recordset> FakeOrigem::GetRecordSet(const QString& sTable) {
    calls << QStringLiteral("GetRecordSet(%1)").arg(sTable);
    return rs_;
}

void FakeOrigem::UpdateMovBancarioComRecibo(std::int32_t Id, const QString& sRecibo) {
    calls << QStringLiteral("Marcar(%1,%2)").arg(Id).arg(sRecibo);
    if (falhaAoMarcar == Id)
        throw AutomationError(-2147467259, QStringLiteral("Disco cheio"),
                              QStringLiteral("Access::UpdateMovBancarioComRecibo"));
}

LinhasLog linhasDoLog(ado::Recordset& log) {
    LinhasLog linhas;
    if (log.RecordCount() <= 0) return linhas;
    for (log.MoveFirst(); !log.Eof(); log.MoveNext())
        linhas << CStr(log.value(QStringLiteral("Linha"))) + u'|' + CStr(log.value(QStringLiteral("Estado"))) + u'|' +
                      CStr(log.value(QStringLiteral("Descrição")));
    return linhas;
}

RunDesktop RunDesktopFake::desktop() {
    return RunDesktop{messages, loop, [this] { return std::make_unique<RecordingProgressWindow>(progresso); },
                      [this](std::shared_ptr<ado::Recordset> log) {
                          ++viewerShows;
                          linhasNoViewer = log ? linhasDoLog(*log) : LinhasLog{QStringLiteral("Nothing")};
                      }};
}

}  // namespace tvx::testing
