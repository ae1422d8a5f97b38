#include "agency_demo/agency_db.h"

#include "platform/automation/automation_error.h"

#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <atomic>

namespace tvx::agency {

namespace {

const QString Source = QStringLiteral("AgencyDb");

// Tables in the order the agency's catalogue lists them.
const char* const Schema[] = {
    "CREATE TABLE [Bancos] ("
    " [ID] INTEGER PRIMARY KEY AUTOINCREMENT,"
    " [Conta] VARCHAR(30), [Banco] VARCHAR(50), [Codigo] VARCHAR(10))",

    "CREATE TABLE [Dados dos clientes] ("
    " [ID] INTEGER PRIMARY KEY AUTOINCREMENT,"
    " [Account] VARCHAR(15), [Agency] VARCHAR(80))",

    "CREATE TABLE [faturacao] ("
    " [ID] INTEGER PRIMARY KEY AUTOINCREMENT,"
    " [tipo] VARCHAR(10))",

    "CREATE TABLE [TKT Issued] ("
    " [ID] INTEGER PRIMARY KEY AUTOINCREMENT,"
    " [Account] VARCHAR(15),"
    " [Codigo Companhia Aerea] VARCHAR(10),"
    " [Numero do Bilhete] VARCHAR(20),"
    " [Nome Passageiro] VARCHAR(80),"
    " [Destino] VARCHAR(80),"
    " [Date_Out] DATETIME, [Date_In] DATETIME,"
    " [Fare] CURRENCY, [Tarifas Privadas] CURRENCY, [Taxas] CURRENCY, [Fees] CURRENCY,"
    " [Factura] VARCHAR(50), [Ref_Faturacao] VARCHAR(50), [Pagamento] VARCHAR(10),"
    " [Desconto] DOUBLE, [Serviço] VARCHAR(10), [Periodo_Fact] INTEGER)",

    "CREATE TABLE [Transferencias] ("
    " [ID] INTEGER PRIMARY KEY AUTOINCREMENT,"
    " [Cliente] INTEGER, [Banco] INTEGER, [Data] DATETIME, [Valor] CURRENCY,"
    " [Descritivo] VARCHAR(255), [Fatura] VARCHAR(255), [estado_importado] VARCHAR(50))",
};

[[noreturn]] void fail(const QString& what, const QSqlError& error) {
    throw AutomationError(err::Unspecified, what + QStringLiteral(": ") + error.text(), Source);
}

template <class T>
QVariant cell(const std::optional<T>& value) {
    return value ? QVariant::fromValue(*value) : QVariant();
}
// QtSql binds a null QString as NULL: an empty text must be bound as a non-null one.
QVariant cell(const std::optional<QString>& value) {
    if (!value) return QVariant();
    return value->isNull() ? QVariant(QStringLiteral("")) : QVariant(*value);
}
QVariant cell(const std::optional<QDateTime>& value) { return value ? QVariant(dateTimeText(*value)) : QVariant(); }

QString nextConnectionName() {
    static std::atomic<int> counter{0};
    return QStringLiteral("tvx-agency-db-%1").arg(++counter);
}

}  // namespace

QString dateTimeText(const QDateTime& dt) { return dt.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")); }

AgencyDb AgencyDb::create(const QString& path) { return AgencyDb(path, true); }
AgencyDb AgencyDb::open(const QString& path) { return AgencyDb(path, false); }

AgencyDb::AgencyDb(QString path, bool create) : path_(std::move(path)), connectionName_(nextConnectionName()) {
    if (create && QFileInfo::exists(path_))
        throw AutomationError(err::Unspecified, QStringLiteral("O ficheiro já existe: ") + path_, Source);
    if (!create && !QFileInfo::exists(path_))
        throw AutomationError(err::FileNotFound, QStringLiteral("O ficheiro não existe: ") + path_, Source);
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connectionName_);
    db.setDatabaseName(path_);
    if (!db.open()) {
        const QSqlError error = db.lastError();
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(connectionName_);
        connectionName_.clear();
        fail(QStringLiteral("Não foi possível abrir ") + path_, error);
    }
    // Generated data needs no sync per statement; the file's journal mode is what the add-in meets.
    exec(QStringLiteral("PRAGMA synchronous=NORMAL"));
    if (create) {
        exec(QStringLiteral("PRAGMA journal_mode=WAL"));
        begin();
        for (const char* statement : Schema) exec(QString::fromUtf8(statement));
        commit();
    }
}

AgencyDb::AgencyDb(AgencyDb&& other) noexcept
    : path_(std::move(other.path_)),
      connectionName_(std::move(other.connectionName_)),
      inserts_(std::move(other.inserts_)) {
    other.connectionName_.clear();
}

AgencyDb::~AgencyDb() { close(); }

void AgencyDb::close() {
    if (connectionName_.isEmpty()) return;
    inserts_.clear();
    {
        QSqlDatabase db = QSqlDatabase::database(connectionName_, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(connectionName_);
    connectionName_.clear();
}

void AgencyDb::exec(const QString& sql) {
    QSqlQuery query(QSqlDatabase::database(connectionName_, false));
    if (!query.exec(sql)) fail(sql, query.lastError());
}

std::vector<QVariant> AgencyDb::column(const QString& sql) {
    QSqlQuery query(QSqlDatabase::database(connectionName_, false));
    query.setForwardOnly(true);
    if (!query.exec(sql)) fail(sql, query.lastError());
    std::vector<QVariant> values;
    while (query.next()) values.push_back(query.value(0));
    return values;
}

void AgencyDb::begin() { exec(QStringLiteral("BEGIN")); }
void AgencyDb::commit() { exec(QStringLiteral("COMMIT")); }

std::int32_t AgencyDb::insert(const QString& table, const std::vector<std::pair<QString, QVariant>>& values) {
    auto found = inserts_.find(table);
    if (found == inserts_.end()) {
        QStringList names;
        QStringList marks;
        for (const auto& value : values) {
            names << QLatin1Char('[') + value.first + QLatin1Char(']');
            marks << QStringLiteral("?");
        }
        const QString sql = QStringLiteral("INSERT INTO [%1] (%2) VALUES (%3)")
                                .arg(table, names.join(QLatin1Char(',')), marks.join(QLatin1Char(',')));
        QSqlQuery query(QSqlDatabase::database(connectionName_, false));
        if (!query.prepare(sql)) fail(sql, query.lastError());
        found = inserts_.emplace(table, std::move(query)).first;
    }
    QSqlQuery& query = found->second;
    for (std::size_t i = 0; i < values.size(); ++i) query.bindValue(int(i), values[i].second);
    if (!query.exec()) fail(query.lastQuery(), query.lastError());
    return query.lastInsertId().toInt();
}

std::int32_t AgencyDb::add(const Periodo& r) {
    return insert(QStringLiteral("faturacao"),
                  {{QStringLiteral("ID"), cell(r.id)}, {QStringLiteral("tipo"), cell(r.tipo)}});
}

std::int32_t AgencyDb::add(const Bilhete& r) {
    return insert(QStringLiteral("TKT Issued"),
                  {{QStringLiteral("ID"), cell(r.id)},
                   {QStringLiteral("Account"), cell(r.account)},
                   {QStringLiteral("Codigo Companhia Aerea"), cell(r.codigoCompanhiaAerea)},
                   {QStringLiteral("Numero do Bilhete"), cell(r.numeroDoBilhete)},
                   {QStringLiteral("Nome Passageiro"), cell(r.nomePassageiro)},
                   {QStringLiteral("Destino"), cell(r.destino)},
                   {QStringLiteral("Date_Out"), cell(r.dateOut)},
                   {QStringLiteral("Date_In"), cell(r.dateIn)},
                   {QStringLiteral("Fare"), cell(r.fare)},
                   {QStringLiteral("Tarifas Privadas"), cell(r.tarifasPrivadas)},
                   {QStringLiteral("Taxas"), cell(r.taxas)},
                   {QStringLiteral("Fees"), cell(r.fees)},
                   {QStringLiteral("Factura"), cell(r.factura)},
                   {QStringLiteral("Ref_Faturacao"), cell(r.refFaturacao)},
                   {QStringLiteral("Pagamento"), cell(r.pagamento)},
                   {QStringLiteral("Desconto"), cell(r.desconto)},
                   {QStringLiteral("Serviço"), cell(r.servico)},
                   {QStringLiteral("Periodo_Fact"), cell(r.periodoFact)}});
}

std::int32_t AgencyDb::add(const Cliente& r) {
    return insert(QStringLiteral("Dados dos clientes"), {{QStringLiteral("ID"), cell(r.id)},
                                                         {QStringLiteral("Account"), cell(r.account)},
                                                         {QStringLiteral("Agency"), cell(r.agency)}});
}

std::int32_t AgencyDb::add(const Banco& r) {
    return insert(QStringLiteral("Bancos"), {{QStringLiteral("ID"), cell(r.id)},
                                             {QStringLiteral("Conta"), cell(r.conta)},
                                             {QStringLiteral("Banco"), cell(r.banco)},
                                             {QStringLiteral("Codigo"), cell(r.codigo)}});
}

std::int32_t AgencyDb::add(const Transferencia& r) {
    return insert(QStringLiteral("Transferencias"), {{QStringLiteral("ID"), cell(r.id)},
                                                     {QStringLiteral("Cliente"), cell(r.cliente)},
                                                     {QStringLiteral("Banco"), cell(r.banco)},
                                                     {QStringLiteral("Data"), cell(r.data)},
                                                     {QStringLiteral("Valor"), cell(r.valor)},
                                                     {QStringLiteral("Descritivo"), cell(r.descritivo)},
                                                     {QStringLiteral("Fatura"), cell(r.fatura)},
                                                     {QStringLiteral("estado_importado"), cell(r.estadoImportado)}});
}

}  // namespace tvx::agency
