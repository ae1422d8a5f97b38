#pragma once
// A scripted stand-in for the host components the entry object creates by
// class name, for a fake Access source and for the desktop. Every call is
// logged as "Class#n.Member(args)" so tests can check order and arguments.
#include "agency/origem_dados.h"
#include "host_api/config_ligacao.h"
#include "host_api/pastas.h"
#include "host_api/sessao_api.h"
#include "platform/ado/recordset.h"
#include "platform/automation/automation_error.h"
#include "platform/ui/addin_ui.h"
#include "support/fake_common_dialog.h"
#include "support/fake_message_box.h"
#include "support/fake_shell.h"

#include <QStringList>
#include <QTemporaryDir>
#include <functional>
#include <map>
#include <optional>

namespace tvx::testing {

// The parameters row the fake database answers; none: an empty table.
struct ParametrosRow {
    QString BDNOME = QStringLiteral("C:\\Agencia\\agencia.accdb");
    QString BDPASSW;
    QString FATTIPODOCUM = QStringLiteral("FT");
};

struct FakeHost {
    FakeHost();   // registers the host classes and "Telvarix.Access"
    ~FakeHost();  // unregisters them
    FakeHost(const FakeHost&) = delete;
    FakeHost& operator=(const FakeHost&) = delete;

    // Folders.
    QTemporaryDir base;
    bool quorelExists = true;
    QString quorelPath() const;  // base + "/quorel", where the settings file lies
    void writeSettingsFile(const QString& empresa, const QString& text) const;

    // Connection settings component: the first answers, and those after Recarregar.
    QStringList configValues{QStringLiteral("SRV\\INST"), QStringLiteral("EMPR01"), QString(), QString()};
    QStringList reloadedValues{QStringLiteral("SRV\\INST"), QStringLiteral("EMPR01"), QString(), QString()};

    // Answers and failures.
    bool abrirAnswer = true;
    bool iniciarAnswer = true;
    bool tableExists = true;
    std::optional<ParametrosRow> parametros = ParametrosRow{};
    std::optional<AutomationError> executarError;
    std::optional<AutomationError> consultarError;
    std::optional<AutomationError> iniciarError;
    std::optional<AutomationError> terminarError;
    std::optional<AutomationError> accessOpenError;

    QStringList log;
    int created(const QString& kind) const;  // objects of that class made so far
    void record(const QString& kind, int id, const QString& call);
    std::shared_ptr<ado::Recordset> parametrosRecordset() const;

private:
    std::map<QString, int> counts_;
};

// The desktop of the tests: a recording message box, one scripted file
// dialog, progress windows that log what they are told, viewers that keep the
// rows they showed.
class FakeDesktop : public ui::AddinUi {
public:
    FakeDesktop();
    ui::MessageBox& messages() override { return messages_; }
    ui::MessageLoop& messageLoop() override;
    std::unique_ptr<ui::CommonDialog> newCommonDialog() override;  // 429 when failDialog is set
    std::unique_ptr<ui::ProgressWindow> newProgressWindow() override;
    ui::ViewerWindow newViewerWindow() override;
    ui::Shell& shell() override { return shell_; }

    FakeMessageBox messages_;
    FakeShell shell_;
    QStringList progress;                 // every call of every progress window
    std::vector<QStringList> viewerLogs;  // per viewer shown: "Linha|Estado|Descrição" per row
    FakeCommonDialog* dialog;  // the dialog handed out (or to be handed out)
    bool failDialog = false;
    int dialogsCreated = 0;

private:
    std::unique_ptr<FakeCommonDialog> pending_;
};

// A view's document: a commercial document whose header holds the given values.
ObjectRef viewDocument(const QString& tipo, std::int32_t numero, std::int16_t serie, std::int16_t ano);

}  // namespace tvx::testing
