// The menu operations: the hidden switch, the CSV file choice and the runs.
#include "addin/automation_objects.h"
#include "addin/entry_point.h"
#include "addin/solucao.h"
#include "platform/ado/recordset.h"
#include "platform/automation/conversions.h"
#include "settings/dal_comandos.h"

namespace tvx::addin {

namespace {

// BDPASSW holding this code (any letter case) turns the ticket import into the CSV import.
const QString CodigoOculto = QStringLiteral("KARVEN");

}  // namespace

void Solucao::Operacoes(Variant& /*vPai*/, Variant& vOperacao, Variant& vUtilizador) {
    // A second run arriving while one is in progress (through a run's
    // message-loop turn, or from another process) is refused by the runs'
    // own locks, with a message that says which run holds them.
    runEntryPoint(ui_->messages(), TituloOperacoes, [&] {
        std::int32_t lOperacao = CLng(vOperacao);
        (void)CStr(vUtilizador);                   // the user is taken as a text and not used
        const bool bOculto = pOperacoesOcultas();  // read before every code
        if (lOperacao == OpImportarBilhetes && bOculto) lOperacao = OpImportarBilhetesCsv;
        pOperacaoExecutar(lOperacao);
    });
}

bool Solucao::pOperacoesOcultas() {
    const auto rs = m_.m_Comandos.HlpDb_ParametrosGet();
    // No row yet: not hidden, so that the configuration editor can add the first one.
    if (requireObject(rs).Eof()) return false;
    return UCase(CStr(rs->value(QStringLiteral("BDPASSW")))) == CodigoOculto;
}

void Solucao::pOperacaoExecutar(std::int32_t lOperacao) {
    switch (lOperacao) {
        case OpImportarBilhetes:
            m_.m_bCsv = false;
            runs_->runTicketImport(*this);
            break;
        case OpConsultaDiagnosticos:
            runs_->runViewer(*this);
            break;
        case OpConfiguracao:
            runs_->runConfigEditor(*this);
            break;
        case OpImportarTransferencias:
            runs_->runTransferImport(*this);
            break;
        case OpImportarBilhetesCsv:
            m_.m_sFicheiroCsv = pFicheiroCsvEscolher();
            if (m_.m_sFicheiroCsv.isEmpty()) break;  // cancelled
            m_.m_bCsv = true;
            runs_->runTicketImport(*this);
            break;
        default:
            break;
    }
}

ui::CommonDialog& Solucao::dialogoFicheiros() {
    if (!frmImportacao_) frmImportacao_.emplace(ui_->newCommonDialog());
    return frmImportacao_->cdlFicheiro();
}

QString Solucao::pFicheiroCsvEscolher() {
    QString sFicheiro;
    // A form that could not be loaded stays unloaded: the later steps fail too.
    bool bCarregado = false;
    const auto dialogo = [&]() -> ui::CommonDialog& {
        if (!bCarregado) err::raise(err::ObjectNotSet);
        return dialogoFicheiros();
    };
    runIgnoringErrors({
        [&] {
            (void)dialogoFicheiros();
            bCarregado = true;
        },
        [&] {
            ui::CommonDialog& d = dialogo();
            d.FileName.clear();
            d.FilterIndex = 1;
            d.DialogTitle = CsvDialogTitle;
            d.Filter = CsvDialogFilter;
            d.Flags = CsvDialogFlags;
        },
        [&] { dialogo().ShowOpen(); },
        [&] { sFicheiro = dialogo().FileName; },
    });
    return sFicheiro;
}

}  // namespace tvx::addin
