#include "runs/company_run_lock.h"

#include "platform/ado/recordset.h"
#include "platform/automation/automation_error.h"
#include "platform/automation/clock.h"
#include "platform/automation/conversions.h"
#include "runs/consulta.h"
#include "settings/dal_comandos.h"

#include <QTimeZone>

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

// A moment as the row keeps it: UTC (invalid when the text is not one).
QDateTime horaUtc(const QString& texto) {
    const QDateTime t = QDateTime::fromString(texto, FormatoHora);
    return t.isValid() ? QDateTime(t.date(), t.time(), QTimeZone::utc()) : t;
}

QString horaLocal(const QString& utc) {
    const QDateTime t = horaUtc(utc);
    return t.isValid() ? t.toLocalTime().toString(QStringLiteral("dd-MM-yyyy hh:mm:ss")) : utc;
}

// How far ahead of this workstation's clock another's may run and still be
// read as it stands.
constexpr qint64 FolgaDoRelogio = 60;

bool existeTabela(DalComandos& comandos) {
    return consultar(comandos, execucoes_sql::existeQuery())->RecordCount() > 0;
}

}  // namespace

CompanyRunLock::CompanyRunLock(DalComandos& comandos, std::int32_t operacao, Coluna coluna)
    : comandos_(comandos), operacao_(operacao), coluna_(coluna) {}

CompanyRunLock::~CompanyRunLock() {
    tryIgnoringError([this] { libertar(); });
}

QString CompanyRunLock::agora() const { return clock().nowUtc().toString(FormatoHora); }

bool CompanyRunLock::adquirir(const QString& sEmpresa) {
    return reraiseAs(Fonte, [&] {
        // Made when missing; two first runs may both try, and one finds it made.
        if (!existeTabela(comandos_)) {
            try {
                comandos_.HlpDb_Executar(execucoes_sql::createStatement());
            } catch (...) {
                if (!existeTabela(comandos_)) throw;
            }
        }
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
                if (vivo(dono, batimento)) {
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
                ultimoBatimento_ = clock().nowUtc();
                return true;
            }
        }
        err::raise(err::Unspecified, QStringLiteral("O bloqueio de execução da empresa mudou de mãos repetidamente."),
                   Fonte);
    });
}

bool CompanyRunLock::vivo(const ProcessIdentity& dono, const QString& batimento) {
    if (dono.estacao == eu_.estacao) return ProcessIdentity::isRunning(dono);
    const QDateTime visto = horaUtc(batimento);
    const QDateTime agora = clock().nowUtc();
    if (visto.isValid() && visto.secsTo(agora) >= -FolgaDoRelogio) return visto.secsTo(agora) < SegundosAteAbandono;
    // A sign of life this clock cannot place (unreadable, or from a clock
    // running ahead) is counted from now on this workstation's clock: the row
    // gets this clock's time in its place, unless the holder wrote since.
    comandos_.HlpDb_Executar(execucoes_sql::recontar(dono, batimento, this->agora()));
    return true;
}

void CompanyRunLock::executarComoDono(const QString& sql, const std::vector<Variant>& valores, bool diferido) {
    if (!detido_ || (diferido ? comandos_.HlpDb_ExecutarDiferido(sql, valores) : comandos_.HlpDb_Executar(sql)) != 1) {
        detido_ = false;
        err::raise(err::Unspecified,
                   QStringLiteral("A operação deixou de deter o bloqueio de execução da empresa (outro posto "
                                  "tomou-o ao fim de %1 segundos sem sinal de vida).")
                       .arg(SegundosAteAbandono),
                   Fonte);
    }
    ultimoBatimento_ = clock().nowUtc();
}

void CompanyRunLock::registar(const DocumentoPendente& documento) {
    if (registo_.isEmpty()) registo_ = execucoes_sql::registar(eu_, coluna_);
    const QString texto = documento.texto();  // '' when empty: the column takes no Null
    executarComoDono(registo_, {Variant(texto.isNull() ? QStringLiteral("") : texto), Variant(agora())}, true);
    resolvido_ = documento.vazio();
}

void CompanyRunLock::batimento() {
    if (!detido_ || ultimoBatimento_.secsTo(clock().nowUtc()) < SegundosEntreBatimentos) return;
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
