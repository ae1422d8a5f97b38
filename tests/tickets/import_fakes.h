#pragma once
// Fakes around a ticket import: the company database as the helpers query it
// (parameters row, customers, exemption reasons), a recording source of
// tickets, a recording progress window, and ticket record sets in the layout
// the sources deliver.
#include "agency/origem_dados.h"
#include "host_api/dal_ligacao.h"
#include "platform/ado/recordset.h"
#include "platform/automation/automation_error.h"
#include "platform/ui/progress_window.h"

#include <QStringList>
#include <map>
#include <optional>
#include <set>

namespace tvx::testing {

// The parameters row of the tests (FATFINALIZA 0: invoices left in preparation).
struct Parametros {
    QString FATTIPODOCUM = QStringLiteral("FT");
    QString FATSECTOR = QStringLiteral("1");
    std::int32_t FATSERIE = 1;
    std::optional<std::int32_t> FATFINALIZA = 0;  // nullopt: Null
    std::optional<QString> ARMAZEM = QStringLiteral("A1");
    QString ARTIGOFARE = QStringLiteral("FARE");
    QString ARTIGOTAXAS = QStringLiteral("TAXAS");
    QString ARTIGOSERVICEFEE = QStringLiteral("FEE");
    QString ARTIGOISENCAOIVA = QStringLiteral("M99");
    QString BDNOME = QStringLiteral("/agencia/agencia.db");
};
std::shared_ptr<ado::Recordset> parametrosRecordset(const Parametros& p);

class FakeCompanyDb : public DalLigacao {
public:
    bool Abrir(const QString&) override { return true; }
    void Fechar() override {}
    void Consultar(const QString&, const QString& sSql, std::shared_ptr<ado::Recordset>& rs, int, int) override;
    std::int16_t Executar(const QString&, const QString&) override { return 0; }
    void Gravar(const QString&, std::shared_ptr<ado::Recordset>&) override {}

    std::optional<Parametros> parametros = Parametros{};
    std::set<QString> clientes{QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C0001")};
    std::map<QString, QString> motivos{{QStringLiteral("M99"), QStringLiteral("Isento artigo 9.º do CIVA")}};
    std::optional<AutomationError> falhaClientes;
    QStringList queries;
};

struct TicketRow {
    std::int32_t id = 0;
    Variant account = Variant(QStringLiteral("A"));
    Variant ref = Variant(QStringLiteral("R1"));
    Variant fare = Variant(100.0);
    Variant fees = Variant(10.0);
    Variant taxas = Variant(20.0);
    Variant tarifasPrivadas = Variant::null();
    Variant pagamento = Variant(QStringLiteral("CAS"));
    Variant factura = Variant::null();
    Variant desconto = Variant::null();
    Variant codigoCompanhia = Variant(QStringLiteral("74"));
    Variant numeroBilhete = Variant(QStringLiteral("1234567890"));
    Variant nome = Variant(QStringLiteral("SILVA/JOAO MR"));
    Variant destino = Variant(QStringLiteral("LIS-OPO"));
    Variant partida = Variant::null();
    Variant chegada = Variant::null();
    Variant dataFacturacao = Variant::null();  // CSV layout only
};
// The ticket record set of the agency's query; with `csv` the CSV layout's DataFacturacao too.
std::shared_ptr<ado::Recordset> ticketsRecordset(const std::vector<TicketRow>& rows, bool csv = false);

// A source that hands out a prepared record set and records the markers written.
class FakeOrigem : public OrigemDados {
public:
    bool ConnectionOpen(const QString& sDataSource, const QString&, const QString&) override;
    bool ConnectionClose() override;
    std::shared_ptr<ado::Recordset> GetRecordSet(const QString& sTable) override;
    void UpdateTktIssued(std::int32_t Id, const QString& sFactura) override;
    void UpdateMovBancarioComRecibo(std::int32_t, const QString&) override {}
    void UpdateTktIssuedFacturaFinalizada(const QString& sRefFact, const QString& sCliente,
                                          const QString& sFactura) override;
    std::shared_ptr<Collection> GetTabelas() override { return nullptr; }

    std::shared_ptr<ado::Recordset> tickets;
    std::set<std::int32_t> falhaMarca;  // UpdateTktIssued fails for these IDs
    std::optional<AutomationError> falhaAbrir;
    bool open = false;
    QStringList log;                    // calls in order
    std::map<std::int32_t, QString> marcas;
};

class RecordingProgressWindow : public ui::ProgressWindow {
public:
    explicit RecordingProgressWindow(QStringList& log) : log_(log) {}
    ~RecordingProgressWindow() override { log_ << QStringLiteral("unload"); }
    void SetCaption(const QString& c) override { log_ << QStringLiteral("caption ") + c; }
    void SetLabelCaption(const QString& c) override { log_ << QStringLiteral("label ") + c; }
    void SetBarMax(int m) override { log_ << QStringLiteral("max %1").arg(m); }
    void SetBarValue(int v) override { log_ << QStringLiteral("value %1").arg(v); }
    void Show() override { log_ << QStringLiteral("show"); }
    void Hide() override { log_ << QStringLiteral("hide"); }

private:
    QStringList& log_;
};

}  // namespace tvx::testing
