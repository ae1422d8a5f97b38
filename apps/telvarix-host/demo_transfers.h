#pragma once
// The agency's pending transfers of a demo: most pay open invoices of the
// company exactly (one invoice, two invoices, an invoice less a credit
// note); a few go on account (an amount one cent off, an invoice that does
// not exist, no reference, another customer's invoice). The invoices they
// name are created in the company first.
#include <QDate>

namespace tvx {
class DalLigacao;
class SessaoApi;
namespace agency {
class AgencyDb;
}
}  // namespace tvx

namespace tvx::host_app {

enum class DemoTransferKind {
    SettlesOne,
    SettlesTwo,
    SettlesWithCredit,
    AmountOff,
    UnknownInvoice,
    NoReference,
    OtherCustomer,
};

// The kind of the n-th transfer (0-based): the demo cycles through a fixed
// mix in which settling transfers are the majority.
DemoTransferKind demoTransferKind(int n);
bool settlesExactly(DemoTransferKind kind);

struct DemoTransfersSummary {
    int settling = 0;
    int onAccount = 0;
    int documents = 0;  // documents created in the company
};

DemoTransfersSummary addDemoTransfers(agency::AgencyDb& agency, SessaoApi& api, DalLigacao& company, int count,
                                      int customers, const QDate& today);

}  // namespace tvx::host_app
