#pragma once
// The frame every run shares (the ticket import, the transfer import, the
// receipt removal): the log and the parameters row, the run locks (a refused
// run changes nothing), the recovery of the document an interrupted run left
// in flight, the progress loop with its signs of life and the user's request
// to stop, the step that stores one document under the in-flight record, the
// release, the summary and the viewer. A run supplies only what it selects
// and what it does per row.
#include "agency/origem_dados.h"
#include "agency/source_writes.h"
#include "platform/automation/automation_error.h"
#include "runs/documento_pendente.h"
#include "runs/execucoes_sql.h"
#include "runs/run_context.h"

#include <QString>
#include <cstdint>
#include <functional>
#include <memory>

namespace tvx {

class FrmProgressoImport;

// The texts a run shows around its own work.
struct RunTexts {
    QString errorTitle;       // the error box's title, and the refused run's
    QString errorMessage;     // "Erro ao importar.", before the error's description
    QString summaryTitle;     // the summary box's title
    QString successMessage;   // the summary when the log holds no "Erro" row
    QString errorsMessage;    // the summary when it does
    QString progressCaption;  // "": the progress window keeps its design-time caption
};

// What follows an error that ends the run, once it has been shown: the
// summary and the viewer as after a normal end (errors of that end then pass
// to the caller), or the log closed unseen.
enum class AfterError { Finish, CloseLog };

struct RunSpec {
    std::int32_t operation = 0;  // the operation code the run lock names
    execucoes_sql::Coluna inFlightColumn = execucoes_sql::Coluna::Factura;
    RunTexts texts;
    AfterError afterError = AfterError::CloseLog;
    // The agency source the run locks, read from the parameters row; empty:
    // the run locks only the company.
    std::function<QString(ado::Recordset& parameters)> lockedSource;
};

// Completes the document an interrupted run left in flight: finds it in the
// host and writes its marks into the source the record names.
using Recovery = std::function<void(const DocumentoPendente&, SourceWrites&)>;

class RunFrame {
public:
    RunFrame(RunContext& context, RunSpec spec);
    ~RunFrame();
    RunFrame(const RunFrame&) = delete;
    RunFrame& operator=(const RunFrame&) = delete;

    // The whole run around `body`: log, parameters, locks, `body`, release,
    // summary, viewer. An error ends it with the error box; see AfterError.
    void run(const std::function<void()>& body);

    ado::Recordset& parameters() const;
    SessaoApi& api() const;       // error 91 without a host session
    OrigemDados& source() const;  // error 91 before openSource

    // A new source on `dataSource` in the context's field. With `recovery`
    // the run marks the source's rows: a source that cannot take marks is an
    // error before anything is stored, and the interrupted run's document is
    // completed before anything is selected.
    OrigemDados& openSource(const QString& dataSource, const Recovery& recovery = {});

    // The progress window over the rows of `rs`, from its first row: `row`
    // with each row's position, a sign of life after each; `last` after the
    // last row handled, before the window goes. Stops early, before a row,
    // when the user asked to stop.
    void forEachRow(ado::Recordset& rs, const std::function<void(std::int32_t line)>& row,
                    const std::function<void()>& last = {});
    // The same over the numbers `first` to `last`, labelled `label` + number.
    void forEachNumber(std::int64_t first, std::int64_t last, const QString& label,
                       const std::function<void(std::int64_t)>& step);

    // One document: named in the in-flight record (unless `record` is empty),
    // then `store` stores it and marks its rows. Settled once `store`
    // returns; an error leaves the record for the next run's recovery.
    void document(const DocumentoPendente& record, const std::function<void()>& store);

    void log(std::int32_t line, const QString& status, const QString& description);

    // The text of the "AVISO" row a stopped run logs.
    static QString stoppedText(std::int64_t done, std::int64_t total);
    // The text of the "Erro" row for a record whose agency file is gone.
    static QString lostText(const DocumentoPendente& pending);

private:
    bool start();
    // After an error: true when the run goes on to its finish.
    bool fail(const AutomationError& error);
    void finish();
    void release();
    void closeProgress();
    // One turn of the loop: the sign of life; false when the user asked to stop.
    bool carryOn(std::int64_t done, std::int64_t total);
    void logStop();
    void recover(const QString& dataSource, const Recovery& recovery);

    RunContext& c_;
    RunSpec spec_;
    std::shared_ptr<ado::Recordset> parameters_;
    std::unique_ptr<RunGuard> guard_;
    std::unique_ptr<FrmProgressoImport> progress_;
    std::int32_t line_ = 0;  // the row in hand, for the rows the frame logs
    bool sourceOpened_ = false;
    bool stopped_ = false;
    std::int64_t stoppedAfter_ = 0;  // where the user stopped the run: rows done, of how many
    std::int64_t stoppedOf_ = 0;
};

}  // namespace tvx
