#include "addin/fake_host.h"

#include "host_api/doc_comercial.h"
#include "host_api/host_classes.h"
#include "platform/automation/class_registry.h"
#include "platform/automation/conversions.h"
#include "support/fake_data_grid.h"
#include "support/fake_form_window.h"

#include <QDir>
#include <QFile>
#include <map>

namespace tvx::testing {

namespace {

const QString AccessProgId = QStringLiteral("Telvarix.Access");

// Base of the fakes: its host, its class name and its number.
struct FakePart {
    FakeHost& host;
    QString kind;
    int id;
    FakePart(FakeHost& h, const QString& k) : host(h), kind(k), id(h.created(k) + 1) { host.record(kind, id, {}); }
    void log(const QString& call) const { host.record(kind, id, call); }
    static void failIf(const std::optional<AutomationError>& e) {
        if (e) throw *e;
    }
};

class FakeDalLigacao : public DalLigacao, public FakePart {
public:
    explicit FakeDalLigacao(FakeHost& h) : FakePart(h, QStringLiteral("DalLigacao")) {}
    bool Abrir(const QString& s) override {
        log(QStringLiteral("Abrir(") + s + QLatin1Char(')'));
        return host.abrirAnswer;
    }
    void Fechar() override {
        log(QStringLiteral("Fechar"));
        closed_ = true;
    }
    void Consultar(const QString&, const QString& sql, std::shared_ptr<ado::Recordset>& rs, int, int) override {
        log(QStringLiteral("Consultar(") + sql.trimmed() + QLatin1Char(')'));
        failIfClosed();
        failIf(host.consultarError);
        if (sql.contains(QStringLiteral("qrl_EXECUCOES"))) {
            rs = execucoes(sql.contains(QStringLiteral("sys.objects")));
        } else if (sql.contains(QStringLiteral("sys.objects"))) {
            rs = std::make_shared<ado::Recordset>();
            rs->Fields().Append(QStringLiteral("name"), ado::adVarWChar, 128);
            rs->Open();
            if (host.tableExists) {
                rs->AddNew();
                rs->setValue(0, Variant(QStringLiteral("qrl_PARAMETROS")));
                rs->Update();
                rs->MoveFirst();
            }
        } else {
            rs = host.parametrosRecordset();
        }
    }
    std::int16_t Executar(const QString&, const QString& sql) override {
        log(QStringLiteral("Executar(") + sql.section(QStringLiteral("\r\n"), 0, 0) + QLatin1Char(')'));
        failIfClosed();
        failIf(host.executarError);
        // The runs' lock row: every change of it takes.
        if (sql.startsWith(QStringLiteral("UPDATE qrl_EXECUCOES"))) return 1;
        host.tableExists = true;
        return 0;
    }
    void Gravar(const QString&, std::shared_ptr<ado::Recordset>&) override { log(QStringLiteral("Gravar")); }

private:
    // The runs' lock table, as a company where no run is in progress has it.
    static std::shared_ptr<ado::Recordset> execucoes(bool existencia) {
        auto rs = std::make_shared<ado::Recordset>();
        const QStringList campos =
            existencia ? QStringList{QStringLiteral("name")}
                       : QStringList{QStringLiteral("ESTACAO"),          QStringLiteral("PROCESSO"),
                                     QStringLiteral("ARRANQUE"),         QStringLiteral("OPERACAO"),
                                     QStringLiteral("INICIO"),           QStringLiteral("BATIMENTO"),
                                     QStringLiteral("FACTURA_PENDENTE"), QStringLiteral("RECIBO_PENDENTE")};
        for (const QString& c : campos) rs->Fields().Append(c, ado::adVarWChar, 200);
        rs->Open();
        rs->AddNew();
        for (const QString& c : campos)
            rs->setValue(c, c == u"PROCESSO" || c == u"ARRANQUE" ? Variant(QStringLiteral("0")) : Variant(QString()));
        rs->Update();
        rs->MoveFirst();
        return rs;
    }
    // A closed connection refuses every call, as the host's does.
    void failIfClosed() const {
        if (closed_) err::raise(err::ObjectClosed, QStringLiteral("DalLigacao"));
    }
    bool closed_ = false;
};

class FakeConfigLigacao : public ConfigLigacao, public FakePart {
public:
    explicit FakeConfigLigacao(FakeHost& h) : FakePart(h, QStringLiteral("ConfigLigacao")) {}
    void Carregar(const QString& f) override {
        log(QStringLiteral("Carregar(") + f + QLatin1Char(')'));
        values_ = host.configValues;
    }
    QString Servidor() const override { return values_.value(0); }
    void Servidor(const QString& v) override { values_[0] = v; }
    QString BaseDados() const override { return values_.value(1); }
    void BaseDados(const QString& v) override { values_[1] = v; }
    QString Utilizador() const override { return values_.value(2); }
    void Utilizador(const QString& v) override { values_[2] = v; }
    QString Password() const override { return values_.value(3); }
    void Password(const QString& v) override { values_[3] = v; }
    std::int32_t Modo() const override { return modo_; }
    void Modo(std::int32_t v) override {
        log(QStringLiteral("Modo(%1)").arg(v));
        modo_ = v;
    }
    void Recarregar() override {
        log(QStringLiteral("Recarregar"));
        values_ = host.reloadedValues;
    }

private:
    QStringList values_{QString(), QString(), QString(), QString()};
    std::int32_t modo_ = 1;
};

class FakeSessaoApi : public SessaoApi, public FakePart {
public:
    explicit FakeSessaoApi(FakeHost& h) : FakePart(h, QStringLiteral("SessaoApi")) {}
    bool Iniciar(const QString& f) override {
        log(QStringLiteral("Iniciar(") + f + QLatin1Char(')'));
        failIf(host.iniciarError);
        return host.iniciarAnswer;
    }
    void Ligacao(std::shared_ptr<DalLigacao> l) override {
        const auto* fake = dynamic_cast<FakeDalLigacao*>(l.get());
        log(QStringLiteral("Ligacao(DalLigacao#%1)").arg(fake ? fake->id : 0));
        ligacao_ = std::move(l);
    }
    std::shared_ptr<DalLigacao> Ligacao() const override { return ligacao_; }
    bool Terminar() override {
        log(QStringLiteral("Terminar"));
        failIf(host.terminarError);
        return true;
    }
    std::shared_ptr<tvx::DocComercial> DocComercial() override { return nullptr; }
    std::shared_ptr<tvx::LinhaDocComercial> LinhaDocComercial() override { return nullptr; }
    std::shared_ptr<tvx::DocFinanceiro> DocFinanceiro() override { return nullptr; }
    std::shared_ptr<tvx::LinhaDocFinanceiro> LinhaDocFinanceiro() override { return nullptr; }
    std::shared_ptr<tvx::DocContabilistico> DocContabilistico() override { return nullptr; }

private:
    std::shared_ptr<DalLigacao> ligacao_;
};

class FakePastaBase : public PastaBase {
public:
    explicit FakePastaBase(FakeHost& h) : host_(h) {}
    QString Pasta() override { return host_.base.path(); }

private:
    FakeHost& host_;
};

class FakePastaExiste : public PastaExiste {
public:
    explicit FakePastaExiste(FakeHost& h) : host_(h) {}
    bool Existe(const QString& sPasta) override {
        host_.log << QStringLiteral("PastaExiste(") + sPasta + QLatin1Char(')');
        return host_.quorelExists;
    }

private:
    FakeHost& host_;
};

class FakeAccess : public OrigemDados, public FakePart {
public:
    explicit FakeAccess(FakeHost& h) : FakePart(h, QStringLiteral("Access")) {}
    bool ConnectionOpen(const QString& d, const QString& u, const QString& p) override {
        log(QStringLiteral("ConnectionOpen(%1,%2,%3)").arg(d, u, p));
        if (host.accessOpenError) throw host.accessOpenError->withSource(QStringLiteral("Access::ConnectionOpen"));
        return true;
    }
    bool ConnectionClose() override {
        log(QStringLiteral("ConnectionClose"));
        return true;
    }
    // No ticket to import.
    std::shared_ptr<ado::Recordset> GetRecordSet(const QString& t) override {
        log(QStringLiteral("GetRecordSet(%1)").arg(t));
        auto rs = std::make_shared<ado::Recordset>();
        rs->Fields().Append(QStringLiteral("ID"), ado::adInteger);
        rs->Open();
        return rs;
    }
    void UpdateTktIssued(std::int32_t, const QString&) override {}
    void UpdateMovBancarioComRecibo(std::int32_t, const QString&) override {}
    void UpdateTktIssuedFacturaFinalizada(const QString&, const QString&, const QString&) override {}
    std::shared_ptr<Collection> GetTabelas() override { return nullptr; }
};

// Header and document of a view: values by member name.
#define TVX_FAKE_PROPERTY(Name)                                                     \
    Variant Name() const override { return value(QStringLiteral(#Name)); }        \
    void Name(const Variant& v) override { values[QStringLiteral(#Name)] = v; }

class FakeCab : public CabDocComercial {
public:
    std::map<QString, Variant> values;
    TVX_FAKE_PROPERTY(TipoDocumento)
    TVX_FAKE_PROPERTY(Sector)
    TVX_FAKE_PROPERTY(Serie)
    TVX_FAKE_PROPERTY(Terceiro)
    TVX_FAKE_PROPERTY(TipoPreco)
    TVX_FAKE_PROPERTY(Data)
    TVX_FAKE_PROPERTY(NossoNoDocumento)
    TVX_FAKE_PROPERTY(Moeda)
    TVX_FAKE_PROPERTY(IvaIncluido)
    TVX_FAKE_PROPERTY(DataVencimento)
    TVX_FAKE_PROPERTY(DataCarga)
    TVX_FAKE_PROPERTY(HoraCarga)
    TVX_FAKE_PROPERTY(Processo)
    TVX_FAKE_PROPERTY(VossoNoDocumento)
    TVX_FAKE_PROPERTY(Ano)

private:
    Variant value(const QString& name) const {
        const auto found = values.find(name);
        return found == values.end() ? Variant() : found->second;
    }
};

class FakeDoc : public DocComercial {
public:
    std::shared_ptr<FakeCab> cab = std::make_shared<FakeCab>();
    std::map<QString, Variant> values;
    std::shared_ptr<CabDocComercial> Cab() override { return cab; }
    TVX_FAKE_PROPERTY(Origem)
    std::int32_t AdicionaLinha(std::shared_ptr<LinhaDocComercial>&) override { return 0; }
    void SugereValoresLin(std::shared_ptr<LinhaDocComercial>&, bool, bool, bool, bool, bool, bool, bool) override {}
    std::int32_t Validar() override { return 0; }
    std::int32_t Inserir() override { return 0; }
    std::int32_t Finalizar(Variant&, Variant&, Variant&, Variant&) override { return 0; }
    std::int32_t Ler(Variant&, Variant&, Variant&, Variant&) override { return 0; }
    std::int32_t Remover() override { return 0; }
    QString UltimaMensagem() override { return {}; }
    Variant IsSerieAssinada() override { return Variant(false); }
    Variant IsDocumentoCertificacao() override { return Variant(false); }
    Variant EmPreparacao() override { return Variant(false); }

private:
    Variant value(const QString& name) const {
        const auto found = values.find(name);
        return found == values.end() ? Variant() : found->second;
    }
};

#undef TVX_FAKE_PROPERTY

class NoLoop : public ui::MessageLoop {
public:
    void DoEvents() override {}
};

class LoggingProgressWindow : public ui::ProgressWindow {
public:
    explicit LoggingProgressWindow(QStringList& log) : log_(log) {}
    ~LoggingProgressWindow() override { log_ << QStringLiteral("unload"); }
    void SetCaption(const QString& c) override { log_ << QStringLiteral("caption ") + c; }
    void SetLabelCaption(const QString& c) override { log_ << c; }
    void SetBarMax(int) override {}
    void SetBarValue(int) override {}
    void Show() override { log_ << QStringLiteral("show"); }
    void Hide() override { log_ << QStringLiteral("hide"); }

private:
    QStringList& log_;
};

QStringList shownRows(ado::Recordset* rs) {
    QStringList rows;
    if (!rs || rs->State() != ado::adStateOpen || rs->RecordCount() == 0) return rows;
    for (rs->MoveFirst(); !rs->Eof(); rs->MoveNext())
        rows << CStr(rs->value(QStringLiteral("Linha"))) + QLatin1Char('|') + CStr(rs->value(QStringLiteral("Estado"))) +
                    QLatin1Char('|') + CStr(rs->value(QStringLiteral("Descrição")));
    return rows;
}

}  // namespace

FakeHost::FakeHost() {
    registry::registerClass(host_classes::DalLigacao, [this] { return std::make_shared<FakeDalLigacao>(*this); });
    registry::registerClass(host_classes::ConfigLigacao,
                            [this] { return std::make_shared<FakeConfigLigacao>(*this); });
    registry::registerClass(host_classes::SessaoApi, [this] { return std::make_shared<FakeSessaoApi>(*this); });
    registry::registerClass(host_classes::PastaBase, [this] { return std::make_shared<FakePastaBase>(*this); });
    registry::registerClass(host_classes::PastaExiste, [this] { return std::make_shared<FakePastaExiste>(*this); });
    registry::registerClass(AccessProgId, [this] { return std::make_shared<FakeAccess>(*this); });
    QDir(base.path()).mkpath(QStringLiteral("quorel"));
}

FakeHost::~FakeHost() {
    for (const QString& progId : {host_classes::DalLigacao, host_classes::ConfigLigacao, host_classes::SessaoApi,
                                  host_classes::PastaBase, host_classes::PastaExiste, AccessProgId})
        registry::unregisterClass(progId);
}

QString FakeHost::quorelPath() const { return base.path() + QStringLiteral("/quorel"); }

void FakeHost::writeSettingsFile(const QString& empresa, const QString& text) const {
    QFile file(quorelPath() + QStringLiteral("/BRISKO.") + empresa);
    if (file.open(QIODevice::WriteOnly)) file.write(text.toUtf8());
}

int FakeHost::created(const QString& kind) const {
    const auto found = counts_.find(kind);
    return found == counts_.end() ? 0 : found->second;
}

void FakeHost::record(const QString& kind, int id, const QString& call) {
    if (call.isEmpty()) {
        counts_[kind] = id;
        return;
    }
    log << kind + QStringLiteral("#%1.").arg(id) + call;
}

std::shared_ptr<ado::Recordset> FakeHost::parametrosRecordset() const {
    auto rs = std::make_shared<ado::Recordset>();
    for (const char* name : {"FATTIPODOCUM", "BDNOME", "BDPASSW"})
        rs->Fields().Append(QString::fromLatin1(name), ado::adVarWChar, 255);
    rs->Open();
    if (parametros) {
        rs->AddNew();
        rs->setValue(QStringLiteral("FATTIPODOCUM"), Variant(parametros->FATTIPODOCUM));
        rs->setValue(QStringLiteral("BDNOME"), Variant(parametros->BDNOME));
        rs->setValue(QStringLiteral("BDPASSW"), Variant(parametros->BDPASSW));
        rs->Update();
        rs->MoveFirst();
    }
    return rs;
}

FakeDesktop::FakeDesktop() : pending_(std::make_unique<FakeCommonDialog>()) { dialog = pending_.get(); }

ui::MessageLoop& FakeDesktop::messageLoop() {
    static NoLoop loop;
    return loop;
}

std::unique_ptr<ui::CommonDialog> FakeDesktop::newCommonDialog() {
    if (failDialog || !pending_) err::raise(err::CannotCreateObject, QStringLiteral("FakeDesktop"));
    ++dialogsCreated;
    return std::move(pending_);
}

std::unique_ptr<ui::ProgressWindow> FakeDesktop::newProgressWindow() {
    return std::make_unique<LoggingProgressWindow>(progress);
}

ui::ViewerWindow FakeDesktop::newViewerWindow() {
    ui::ViewerWindow viewer;
    auto grid = std::make_unique<FakeDataGrid>();
    auto window = std::make_unique<FakeFormWindow>();
    // The user reads the log and closes the window.
    window->whileShown([this, g = grid.get()] { viewerLogs.push_back(shownRows(g->dataSource.get())); });
    viewer.grid = std::move(grid);
    viewer.window = std::move(window);
    return viewer;
}

ObjectRef viewDocument(const QString& tipo, std::int32_t numero, std::int16_t serie, std::int16_t ano) {
    auto doc = std::make_shared<FakeDoc>();
    doc->cab->TipoDocumento(Variant(tipo));
    doc->cab->NossoNoDocumento(Variant(numero));
    doc->cab->Serie(Variant(serie));
    doc->cab->Ano(Variant(ano));
    return doc;
}

}  // namespace tvx::testing
