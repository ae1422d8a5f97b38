// The steps of the connection lifecycle.
#include "addin/addin_folder.h"
#include "addin/automation_objects.h"
#include "addin/solucao.h"
#include "host_api/config_ligacao.h"
#include "host_api/host_classes.h"
#include "host_api/pastas.h"
#include "settings/cinifile.h"
#include "settings/dal_comandos.h"

namespace tvx::addin {

namespace {

// Reads the keys of one section, in order, each into its field.
void lerSeccao(cInifile& ini, const QString& sSection, std::initializer_list<std::pair<const char*, QString*>> keys) {
    ini.setSection(sSection);
    for (const auto& [sKey, field] : keys) {
        ini.setKey(QString::fromUtf8(sKey));
        *field = ini.Value();
    }
}

}  // namespace

void Solucao::pLerDefinicoes() {
    reraiseAs(QStringLiteral("pLerDefinicoes"), [&] {
        QString sPasta = createObject<PastaBase>(host_classes::PastaBase)->Pasta() + QStringLiteral("\\quorel");
        if (!createObject<PastaExiste>(host_classes::PastaExiste)->Existe(sPasta)) sPasta = addinFolder();
        m_.m_sIniFile = sPasta + QStringLiteral("\\") + QStringLiteral("BRISKO") + QStringLiteral(".") + m_.m_sEmpresa;

        cInifile ini;
        ini.setPath(m_.m_sIniFile);
        lerSeccao(ini, QStringLiteral("Api Vesk"),
                  {{"password", &m_.m_sApiPassword},
                   {"Login", &m_.m_sApiLogin},
                   {"Empresa", &m_.m_sApiEmpresa},
                   {"perclog", &m_.m_sApiPerclog},
                   {"PercWindows", &m_.m_sApiPercWindows}});
        lerSeccao(ini, QStringLiteral("Ligação"),
                  {{"Servidor", &m_.m_sServidor},
                   {"BaseDados", &m_.m_sBaseDados},
                   {"User", &m_.m_sUser},
                   {"PassWord", &m_.m_sPassWord}});
    });
}

bool Solucao::pLigarBaseDados() {
    return reraiseAs(QStringLiteral("pLigarBaseDados"), [&] {
        m_.m_Ligacao = createObject<DalLigacao>(host_classes::DalLigacao);
        const auto config = createObject<ConfigLigacao>(host_classes::ConfigLigacao);
        config->Carregar(m_.m_sIniFile);
        const auto lerValores = [&] {
            m_.m_sServidor = config->Servidor();
            m_.m_sBaseDados = config->BaseDados();
            m_.m_sUser = config->Utilizador();
            m_.m_sPassWord = config->Password();
        };
        lerValores();
        // The password alone is not tested: an empty one is a valid password.
        if (m_.m_sServidor.isEmpty() || m_.m_sBaseDados.isEmpty() || m_.m_sUser.isEmpty()) {
            config->Modo(0);
            config->Recarregar();
            lerValores();
        }
        const QString sLigacao = pStringLigacaoGet(QStringLiteral("MSDataShape"), QStringLiteral("SQLOLEDB"),
                                                   m_.m_sServidor, m_.m_sBaseDados, m_.m_sUser, m_.m_sPassWord);
        return m_.m_Ligacao->Abrir(sLigacao);
    });
}

QString pStringLigacaoGet(const QString& sProvider, const QString& sDataProvider, const QString& sServidor,
                          const QString& sBaseDados, const QString& sUser, const QString& sPassWord) {
    QString s = sProvider.isEmpty()
                    ? QStringLiteral("Provider=") + sDataProvider
                    : QStringLiteral("Provider=") + sProvider + QStringLiteral(";Data Provider=") + sDataProvider;
    s += QStringLiteral(";Data Source=") + sServidor + QStringLiteral(";Initial Catalog=") + sBaseDados;
    if (!sUser.isEmpty() || !sPassWord.isEmpty())
        s += QStringLiteral(";User Id=") + sUser + QStringLiteral(";Password=") + sPassWord + QStringLiteral("; ");
    else
        s += QStringLiteral(";Integrated Security=SSPI;");
    return s;
}

bool Solucao::pLigarApi() {
    return reraiseAs(QStringLiteral("pLigarApi"), [&] {
        m_.m_Api = createObject<SessaoApi>(host_classes::SessaoApi);
        if (m_.m_Api->Iniciar(m_.m_sIniFile)) {
            m_.m_Api->Ligacao(m_.m_Ligacao);
            return true;
        }
        ui_->messages().MsgBox(QStringLiteral("Erro. Não foi possivel ligar ao Tumo Vesk"), ui::vbExclamation,
                               QStringLiteral("Ligação ao Servidor/Tumo Vesk"));
        return false;
    });
}

bool Solucao::pDesligarApi() {
    reraiseAs(QStringLiteral("pDesligarApi"), [&] {
        if (m_.m_Api) m_.m_Api->Terminar();
    });
    return true;
}

bool Solucao::pDesligarBaseDados() {
    tryIgnoringError([&] { requireObject(m_.m_Ligacao).Fechar(); });
    m_.m_Ligacao.reset();
    return true;
}

void Solucao::pCompatibilizarBaseDados() {
    reraiseAs(QStringLiteral("pCompatibilizarBaseDados"), [this] { m_.m_Comandos.HlpDb_ParametrosCreate(); });
}

}  // namespace tvx::addin
