#pragma once
// Stand-ins around the transfer import: the pending transfers as the agency
// source gives them, a recording source, a recording progress window and
// the run's desktop.
#include "agency/origem_dados.h"
#include "platform/ado/recordset.h"
#include "platform/automation/automation_error.h"
#include "platform/ui/message_loop.h"
#include "platform/ui/progress_window.h"
#include "runs/run_desktop.h"
#include "support/fake_message_box.h"

#include <QDate>
#include <QStringList>
#include <optional>

namespace tvx::testing {

struct Transferencia {
    std::int32_t id = 1;
    Variant account = Variant("C0001");
    Currency valor = Currency::fromLong(100);
    QDate data = QDate(2024, 3, 5);
    Variant fatura = Variant::null();
    Variant conta = Variant("PT50003500010001234567890");
    QString codigo = QStringLiteral("BAT");
};

// The transfer record set's fields, one row per transfer, on its first row.
std::shared_ptr<ado::Recordset> transferencias(const std::vector<Transferencia>& rows);

class FakeOrigem : public OrigemDados {
public:
    explicit FakeOrigem(std::shared_ptr<ado::Recordset> rs) : rs_(std::move(rs)) {}
    bool ConnectionOpen(const QString& sDataSource, const QString& sUser, const QString& sPassWord) override;
    bool ConnectionClose() override;
    std::shared_ptr<ado::Recordset> GetRecordSet(const QString& sTable) override;
    void UpdateTktIssued(std::int32_t, const QString&) override {}
    void UpdateMovBancarioComRecibo(std::int32_t Id, const QString& sRecibo) override;
    void UpdateTktIssuedFacturaFinalizada(const QString&, const QString&, const QString&) override {}
    std::shared_ptr<Collection> GetTabelas() override { return std::make_shared<Collection>(); }

    QStringList calls;
    std::optional<std::int32_t> falhaAoMarcar;  // the ID whose mark fails
    std::optional<AutomationError> falhaAoAbrir;

private:
    std::shared_ptr<ado::Recordset> rs_;
};

class RecordingProgressWindow : public ui::ProgressWindow {
public:
    explicit RecordingProgressWindow(QStringList& log) : log_(log) {}
    ~RecordingProgressWindow() override { log_ << QStringLiteral("unload"); }
    void SetCaption(const QString& caption) override { log_ << QStringLiteral("caption=") + caption; }
    void SetLabelCaption(const QString& caption) override { log_ << QStringLiteral("label=") + caption; }
    void SetBarMax(int max) override { log_ << QStringLiteral("max=%1").arg(max); }
    void SetBarValue(int value) override { log_ << QStringLiteral("value=%1").arg(value); }
    void Show() override { log_ << QStringLiteral("show"); }
    void Hide() override { log_ << QStringLiteral("hide"); }

private:
    QStringList& log_;
};

class CountingMessageLoop : public ui::MessageLoop {
public:
    void DoEvents() override { ++turns; }
    int turns = 0;
};

// One diagnostics row as "Linha|Estado|Descrição".
using LinhasLog = QStringList;
LinhasLog linhasDoLog(ado::Recordset& log);

// The desktop of a run: recording message box, progress window and viewer.
struct RunDesktopFake {
    FakeMessageBox messages;
    CountingMessageLoop loop;
    QStringList progresso;        // what the progress windows were told
    int viewerShows = 0;
    LinhasLog linhasNoViewer;     // the log as the viewer got it

    RunDesktop desktop();
};

}  // namespace tvx::testing
