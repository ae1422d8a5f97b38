#include "telvarix-host/demo_transfers.h"

#include "agency_demo/agency_db.h"
#include "agency_demo/agency_db_generator.h"
#include "telvarix-host/demo_invoices.h"

#include <QStringList>
#include <array>

namespace tvx::host_app {

namespace {

using Kind = DemoTransferKind;

constexpr std::array<Kind, 10> Cycle = {
    Kind::SettlesOne,     Kind::SettlesTwo, Kind::SettlesOne,  Kind::AmountOff,         Kind::SettlesOne,
    Kind::UnknownInvoice, Kind::SettlesOne, Kind::NoReference, Kind::SettlesWithCredit, Kind::OtherCustomer};

// What one transfer says: the references it names and the amount sent.
struct Payment {
    QStringList references;
    Currency valor;
};

class TransferBuilder {
public:
    // The documents are dated `documentDate`, before every transfer.
    TransferBuilder(SessaoApi& api, DalLigacao& company, int customers, const QDate& today, const QDate& documentDate)
        : api_(api), company_(company), customers_(customers), today_(today), documentDate_(documentDate) {}

    Payment payment(Kind kind, int n, int customer) {
        const QString account = agency::customerAccount(customer);
        switch (kind) {
            case Kind::SettlesOne:
                return settle({invoice(account, n)});
            case Kind::SettlesTwo:
                return settle({invoice(account, n), invoice(account, n + 1)});
            case Kind::SettlesWithCredit:
                return settle({invoice(account, n), credit(account, n)});
            case Kind::AmountOff: {
                Payment p = settle({invoice(account, n)});
                p.valor += Currency::fromScaled(100);  // one cent
                return p;
            }
            case Kind::UnknownInvoice:
                return {{QStringLiteral("FT-%1-1-%2").arg(900000 + n).arg(today_.year())}, amount(n)};
            case Kind::NoReference:
                return {{}, amount(n)};
            case Kind::OtherCustomer:
                return settle({invoice(agency::customerAccount(customer % customers_ + 1), n)});
        }
        return {};
    }

    int documents() const { return documents_; }

private:
    static Currency amount(int n) { return Currency::fromScaled(Currency::Scale * (80 + 7 * (n % 11)) + 2500); }

    DemoDocument create(const QString& tipo, const QString& account, double fare, double fee) {
        ++documents_;
        return createFinalDocument(api_, company_, {tipo, account, fare, fee, documentDate_});
    }
    DemoDocument invoice(const QString& account, int n) {
        return create(QStringLiteral("FT"), account, 100 + 23.45 * (n % 9), 12.5 + 1.15 * (n % 4));
    }
    DemoDocument credit(const QString& account, int n) {
        return create(QStringLiteral("NC"), account, 0, 10 + 0.85 * (n % 5));
    }
    // Pays the documents exactly: invoices add, credit notes subtract.
    static Payment settle(const std::vector<DemoDocument>& documents) {
        Payment p;
        for (const DemoDocument& d : documents) {
            p.references << d.reference();
            p.valor += d.tipo == QStringLiteral("NC") ? -d.total : d.total;
        }
        return p;
    }

    SessaoApi& api_;
    DalLigacao& company_;
    int customers_;
    QDate today_;
    QDate documentDate_;
    int documents_ = 0;
};

}  // namespace

DemoTransferKind demoTransferKind(int n) { return Cycle[std::size_t(n) % Cycle.size()]; }

bool settlesExactly(DemoTransferKind kind) {
    return kind == Kind::SettlesOne || kind == Kind::SettlesTwo || kind == Kind::SettlesWithCredit;
}

DemoTransfersSummary addDemoTransfers(agency::AgencyDb& agency, SessaoApi& api, DalLigacao& company, int count,
                                      int customers, const QDate& today) {
    // Transfer n is dated count - n days before today, the documents a few days earlier still.
    TransferBuilder builder(api, company, customers, today, today.addDays(-count - 5));
    DemoTransfersSummary summary;
    agency.begin();
    for (int n = 0; n < count; ++n) {
        const Kind kind = demoTransferKind(n);
        const int customer = n % customers + 1;
        const Payment payment = builder.payment(kind, n, customer);
        agency::Transferencia t;
        t.cliente = customer;
        t.banco = n % 4 == 3 ? agency::banco::Numerario : (n % 2 ? agency::banco::Lusitano : agency::banco::Atlantico);
        t.data = QDateTime(today.addDays(n - count), QTime(0, 0));
        t.valor = payment.valor.toDouble();
        t.descritivo = QStringLiteral("TRF DEMO %1").arg(n + 1, 4, 10, QLatin1Char('0'));
        if (kind != Kind::NoReference) t.fatura = payment.references.join(u';');
        agency.add(t);
        (settlesExactly(kind) ? summary.settling : summary.onAccount) += 1;
    }
    agency.commit();
    summary.documents = builder.documents();
    return summary;
}

}  // namespace tvx::host_app
