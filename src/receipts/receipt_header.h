#pragma once
// The header of a transfer's receipt, filled member by member from the
// parameters row and the transfer row. A member the host refuses is skipped
// and the following one is still set; Validar tells later what is missing.
#include "host_api/doc_financeiro.h"
#include "platform/ado/recordset.h"

#include <QString>

namespace tvx {

// Fixed values of every receipt header.
inline const QString MoedaRecibo = QStringLiteral("EUR");
inline const QString ModoPagamentoRecibo = QStringLiteral("TRB");
inline const QString RegimeIvaRecibo = QStringLiteral("NAC");
inline constexpr std::int16_t TipoTerceiroCliente = 2;
// The bank account of transfers that came through no company bank account.
inline const QString ContaSemBanco = QStringLiteral("0000");

// `rsTransferencia` is on the transfer's row; `bComChaves`: an ordinary
// receipt settling documents (RECTIPODOCUM, RECSERIE, RECSECTOR) rather than
// an on-account one (RPC…, with ValorRegularizado := Valor). Never raises.
void pReciboCabecalhoDefinir(DocFinanceiro& oDoc, ado::Recordset& rsTransferencia, ado::Recordset& rsParam,
                             bool bComChaves);

}  // namespace tvx
