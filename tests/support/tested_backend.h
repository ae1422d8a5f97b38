#pragma once
// The company database a parameterised suite runs on: the embedded SQLite
// file, or a PostgreSQL server. One suite's sources build two programs: the
// plain one runs its suites on the embedded file; the same sources
// registered with telvarix_server_test (which defines TELVARIX_ON_SERVER)
// run them on the program's throwaway server (pg_test_server.h), so the
// plain program never needs one.
#include <gtest/gtest.h>
#include <QString>
#include <ostream>
#include <string>
#include <vector>

#ifdef TELVARIX_ON_SERVER
#include "support/pg_test_server.h"
#endif

namespace tvx::testing {

enum class Backend { Embedded, Server };

// The backends of this program's suites: INSTANTIATE_TEST_SUITE_P(..., ValuesIn(programBackends()), backendName).
inline std::vector<Backend> programBackends() {
#ifdef TELVARIX_ON_SERVER
    return {Backend::Server};
#else
    return {Backend::Embedded};
#endif
}

inline std::string backendName(const ::testing::TestParamInfo<Backend>& info) {
    return info.param == Backend::Server ? "Server" : "Embedded";
}
inline void PrintTo(Backend backend, std::ostream* out) {
    *out << (backend == Backend::Server ? "Server" : "Embedded");
}

// The address of the server a suite on `backend` uses ("" for the embedded
// file); a server that cannot be started fails the test with its reason.
inline QString serverAddress(Backend backend) {
#ifdef TELVARIX_ON_SERVER
    if (backend == Backend::Server) {
        PgTestServer& server = PgTestServer::shared();
        if (!server.running()) throw std::runtime_error(server.failure().toStdString());
        return server.uri();
    }
#endif
    if (backend == Backend::Server) throw std::logic_error("a server suite in a program without a server");
    return {};
}

}  // namespace tvx::testing
