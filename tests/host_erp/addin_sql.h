#pragma once
// The SQL texts the add-in sends to the company database.
#include "settings/dal_comandos_sql.h"

#include <QString>

namespace tvx::host_erp::testing {

// The add-in's own texts, so the host is tested against exactly what it sends.
inline QString parametersExistenceTest() { return comandos_sql::parametrosExisteQuery(); }
inline QString parametersCreateTable() { return comandos_sql::parametrosCreateStatement(); }
inline QString parametersRead() { return comandos_sql::parametrosGetQuery(); }

// A parameters row as the configuration editor would add it.
inline QString parametersInsert(const QString& bdNome = QStringLiteral("C:\\agencia\\vendas.mdb")) {
    return QStringLiteral(
               "INSERT INTO qrl_PARAMETROS (FATTIPODOCUM, FATSECTOR, FATSERIE, FATFINALIZA, ARMAZEM, ARTIGOFARE, "
               "ARTIGOTAXAS, ARTIGOSERVICEFEE, ARTIGOISENCAOIVA, BDNOME, BDUSER, BDPASSW, RECTIPODOCUM, RECSECTOR, "
               "RECSERIE, RPCTIPODOCUM, RPCSECTOR, RPCSERIE) VALUES (N'FT', N'1', 1, 0, N'A1', N'FARE', N'TAXAS', "
               "N'FEE', N'M99', N'%1', N'', N'', N'RE', N'1', 1, N'RA', N'1', 1)")
        .arg(QString(bdNome).replace(u'\'', QStringLiteral("''")));
}

}  // namespace tvx::host_erp::testing
