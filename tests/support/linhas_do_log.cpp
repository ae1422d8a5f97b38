#include "support/linhas_do_log.h"

#include "platform/ado/recordset.h"
#include "platform/automation/conversions.h"

namespace tvx::testing {

QStringList linhasDoLog(ado::Recordset& log) {
    QStringList linhas;
    if (log.State() != ado::adStateOpen || log.RecordCount() <= 0) return linhas;
    for (log.MoveFirst(); !log.Eof(); log.MoveNext())
        linhas << CStr(log.value(QStringLiteral("Linha"))) + u'|' + CStr(log.value(QStringLiteral("Estado"))) + u'|' +
                      CStr(log.value(QStringLiteral("Descrição")));
    return linhas;
}

}  // namespace tvx::testing
