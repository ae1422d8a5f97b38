#pragma once
// The travel agency's database as a SQLite file: the five tables the add-in
// reads and writes, with the agency's own table and column names.
//
// Column types follow what the agency's Access file holds: AutoNumber keys as
// INTEGER PRIMARY KEY, texts as VARCHAR(n), amounts as CURRENCY, the discount
// rate as DOUBLE, foreign keys as INTEGER, and Date/Time columns declared
// DATETIME and stored as text "yyyy-mm-dd hh:mm:ss" (the connection layer turns
// DATETIME columns into date values). The file uses the WAL journal so that the
// add-in's marker updates commit without a rollback journal's extra syncs.
//
// Rows are plain structs; an empty std::optional is a Null cell.
#include <QDateTime>
#include <QSqlQuery>
#include <QString>
#include <QVariant>
#include <cstdint>
#include <map>
#include <optional>
#include <vector>

namespace tvx::agency {

using Text = std::optional<QString>;
using Number = std::optional<double>;
using Id = std::optional<std::int32_t>;

// Row of `faturacao`: a billing period ("DIA", a weekday code such as "SEG", …).
struct Periodo {
    Id id;
    Text tipo;
};

// Row of `TKT Issued`.
struct Bilhete {
    Id id;
    Text account;
    Text codigoCompanhiaAerea;
    Text numeroDoBilhete;
    Text nomePassageiro;
    Text destino;
    std::optional<QDateTime> dateOut;
    std::optional<QDateTime> dateIn;
    Number fare;
    Number tarifasPrivadas;
    Number taxas;
    Number fees;
    Text factura;
    Text refFaturacao;
    Text pagamento;
    Number desconto;
    Text servico;
    Id periodoFact;
};

// Row of `Dados dos clientes`.
struct Cliente {
    Id id;
    Text account;
    Text agency;
};

// Row of `Bancos`.
struct Banco {
    Id id;
    Text conta;
    Text banco;
    Text codigo;
};

// Row of `Transferencias`.
struct Transferencia {
    Id id;
    Id cliente;
    Id banco;
    std::optional<QDateTime> data;
    Number valor;
    Text descritivo;
    Text fatura;
    Text estadoImportado;
};

// An open agency file. Errors raise AutomationError (source "AgencyDb").
class AgencyDb {
public:
    // Creates a new file with the five tables; an existing file is refused.
    static AgencyDb create(const QString& path);
    // Opens an existing file.
    static AgencyDb open(const QString& path);

    AgencyDb(AgencyDb&& other) noexcept;
    AgencyDb& operator=(AgencyDb&&) = delete;
    AgencyDb(const AgencyDb&) = delete;
    ~AgencyDb();

    // Each add returns the row's ID (the given one, or the one the table assigned).
    std::int32_t add(const Periodo& row);
    std::int32_t add(const Bilhete& row);
    std::int32_t add(const Cliente& row);
    std::int32_t add(const Banco& row);
    std::int32_t add(const Transferencia& row);

    // Groups many adds into one transaction.
    void begin();
    void commit();

    // Runs any statement (tests use it to break or inspect the file).
    void exec(const QString& sql);
    // First column of every row of a select; Null cells are null QVariants.
    std::vector<QVariant> column(const QString& sql);

    void close();
    const QString& path() const { return path_; }

private:
    AgencyDb(QString path, bool create);
    std::int32_t insert(const QString& table, const std::vector<std::pair<QString, QVariant>>& values);

    QString path_;
    QString connectionName_;
    std::map<QString, QSqlQuery> inserts_;  // prepared once per table
};

// Date/Time cells as the file stores them.
QString dateTimeText(const QDateTime& dt);

}  // namespace tvx::agency
