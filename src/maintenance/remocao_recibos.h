#pragma once
// The receipt removal: asks the host to remove each financial document of a
// range of numbers in turn, logging "OK" or "ERRO" for each one, with a
// progress window, a final message and the log in the viewer. A document
// the host refuses is logged and the run goes on; any other error ends the
// run with the message "Erro ao importar." under "Remover Recibos" and the
// log closed unseen. Documents removed before it stay removed.
//
// It is a run like the imports: it holds the company's run lock from start
// to end, so it never runs beside an import or another removal.
#include "platform/automation/automation_error.h"
#include "runs/run_context.h"

#include <QString>
#include <cstdint>
#include <functional>
#include <memory>

namespace tvx {

class RemocaoRecibos {
public:
    explicit RemocaoRecibos(RunContext contexto);
    ~RemocaoRecibos();

    // The whole run over the numbers lPrim to lUlt (none when lPrim > lUlt);
    // no error leaves it.
    // `aposBloqueio`, when given, runs once the run holds its lock, before the
    // first number (the command giving BDUSER back); a refused run never calls it.
    void pRecibosRemover(const QString& sTpdoc, std::int16_t iAno, std::int32_t lPrim, std::int32_t lUlt,
                         const std::function<void()>& aposBloqueio = {});

    // The operation the run lock names (the configuration editor's).
    static constexpr std::int32_t Operacao = 1002;

    // Texts the user sees.
    static const QString TituloProgresso;   // "Remoção de Recibos", also the final messages' title
    static const QString MensagemComErros;  // "Ocorreram erros na remoção de recibos."
    static const QString MensagemSucesso;   // "Remoção de Recibos terminou com êxito!"
    static const QString TituloErro;        // "Remover Recibos"
    static const QString MensagemErro;      // "Erro ao importar."

private:
    void pReciboRemover(const QString& sTpdoc, std::int16_t iAno, std::int32_t lNumero);
    // RPCSERIE for the on-account receipt type (letter case aside), RECSERIE for any other.
    std::int16_t pSerie(const QString& sTpdoc) const;

    RunContext c_;
    ado::Recordset* rsParametros_ = nullptr;  // while the run lasts
};

}  // namespace tvx
