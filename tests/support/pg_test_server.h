#pragma once
// A throwaway PostgreSQL server shared by every test of one test program
// (scripts/pg-server): initdb in a temporary folder as the unprivileged
// server user, trust logins, a Unix socket in that folder and no TCP port,
// started at the first use and stopped and removed when the program ends.
// A machine without the server programs fails the tests that use it, with
// the reason: server tests never skip. Register such a program with
// telvarix_server_test (one process, one server, for all its tests).
#include <QString>

namespace tvx::testing {

class PgTestServer {
public:
    // The program's server, started on the first call.
    static PgTestServer& shared();

    bool running() const { return failure_.isEmpty(); }
    // Why the server could not be started ("" when running).
    const QString& failure() const { return failure_; }
    // "postgresql:///?host=DIR": the address a settings file's Servidor names.
    QString uri() const { return QStringLiteral("postgresql:///?host=") + folder_; }
    const QString& folder() const { return folder_; }

    // A new database's name, unique in the program ("prefix_N").
    QString freshName(const QString& prefix);
    // Runs `sql` with psql in `database` as the server's superuser; its
    // output (unaligned, tuples only), or "ERROR: ..." when it failed.
    QString psql(const QString& database, const QString& sql) const;
    // A new empty database with the extension citext and the domain tvx_bit.
    QString createDatabase(const QString& prefix);

    // Keeps the rows of every table of `database` and its sequences as they
    // are now; restore() puts them back, cheaply (no database is copied:
    // creating and dropping databases makes the server write checkpoints),
    // and drops the tables made since. Only one kept state per database.
    void keep(const QString& database) const;
    void restore(const QString& database) const;

    // Stops the server as a crash does (pg_ctl -m immediate), and starts it again.
    void crash() const;
    void restart() const;

    ~PgTestServer();

private:
    PgTestServer();
    QString folder_;
    QString failure_;
    int databases_ = 0;
};

}  // namespace tvx::testing
