#pragma once
// The object the host creates when it loads the add-in for a company: its
// connection lifecycle, the menu operations and the view hooks, callable by
// name through its automation interface.
#include "addin/frm_importacao.h"
#include "addin/operation_runs.h"
#include "addin/solucao_estado.h"
#include "addin/view_hook_list.h"
#include "platform/automation/dispatch.h"
#include "platform/ui/addin_ui.h"
#include "runs/run_context.h"
#include "runs/run_desktop.h"

#include <QString>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

namespace tvx {
class FrmViewDiagnosticos;
}

namespace tvx::addin {

// Menu operation codes.
enum OperationCode : std::int32_t {
    OpImportarBilhetes = 1000,
    OpConsultaDiagnosticos = 1001,
    OpConfiguracao = 1002,
    OpImportarTransferencias = 1003,
    OpImportarBilhetesCsv = 1004,
};

// Entry titles.
inline const QString TituloLigacao = QStringLiteral("Ligação ao Servidor");
inline const QString TituloValidacao = QStringLiteral("Validação da ligação ao Servidor");
inline const QString TituloOperacoes = QStringLiteral("Operações");

class Solucao : public Dispatch {
public:
    explicit Solucao(std::shared_ptr<ui::AddinUi> ui, std::shared_ptr<OperationRuns> runs = defaultOperationRuns());
    ~Solucao() override;
    Solucao(const Solucao&) = delete;
    Solucao& operator=(const Solucao&) = delete;

    // Connection lifecycle; the Booleans are automation booleans on the interface.
    bool ConnectionOpen(const QString& sEmpresa, const QString& sUserLogin);
    // Has no handler: an error of the session's end goes back to the caller.
    bool ConnectionClose();
    bool ConnectionValidate(const QString& sEmpresa, const QString& sUserLogin);

    // Runs one menu operation to completion.
    void Operacoes(Variant& vPai, Variant& vOperacao, Variant& vUtilizador);

    // The view hooks, in the order of the interface.
#define TVX_DECLARE_HOOK(name, params, work) void name TVX_HOOK_PARAMS_##params;
    TVX_VIEW_HOOKS(TVX_DECLARE_HOOK)
#undef TVX_DECLARE_HOOK

    // Automation interface.
    QStringList memberNames() const override;
    Variant Invoke(const QString& name, std::vector<Variant>& args) override;

    // For the runs.
    SolucaoEstado& estado() { return m_; }
    const SolucaoEstado& estado() const { return m_; }
    ui::AddinUi& ui() { return *ui_; }
    // The desktop a long run shows itself on; its viewer is pViewDiagnostico.
    RunDesktop runDesktop();
    // What a run borrows: the session, the database helpers, the log, the
    // field `origem` that keeps the run's source (new ones from `novaOrigem`)
    // and the desktop.
    RunContext runContext(std::shared_ptr<OrigemDados>& origem,
                          std::function<std::shared_ptr<OrigemDados>()> novaOrigem);
    // The file dialog the add-in's commands share, on the never-shown form
    // FrmImportacao (loaded on first use, then kept).
    ui::CommonDialog& dialogoFicheiros();
    // Loads a new diagnostics viewer, hands it to `use` and unloads it.
    void comViewerDiagnosticos(const std::function<void(FrmViewDiagnosticos&)>& use);
    // A run's log in a new viewer, modal (a null log: the viewer asks for a file).
    void pViewDiagnostico(std::shared_ptr<ado::Recordset> log);
    // Operation 1002: the configuration window, modal; once it has closed,
    // the command typed into it goes to the runs (pManutencaoExecutar).
    // Any error ends here, in a message box titled "Configuração".
    void pConfiguracaoEditar();

private:
    // Connection steps; each raises its errors again under its own name.
    void pLerDefinicoes();
    bool pLigarBaseDados();
    bool pLigarApi();
    bool pDesligarApi();
    bool pDesligarBaseDados();
    void pCompatibilizarBaseDados();

    // Operations.
    bool pOperacoesOcultas();  // the hidden switch of the parameters row
    void pOperacaoExecutar(std::int32_t code);
    QString pFicheiroCsvEscolher();

    // A hook that does nothing but still follows the entry convention.
    void pHookVazio(const QString& sHook);

    std::shared_ptr<ui::AddinUi> ui_;
    std::shared_ptr<OperationRuns> runs_;
    SolucaoEstado m_;
    std::optional<FrmImportacao> frmImportacao_;  // loaded on first use
};

// The OLE DB connection string of the company database.
QString pStringLigacaoGet(const QString& sProvider, const QString& sDataProvider, const QString& sServidor,
                          const QString& sBaseDados, const QString& sUser, const QString& sPassWord);

}  // namespace tvx::addin
