#pragma once
// What a running add-in holds, in the order the entry object declares it.
// The entry object owns it; the operation runs work on it.
#include "agency/origem_dados.h"
#include "diagnostics/diagnostico_log.h"
#include "host_api/dal_ligacao.h"
#include "host_api/sessao_api.h"
#include "settings/dal_comandos.h"

#include <QString>
#include <memory>

namespace tvx::addin {

struct SolucaoEstado {
    std::shared_ptr<DalLigacao> m_Ligacao;  // company database connection component
    std::shared_ptr<OrigemDados> m_Origem;  // Access source of the sales view hooks
    // Access source of the import runs, kept apart from the sales views' one:
    // a sales view left open across an import keeps its source open.
    std::shared_ptr<OrigemDados> m_OrigemImportacao;
    std::shared_ptr<OrigemDados> m_Csv;  // source of the hidden CSV mode
    QString m_sUser;                     // SQL Server login
    QString m_sPassWord;
    QString m_sServidor;
    QString m_sBaseDados;
    std::shared_ptr<SessaoApi> m_Api;  // host automation session
    // The "Api Vesk" section, kept as read.
    QString m_sApiEmpresa;
    QString m_sApiPercWindows;
    QString m_sApiPerclog;
    QString m_sApiLogin;
    QString m_sApiPassword;
    QString m_sUserLogin;  // user login given by the host
    QString m_sEmpresa;    // company code given by the host
    QString m_sIniFile;    // full path of the settings file
    // The database helpers over m_Ligacao (HlpDb_LigacaoSet at each open).
    DalComandos m_Comandos;
    // Its rsDiagnostico: the current run's log, Nothing outside a run.
    DiagnosticoLog m_Diagnostico{&DalComandos::HlpDb_DiagnosticoCreate};
    bool m_bCsv = false;     // the ticket import reads the CSV file
    QString m_sFicheiroCsv;  // CSV file chosen for the run
};

}  // namespace tvx::addin
