#pragma once
// The add-in's parameters table in a demo company, with its one row: the
// demo company's document types, series, sector, articles and warehouse,
// and the agency file.
#include <QString>

namespace tvx {
class DalLigacao;
}

namespace tvx::host_app {

struct DemoParameters {
    QString bdNome;       // the agency database
    int fatFinaliza = 0;  // 0: ticket invoices stay in preparation
};

// Inserts the row into qrl_PARAMETROS, which the add-in created when it was
// first opened for the company.
void insertDemoParameters(DalLigacao& company, const DemoParameters& parameters);

}  // namespace tvx::host_app
