#include "runs/run_frame.h"

#include "platform/ado/recordset.h"
#include "platform/automation/automation_error.h"
#include "platform/ui/error_box.h"
#include "runs/agency_lock.h"
#include "runs/frm_progresso_import.h"
#include "settings/dal_comandos.h"

#include <QFileInfo>
#include <QStringList>

namespace tvx {

RunFrame::RunFrame(RunContext& context, RunSpec spec) : c_(context), spec_(std::move(spec)) {}

RunFrame::~RunFrame() = default;

QString RunFrame::stoppedText(std::int64_t done, std::int64_t total) {
    return QStringLiteral(
               "Operação interrompida pelo utilizador depois da linha %1 de %2; as seguintes ficam por "
               "tratar e a próxima execução continua a partir daí.")
        .arg(done)
        .arg(total);
}

QString RunFrame::lostText(const DocumentoPendente& pending) {
    return QStringLiteral(
               "Uma operação interrompida deixou por marcar o documento do cliente %1%2 (registos %3) no ficheiro da "
               "agência %4, que já não existe. Verifique no Tumo Vesk se o documento foi criado e, se foi, marque "
               "esses registos à mão no ficheiro da agência antes de os voltar a importar.")
        .arg(pending.conta,
             pending.referencia.isEmpty() ? QString() : QStringLiteral(", referência ") + pending.referencia,
             idsTexto(pending.ids), pending.agencia);
}

void RunFrame::run(const std::function<void()>& body) {
    try {
        if (!start()) return;
        body();
        closeProgress();
        if (spec_.afterError == AfterError::CloseLog) {
            finish();
            return;
        }
    } catch (...) {
        if (!fail(currentError())) return;
    }
    finish();
}

bool RunFrame::start() {
    c_.diagnostico.pDiagnosticoCreate();
    parameters_ = c_.comandos.HlpDb_ParametrosGet();
    if (!parameters_) err::raise(err::ObjectNotSet);
    const QString locked = spec_.lockedSource ? spec_.lockedSource(*parameters_) : QString();
    guard_ = c_.bloqueios(spec_.operation, spec_.inFlightColumn);
    if (guard_->adquirir(c_.empresa, locked, c_.desktop.messages, spec_.texts.errorTitle)) return true;
    // Refused: the user has been told why; nothing changed, nothing more is shown.
    guard_.reset();
    c_.diagnostico.pDiagnosticoClose();
    return false;
}

bool RunFrame::fail(const AutomationError& error) {
    tryIgnoringError([&] { closeProgress(); });
    tryIgnoringError([&] { release(); });
    // The log tells it too, so that the summary never speaks of success.
    tryIgnoringError([&] { log(line_, estado::Erro, spec_.texts.errorMessage + u' ' + error.description()); });
    const bool goOn = spec_.afterError == AfterError::Finish;
    if (!goOn) c_.diagnostico.pDiagnosticoClose();  // not shown: the run did not finish
    ui::showError(c_.desktop.messages, error, spec_.texts.errorMessage + QStringLiteral("\r\n"), ui::vbOKOnly,
                  spec_.texts.errorTitle);
    return goOn;
}

void RunFrame::finish() {
    release();
    const bool errors = c_.diagnostico.pDiagnosticoTemErros();
    c_.desktop.messages.MsgBox(errors || stopped_ ? spec_.texts.errorsMessage : spec_.texts.successMessage,
                               ui::vbOKOnly, spec_.texts.summaryTitle);
    // A source this run never opened is not its to close.
    if (sourceOpened_ && c_.origem) c_.origem->ConnectionClose();
    c_.desktop.viewDiagnostico(c_.diagnostico.rsDiagnostico());
    c_.diagnostico.pDiagnosticoClose();
}

void RunFrame::release() {
    if (guard_) guard_->libertar();
    guard_.reset();
}

void RunFrame::closeProgress() {
    if (!progress_) return;
    auto window = std::move(progress_);
    window->end();
}

ado::Recordset& RunFrame::parameters() const {
    if (!parameters_) err::raise(err::ObjectNotSet);
    return *parameters_;
}

SessaoApi& RunFrame::api() const {
    if (!c_.m_Api) err::raise(err::ObjectNotSet);
    return *c_.m_Api;
}

OrigemDados& RunFrame::source() const {
    if (!sourceOpened_ || !c_.origem) err::raise(err::ObjectNotSet);
    return *c_.origem;
}

OrigemDados& RunFrame::openSource(const QString& dataSource, const Recovery& recovery) {
    c_.origem.reset();
    c_.origem = c_.novaOrigem();
    sourceOpened_ = true;
    OrigemDados& origem = source();
    origem.ConnectionOpen(dataSource, QString(), QString());
    if (recovery) {
        // The rows get marks: the source must take them before any document
        // is stored, and an interrupted run's are written first.
        auto* writes = dynamic_cast<SourceWrites*>(&origem);
        if (!writes) err::raise(err::NotSupported, QStringLiteral("RunFrame::openSource"));
        writes->verificarEscrita();
        recover(dataSource, recovery);
    }
    return origem;
}

void RunFrame::recover(const QString& dataSource, const Recovery& recovery) {
    if (!guard_) return;
    const DocumentoPendente& pending = guard_->anterior();
    if (pending.vazio()) return;
    if (pending.agencia == dataSource) {
        recovery(pending, dynamic_cast<SourceWrites&>(source()));
    } else {
        // The interrupted run read another agency file: that file is locked
        // and opened for the recovery alone, and let go after it.
        if (!QFileInfo::exists(pending.agencia)) {
            // Gone (moved, renamed, removed): nothing can be marked there, and
            // the record must not stop every later run. The user is told what
            // to check by hand.
            log(0, estado::Erro, lostText(pending));
        } else {
            AgencyLock lock;
            if (!lock.adquirir(pending.agencia, c_.empresa)) err::raise(err::Unspecified, lock.recusa());
            const std::shared_ptr<OrigemDados> other = c_.novaOrigem();
            if (!other) err::raise(err::ObjectNotSet);
            auto* writes = dynamic_cast<SourceWrites*>(other.get());
            if (!writes) err::raise(err::NotSupported, QStringLiteral("RunFrame::recover"));
            other->ConnectionOpen(pending.agencia, QString(), QString());
            recovery(pending, *writes);
            other->ConnectionClose();
            lock.libertar(true);
        }
    }
    guard_->resolvido();
}

bool RunFrame::carryOn(std::int64_t done, std::int64_t total) {
    if (guard_) guard_->batimento();
    if (!progress_ || !progress_->cancelado()) return true;
    stopped_ = true;
    stoppedAfter_ = done;
    stoppedOf_ = total;
    return false;
}

void RunFrame::forEachRow(ado::Recordset& rs, const std::function<void(std::int32_t)>& row,
                          const std::function<void()>& last) {
    progress_ = std::make_unique<FrmProgressoImport>(c_.desktop.newProgressWindow(), c_.desktop.messageLoop);
    if (!spec_.texts.progressCaption.isEmpty()) progress_->SetCaption(spec_.texts.progressCaption);
    progress_->start();
    rs.MoveFirst();
    while (!rs.Eof()) {
        line_ = rs.AbsolutePosition();
        const std::int32_t total = rs.RecordCount();
        progress_->update(line_, total);
        if (!carryOn(line_ - 1, total)) break;
        row(line_);
        rs.MoveNext();
    }
    if (last) last();
    logStop();
    closeProgress();
}

void RunFrame::logStop() {
    // After the document in hand, so that the log ends with where the run stopped.
    if (stopped_) log(line_, estado::AVISO, stoppedText(stoppedAfter_, stoppedOf_));
}

void RunFrame::forEachNumber(std::int64_t first, std::int64_t last, const QString& label,
                             const std::function<void(std::int64_t)>& step) {
    progress_ = std::make_unique<FrmProgressoImport>(c_.desktop.newProgressWindow(), c_.desktop.messageLoop);
    if (!spec_.texts.progressCaption.isEmpty()) progress_->SetCaption(spec_.texts.progressCaption);
    progress_->start();
    // Counted in 64 bits: a range that ends at the largest number ends there.
    for (std::int64_t n = first; n <= last; ++n) {
        progress_->update(label + QString::number(n), n, first, last);
        if (!carryOn(n - first, last - first + 1)) break;
        step(n);
    }
    logStop();
    closeProgress();
}

void RunFrame::document(const DocumentoPendente& record, const std::function<void()>& store) {
    if (guard_ && !record.vazio()) guard_->registar(record);
    store();
    if (guard_) guard_->resolvido();
}

void RunFrame::log(std::int32_t line, const QString& status, const QString& description) {
    // The runs' rows name no client and no document.
    c_.diagnostico.pDiagnosticoAdd(line, QString(), status, 0, description);
}

}  // namespace tvx
