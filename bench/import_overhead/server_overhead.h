#pragma once
// The ticket import with the company database on a PostgreSQL server against
// the plain-libpq replay of its writes (pg_replay.h), on a throwaway server
// (scripts/pg-server) that lives as long as the object.
#include <QString>
#include <QTemporaryDir>

namespace tvx::bench {

class BenchServer {
public:
    BenchServer();  // raises std::runtime_error when the server cannot start
    ~BenchServer();
    BenchServer(const BenchServer&) = delete;
    BenchServer& operator=(const BenchServer&) = delete;
    // The libpq URI of its Unix socket.
    QString uri() const { return QStringLiteral("postgresql:///?host=") + dir_.path(); }

    // The ticket import of `tickets` generated tickets on this server and its
    // replay into a copy of the database made before the run; prints one line.
    bool benchOverhead(int tickets) const;

private:
    QTemporaryDir dir_;
};

}  // namespace tvx::bench
