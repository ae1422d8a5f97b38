#include "agency_demo/agency_db_generator.h"

#include "agency_demo/draw.h"
#include "agency_demo/sample_values.h"

#include <QStringList>
#include <algorithm>

namespace tvx::agency {

namespace {

const std::vector<QString> SelectedServices = {QStringLiteral("EMI"), QStringLiteral("EMI"), QStringLiteral("REM"),
                                               QStringLiteral("EMD")};
const std::vector<QString> SelectedPayments = {QStringLiteral("CAS"), QStringLiteral("CCR"), QStringLiteral("NCC")};

void addPeriods(AgencyDb& db) {
    const QStringList codes = {QStringLiteral("DOM"), QStringLiteral("SEG"), QStringLiteral("TER"),
                               QStringLiteral("QUA"), QStringLiteral("QUI"), QStringLiteral("SEX"),
                               QStringLiteral("SAB")};
    db.add(Periodo{periodo::Dia, QStringLiteral("DIA")});
    for (int i = 0; i < codes.size(); ++i) db.add(Periodo{periodo::Domingo + i, codes[i]});
    db.add(Periodo{periodo::Mensal, QStringLiteral("MES")});
    db.add(Periodo{periodo::SemTipo, std::nullopt});
}

void addBanks(AgencyDb& db) {
    db.add(Banco{banco::Atlantico, QStringLiteral("PT50003500010001234567890"), QStringLiteral("Banco Atlântico"),
                 QStringLiteral("BAT")});
    db.add(Banco{banco::Lusitano, QStringLiteral("PT50001000001234567890154"), QStringLiteral("Banco Lusitano"),
                 QStringLiteral("BLU")});
    db.add(Banco{banco::Numerario, QStringLiteral("0000"), QStringLiteral("Numerário"), QStringLiteral("NUM")});
}

// Customer IDs: 1..n regular, n + 1 with an empty account, n + 2 with a Null one.
void addCustomers(AgencyDb& db, Draw& draw, int n) {
    for (int i = 1; i <= n; ++i) db.add(Cliente{i, customerAccount(i), draw.pick(Agencies)});
    db.add(Cliente{n + 1, QString(), draw.pick(Agencies)});
    db.add(Cliente{n + 2, std::nullopt, draw.pick(Agencies)});
}

// Makes a selectable ticket fall under one of the rules that leave it out.
void exclude(Bilhete& t, Draw& draw, const QDate& today) {
    switch (draw.below(7)) {
        case 0:
            t.servico = draw.percent(50) ? QStringLiteral("REE") : QStringLiteral("VOID");
            break;
        case 1:
            t.pagamento = draw.percent(50) ? QStringLiteral("INV") : QString();
            break;
        case 2:
            t.factura = QStringLiteral("FT-%1").arg(draw.between(1, 999));
            break;
        case 3:
            t.factura = QStringLiteral("Tumo Vesk-FT %1/1/%2").arg(draw.between(1, 999)).arg(today.year());
            break;
        case 4:
            t.periodoFact = periodo::Domingo + (periodo::doDia(today) - periodo::Domingo + draw.between(1, 6)) % 7;
            break;
        case 5:
            t.periodoFact =
                draw.pick(std::vector<std::int32_t>{periodo::Mensal, periodo::SemTipo, periodo::Inexistente});
            break;
        default:
            t.servico = std::nullopt;
            break;
    }
}

Bilhete ticket(Draw& draw, const AgencyDbParams& p, const QString& reference, const QString& account) {
    Bilhete t;
    t.account = account;
    t.codigoCompanhiaAerea = draw.pick(Airlines);
    t.numeroDoBilhete = QStringLiteral("047%1").arg(draw.between(1000000000, 1999999999));
    t.nomePassageiro = draw.pick(Passengers);
    t.destino = draw.pick(Routes);
    const QDate out = p.today.addDays(draw.between(1, 90));
    t.dateOut = QDateTime(out, draw.percent(20) ? QTime(0, 0) : draw.time());
    if (draw.percent(70)) {
        const QDate back = out.addDays(draw.between(2, 21));
        t.dateIn = QDateTime(back, draw.time());
    }
    t.fare = draw.money(4000, 150000);
    if (draw.percent(15))
        t.tarifasPrivadas = draw.money(500, 20000);
    else if (draw.percent(50))
        t.tarifasPrivadas = 0.0;
    t.taxas = draw.percent(10) ? std::optional<double>() : draw.money(1000, 30000);
    t.fees = draw.percent(10) ? std::optional<double>() : draw.money(0, 5000);
    t.refFaturacao = reference;
    t.pagamento = draw.pick(SelectedPayments);
    if (draw.percent(25)) t.desconto = double(draw.pick(std::vector<int>{0, 5, 10}));
    t.servico = draw.pick(SelectedServices);
    t.periodoFact = draw.percent(60) ? periodo::Dia : periodo::doDia(p.today);
    if (draw.percent(p.excludedPercent)) exclude(t, draw, p.today);
    return t;
}

// Tickets come in references of one to four, mostly of one account; they are
// written in shuffled order so that readers must sort them.
void addTickets(AgencyDb& db, Draw& draw, const AgencyDbParams& p) {
    std::vector<Bilhete> tickets;
    tickets.reserve(std::size_t(p.tickets));
    for (int ref = 1; int(tickets.size()) < p.tickets; ++ref) {
        const QString reference =
            QStringLiteral("R%1-%2").arg(p.today.toString(QStringLiteral("yyMMdd"))).arg(ref, 5, 10, QLatin1Char('0'));
        const QString account = customerAccount(draw.between(1, p.customers));
        for (int n = draw.between(1, 4); n > 0 && int(tickets.size()) < p.tickets; --n) {
            const bool other = draw.percent(15);
            tickets.push_back(
                ticket(draw, p, reference, other ? customerAccount(draw.between(1, p.customers)) : account));
        }
    }
    std::shuffle(tickets.begin(), tickets.end(), draw.engine());
    for (const Bilhete& t : tickets) db.add(t);
}

Transferencia transfer(Draw& draw, const AgencyDbParams& p) {
    Transferencia t;
    t.cliente = draw.between(1, p.customers);
    t.banco =
        draw.pick(std::vector<std::int32_t>{banco::Atlantico, banco::Atlantico, banco::Lusitano, banco::Numerario});
    t.data = QDateTime(p.today.addDays(-draw.between(0, 30)), QTime(0, 0));
    t.valor = draw.money(5000, 250000);
    t.descritivo = QStringLiteral("TRF %1").arg(draw.between(100000, 999999));
    const int year = p.today.year();
    switch (draw.below(4)) {
        case 0:
            t.fatura = QStringLiteral("FT-%1-1-%2").arg(draw.between(1, 500)).arg(year);
            break;
        case 1:
            t.fatura =
                QStringLiteral("FT-%1-1-%2;FT-%3-1-%2").arg(draw.between(1, 250)).arg(year).arg(draw.between(251, 500));
            break;
        case 2:
            t.fatura = QString();
            break;
        default:
            break;  // Null
    }
    if (draw.percent(30)) t.estadoImportado = QString();
    if (draw.percent(p.excludedPercent)) {
        switch (draw.below(6)) {
            case 0:
                t.valor = 0.0;
                break;
            case 1:
                t.valor = -*t.valor;
                break;
            case 2:
                t.estadoImportado = QStringLiteral("RE-%1-%2").arg(draw.between(1, 99)).arg(year);
                break;
            case 3:
                t.cliente = p.customers + draw.between(1, 2);
                break;  // empty or Null account
            case 4:
                t.cliente = std::nullopt;
                break;
            default:
                t.banco = std::nullopt;
                break;
        }
    }
    return t;
}

}  // namespace

std::int32_t periodo::doDia(const QDate& date) { return Domingo + date.dayOfWeek() % 7; }

QString customerAccount(int n) { return QStringLiteral("C%1").arg(n, 4, 10, QLatin1Char('0')); }

void fillAgencyDb(AgencyDb& db, const AgencyDbParams& params) {
    Draw draw(params.seed);
    db.begin();
    addPeriods(db);
    addBanks(db);
    addCustomers(db, draw, std::max(1, params.customers));
    AgencyDbParams p = params;
    p.customers = std::max(1, params.customers);
    addTickets(db, draw, p);
    for (int i = 0; i < p.transfers; ++i) db.add(transfer(draw, p));
    db.commit();
}

void generateAgencyDb(const QString& path, const AgencyDbParams& params) {
    AgencyDb db = AgencyDb::create(path);
    fillAgencyDb(db, params);
}

}  // namespace tvx::agency
