#include "runs/company_run_lock.h"

#include "platform/ado/recordset.h"
#include "platform/automation/automation_error.h"
#include "platform/automation/conversions.h"
#include "runs/consulta.h"
#include "settings/dal_comandos.h"

namespace tvx {

namespace {

const QString Fonte = QStringLiteral("CompanyRunLock");
const QString FormatoHora = QStringLiteral("yyyy-MM-ddTHH:mm:ss.zzzZ");

QString textoDe(const ado::Recordset& rs, const char* campo) {
    const Variant v = rs.value(QLatin1String(campo));
    return v.isNull() ? QString() : CStr(v);
}

std::int64_t numeroDe(const ado::Recordset& rs, const char* campo) {
    const Variant v = rs.value(QLatin1String(campo));
    return v.isNull() ? 0 : std::int64_t(CDbl(v));
}

QString horaLocal(const QString& utc) {
    const QDateTime t = QDateTime::fromString(utc, FormatoHora);
    return t.isValid() ? t.toLocalTime().toString(QStringLiteral("dd-MM-yyyy hh:mm:ss")) : utc;
}

}  // namespace

CompanyRunLock::CompanyRunLock(DalComandos& comandos, std::int32_t operacao, Coluna coluna)
    : comandos_(comandos), operacao_(operacao), coluna_(coluna) {}

CompanyRunLock::~CompanyRunLock() {
    tryIgnoringError([this] { libertar(); });
}

QString CompanyRunLock::agora() const { return QDateTime::currentDateTimeUtc().toString(FormatoHora); }

bool CompanyRunLock::adquirir(const QString& sEmpresa) {
    return reraiseAs(Fonte, [&] {
        if (consultar(comandos_, execucoes_sql::existeQuery())->RecordCount() == 0)
            comandos_.HlpDb_Executar(execucoes_sql::createStatement());
        // Two runs may race for the lock: each takes it only from what it saw,
        // so one of them finds the row changed and looks again.
        for (int tentativa = 0; tentativa < 5; ++tentativa) {
            auto rs = consultar(comandos_, execucoes_sql::linhaQuery());
            if (rs->RecordCount() == 0) {
                tryIgnoringError([&] { comandos_.HlpDb_Executar(execucoes_sql::linhaInsert()); });
                continue;
            }
            const ProcessIdentity dono{textoDe(*rs, "ESTACAO"), numeroDe(*rs, "PROCESSO"), numeroDe(*rs, "ARRANQUE")};
            const QString batimento = textoDe(*rs, "BATIMENTO");
            if (dono.pid != 0) {
                const bool vivo =
                    dono.estacao == eu_.estacao
                        ? ProcessIdentity::isRunning(dono)
                        : QDateTime::fromString(batimento, FormatoHora).secsTo(QDateTime::currentDateTimeUtc()) <
                              SegundosAteAbandono;
                if (vivo) {
                    recusa_ =
                        QStringLiteral(
                            "Está em curso outra operação na empresa %1: no posto %2, processo %3, desde %4. "
                            "Nada foi alterado; volte a tentar quando essa operação terminar.")
                            .arg(sEmpresa, dono.estacao, QString::number(dono.pid), horaLocal(textoDe(*rs, "INICIO")));
                    return false;
                }
            }
            anterior_ = DocumentoPendente::deTexto(
                textoDe(*rs, coluna_ == Coluna::Factura ? "FACTURA_PENDENTE" : "RECIBO_PENDENTE"));
            if (comandos_.HlpDb_Executar(execucoes_sql::tomar(eu_, operacao_, agora(), dono, batimento)) == 1) {
                detido_ = true;
                resolvido_ = anterior_.vazio();
                ultimoBatimento_ = QDateTime::currentDateTimeUtc();
                return true;
            }
        }
        err::raise(err::Unspecified, QStringLiteral("O bloqueio de execução da empresa mudou de mãos repetidamente."),
                   Fonte);
    });
}

void CompanyRunLock::executarComoDono(const QString& sql) {
    if (!detido_ || comandos_.HlpDb_Executar(sql) != 1) {
        detido_ = false;
        err::raise(err::Unspecified,
                   QStringLiteral("A operação deixou de deter o bloqueio de execução da empresa (outro posto "
                                  "tomou-o ao fim de %1 segundos sem sinal de vida).")
                       .arg(SegundosAteAbandono),
                   Fonte);
    }
    ultimoBatimento_ = QDateTime::currentDateTimeUtc();
}

void CompanyRunLock::registar(const DocumentoPendente& documento) {
    executarComoDono(execucoes_sql::registar(eu_, coluna_, documento.texto(), agora()));
    resolvido_ = documento.vazio();
}

void CompanyRunLock::batimento() {
    if (!detido_ || ultimoBatimento_.secsTo(QDateTime::currentDateTimeUtc()) < SegundosEntreBatimentos) return;
    executarComoDono(execucoes_sql::batimento(eu_, agora()));
}

void CompanyRunLock::libertar() {
    if (!detido_) return;
    // Held until the release is written: a release that failed is tried
    // again when the lock object goes.
    comandos_.HlpDb_Executar(execucoes_sql::libertar(eu_, coluna_, resolvido_));
    detido_ = false;
}

}  // namespace tvx
