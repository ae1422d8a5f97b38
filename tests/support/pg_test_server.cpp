#include "support/pg_test_server.h"

#include <sys/stat.h>
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <cstdlib>

namespace tvx::testing {

namespace {

QString script() { return QStringLiteral(TELVARIX_SOURCE_DIR "/scripts/pg-server"); }

// Runs a program; its standard output, or nullopt with `error` set.
std::optional<QString> runProgram(const QString& program, const QStringList& arguments, QString& error,
                                  const QByteArray& input = {}) {
    QProcess p;
    p.start(program, arguments);
    if (!p.waitForStarted(10000)) {
        error = QStringLiteral("%1 cannot be started: %2").arg(program, p.errorString());
        return std::nullopt;
    }
    if (!input.isEmpty()) p.write(input);
    p.closeWriteChannel();
    p.waitForFinished(120000);
    const QString out = QString::fromUtf8(p.readAllStandardOutput());
    if (p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) {
        error = QString::fromUtf8(p.readAllStandardError()).trimmed();
        if (error.isEmpty()) error = QStringLiteral("%1 failed").arg(program);
        return std::nullopt;
    }
    return out;
}

}  // namespace

PgTestServer& PgTestServer::shared() {
    static PgTestServer server;
    return server;
}

PgTestServer::PgTestServer() {
    QByteArray pattern = QDir::tempPath().toUtf8() + "/telvarix-pg-XXXXXX";
    if (!mkdtemp(pattern.data())) {
        failure_ = QStringLiteral("cannot make a temporary folder for the PostgreSQL test server");
        return;
    }
    // The server user must reach the socket folder.
    chmod(pattern.constData(), 0755);
    folder_ = QString::fromUtf8(pattern);
    QString error;
    if (!runProgram(script(), {QStringLiteral("start"), folder_}, error))
        failure_ = QStringLiteral("the PostgreSQL test server cannot be started (%1 start): %2").arg(script(), error);
}

PgTestServer::~PgTestServer() {
    if (folder_.isEmpty()) return;
    // Plain system(): the program is ending, Qt may be gone.
    const QByteArray stop = "'" + script().toUtf8() + "' stop '" + folder_.toUtf8() + "' >/dev/null 2>&1";
    if (running()) [[maybe_unused]]
        const int rc = std::system(stop.constData());
    QDir(folder_).removeRecursively();
}

QString PgTestServer::freshName(const QString& prefix) { return QStringLiteral("%1_%2").arg(prefix).arg(++databases_); }

QString PgTestServer::psql(const QString& database, const QString& sql) const {
    QString error;
    const auto out = runProgram(QStringLiteral("psql"),
                                {QStringLiteral("-X"), QStringLiteral("-q"), QStringLiteral("-A"), QStringLiteral("-t"),
                                 QStringLiteral("-v"), QStringLiteral("ON_ERROR_STOP=1"), QStringLiteral("-h"), folder_,
                                 QStringLiteral("-U"), QStringLiteral("postgres"), QStringLiteral("-d"), database},
                                error, sql.toUtf8());
    return out ? out->trimmed() : QStringLiteral("ERROR: ") + error;
}

QString PgTestServer::createDatabase(const QString& prefix) {
    const QString name = freshName(prefix);
    psql(QStringLiteral("postgres"), QStringLiteral("CREATE DATABASE %1").arg(name));
    psql(name, QStringLiteral("CREATE EXTENSION citext; CREATE DOMAIN tvx_bit AS smallint;"));
    return name;
}

// The kept state lives in the schema tvx_kept: a copy of each table, and the sequences' values.
void PgTestServer::keep(const QString& database) const {
    psql(database, QStringLiteral(R"SQL(
CREATE SCHEMA tvx_kept;
DO $$ DECLARE t record; BEGIN
  FOR t IN SELECT tablename FROM pg_tables WHERE schemaname = 'public' LOOP
    EXECUTE format('CREATE TABLE tvx_kept.%I AS SELECT * FROM public.%I', t.tablename, t.tablename);
  END LOOP;
  CREATE TABLE tvx_kept.tvx_sequences AS
    SELECT sequencename, last_value FROM pg_sequences WHERE schemaname = 'public';
END $$;)SQL"));
}

void PgTestServer::restore(const QString& database) const {
    psql(database, QStringLiteral(R"SQL(
SET lock_timeout = '60s';
SET session_replication_role = replica;
DO $$ DECLARE t record; BEGIN
  FOR t IN SELECT tablename FROM pg_tables WHERE schemaname = 'public' AND tablename NOT IN
           (SELECT tablename FROM pg_tables WHERE schemaname = 'tvx_kept') LOOP
    EXECUTE format('DROP TABLE public.%I CASCADE', t.tablename);
  END LOOP;
  EXECUTE (SELECT 'TRUNCATE ' || string_agg(format('public.%I', tablename), ', ') FROM pg_tables
            WHERE schemaname = 'tvx_kept' AND tablename <> 'tvx_sequences');
  FOR t IN SELECT tablename FROM pg_tables WHERE schemaname = 'tvx_kept' AND tablename <> 'tvx_sequences' LOOP
    EXECUTE format('INSERT INTO public.%I OVERRIDING SYSTEM VALUE SELECT * FROM tvx_kept.%I', t.tablename,
                   t.tablename);
  END LOOP;
  FOR t IN SELECT * FROM tvx_kept.tvx_sequences LOOP
    IF t.last_value IS NULL THEN
      EXECUTE format('ALTER SEQUENCE public.%I RESTART', t.sequencename);
    ELSE
      PERFORM setval(format('public.%I', t.sequencename), t.last_value);
    END IF;
  END LOOP;
END $$;)SQL"));
}

void PgTestServer::crash() const {
    QString error;
    runProgram(script(), {QStringLiteral("crash"), folder_}, error);
}

void PgTestServer::restart() const {
    QString error;
    runProgram(script(), {QStringLiteral("restart"), folder_}, error);
}

}  // namespace tvx::testing
