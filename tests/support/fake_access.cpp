#include "support/fake_access.h"

namespace tvx::testing {

bool FakeAccess::ConnectionOpen(const QString& d, const QString& u, const QString& p) {
    log(QStringLiteral("ConnectionOpen(%1,%2,%3)").arg(d, u, p));
    if (host.accessOpenError) throw host.accessOpenError->withSource(QStringLiteral("Access::ConnectionOpen"));
    return true;
}

bool FakeAccess::ConnectionClose() {
    log(QStringLiteral("ConnectionClose"));
    return true;
}

std::shared_ptr<ado::Recordset> FakeAccess::GetRecordSet(const QString& t) {
    log(QStringLiteral("GetRecordSet(%1)").arg(t));
    auto rs = std::make_shared<ado::Recordset>();
    rs->Fields().Append(QStringLiteral("ID"), ado::adInteger);
    rs->Open();
    return rs;
}

}  // namespace tvx::testing
