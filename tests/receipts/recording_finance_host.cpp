#include "receipts/recording_finance_host.h"

#include "platform/automation/automation_error.h"
#include "platform/automation/conversions.h"

namespace tvx::testing {

namespace {

#define TVX_FAKE_MEMBER(Name)                                                          \
    Variant Name() const override { return m.get(#Name); }                             \
    void Name(const Variant& value) override { m.set(#Name, value); }

class FakeCab : public CabDocFinanceiro {
public:
    FakeCab(QStringList& journal, const QString& doc, const FinanceScript& script)
        : m(journal, doc + QStringLiteral(".Cab"), &script) {}
    TVX_FAKE_MEMBER(TipoDocumento)
    TVX_FAKE_MEMBER(Serie)
    TVX_FAKE_MEMBER(Sector)
    TVX_FAKE_MEMBER(ValorRegularizado)
    TVX_FAKE_MEMBER(Data)
    TVX_FAKE_MEMBER(Ano)
    TVX_FAKE_MEMBER(Moeda)
    TVX_FAKE_MEMBER(TipoTerceiro)
    TVX_FAKE_MEMBER(Terceiro)
    TVX_FAKE_MEMBER(ModoDePagamento)
    TVX_FAKE_MEMBER(bancoEmpresa)
    TVX_FAKE_MEMBER(AgenciaEmpresa)
    TVX_FAKE_MEMBER(ContaBncEmpresa)
    TVX_FAKE_MEMBER(banco)
    TVX_FAKE_MEMBER(CarteiraOrigem)
    TVX_FAKE_MEMBER(CarteiraDestino)
    TVX_FAKE_MEMBER(LigacaoCtb)
    TVX_FAKE_MEMBER(RegimeIva)
    Variant NumeroDocumento() const override { return m.get("NumeroDocumento"); }

    MembrosGravados m;
};

class FakeLinha : public LinhaDocFinanceiro {
public:
    FakeLinha(QStringList& journal, const QString& nome) : m(journal, nome) {}
    TVX_FAKE_MEMBER(TipoDocumentoLiq)
    TVX_FAKE_MEMBER(NumeroDocumentoLiq)
    TVX_FAKE_MEMBER(SerieDoLiquidado)
    TVX_FAKE_MEMBER(Anol)
    TVX_FAKE_MEMBER(ValorPago)

    MembrosGravados m;
};

#undef TVX_FAKE_MEMBER

class FakeDocFin : public DocFinanceiro {
public:
    FakeDocFin(RecordingFinanceSession& s, QString nome)
        : s_(s), nome_(std::move(nome)), cab_(std::make_shared<FakeCab>(s.journal, nome_, s.script)) {}
    std::shared_ptr<CabDocFinanceiro> Cab() override { return cab_; }
    std::int32_t AdicionaLinha(std::shared_ptr<LinhaDocFinanceiro>& oLinha) override {
        const auto* linha = dynamic_cast<FakeLinha*>(oLinha.get());
        log(QStringLiteral("AdicionaLinha(%1)").arg(linha ? linha->m.nome() : QStringLiteral("?")));
        return 0;
    }
    std::int32_t Validar() override {
        log(QStringLiteral("Validar"));
        if (s_.script.validar.empty()) return 0;
        const std::int32_t answer = s_.script.validar.front();
        s_.script.validar.pop_front();
        return answer;
    }
    std::int32_t Inserir() override {
        log(QStringLiteral("Inserir"));
        if (s_.script.inserir != 0) return s_.script.inserir;
        cab_->m.setQuietly("NumeroDocumento", Variant(s_.script.proximoNumero++));
        ++s_.recibosInseridos;
        return 0;
    }
    std::int32_t Ler(Variant& sTipoDoc, Variant& lNumero, Variant& iSerie, Variant& iAno) override {
        log(QStringLiteral("Ler(%1,%2,%3,%4)")
                .arg(debugText(sTipoDoc), debugText(lNumero), debugText(iSerie), debugText(iAno)));
        return 0;
    }
    std::int32_t Remover() override {
        log(QStringLiteral("Remover"));
        return 0;
    }
    QString UltimaMensagem() override { return s_.script.ultimaMensagem; }

    const QString& nome() const { return nome_; }

private:
    void log(const QString& call) { s_.journal << nome_ + u'.' + call; }

    RecordingFinanceSession& s_;
    QString nome_;
    std::shared_ptr<FakeCab> cab_;
};

class FakeCtb : public DocContabilistico {
public:
    FakeCtb(RecordingFinanceSession& s, QString nome) : s_(s), nome_(std::move(nome)) {}
    void DocumentoComercial(const std::shared_ptr<tvx::DocComercial>&) override { log(QStringLiteral("DocumentoComercial")); }
    void DocumentoFinanceiro(const std::shared_ptr<tvx::DocFinanceiro>& oDoc) override {
        const auto* doc = dynamic_cast<FakeDocFin*>(oDoc.get());
        log(QStringLiteral("DocumentoFinanceiro(%1)").arg(doc ? doc->nome() : QStringLiteral("?")));
    }
    std::int32_t Validar() override {
        log(QStringLiteral("Validar"));
        return s_.script.ctbValidar;
    }
    std::int32_t Inserir() override {
        log(QStringLiteral("Inserir"));
        return s_.script.ctbInserir;
    }
    QString UltimaMensagem() override { return s_.script.ctbMensagem; }

private:
    void log(const QString& call) { s_.journal << nome_ + u'.' + call; }

    RecordingFinanceSession& s_;
    QString nome_;
};

}  // namespace

Variant MembrosGravados::get(const char* membro) const {
    const auto found = valores_.find(QString::fromUtf8(membro));
    return found == valores_.end() ? Variant() : found->second;
}

void MembrosGravados::set(const char* membro, const Variant& v) {
    const QString nome = QString::fromUtf8(membro);
    if (script_ && script_->membrosRecusados.contains(nome)) {
        journal_ << nome_ + u'.' + nome + QStringLiteral(" refused");
        throw AutomationError(380, QStringLiteral("Invalid property value"), nome_);
    }
    journal_ << nome_ + u'.' + nome + u'=' + debugText(v);
    valores_[nome] = v;
}

std::shared_ptr<tvx::DocFinanceiro> RecordingFinanceSession::DocFinanceiro() {
    return std::make_shared<FakeDocFin>(*this, QStringLiteral("F%1").arg(++docs_));
}

std::shared_ptr<tvx::LinhaDocFinanceiro> RecordingFinanceSession::LinhaDocFinanceiro() {
    return std::make_shared<FakeLinha>(journal, QStringLiteral("L%1").arg(++linhas_));
}

std::shared_ptr<tvx::DocContabilistico> RecordingFinanceSession::DocContabilistico() {
    if (script.semDocContabilistico) return nullptr;
    return std::make_shared<FakeCtb>(*this, QStringLiteral("C%1").arg(++ctbs_));
}

QStringList RecordingFinanceSession::entries(const QString& prefix) const {
    QStringList found;
    for (const QString& e : journal)
        if (e.startsWith(prefix)) found << e;
    return found;
}

}  // namespace tvx::testing
