#pragma once
// Which invoices a transfer settles: its Fatura text names them as
// "type-number-series-year" references separated by ";". Each is looked up
// in the company's commercial document headers and must belong to the
// transfer's customer; the keys come back, in text order, only when every
// reference holds and their signed totals make up the transfer's amount
// exactly. Otherwise the collection is empty (an on-account receipt) and
// sMensagem tells which reference was refused ("" for a mere amount
// mismatch).
#include "platform/automation/currency.h"
#include "receipts/vsk_doc_keys.h"

#include <QString>
#include <memory>

namespace tvx {

class DalComandos;

// Errors (a number, series or year that is not a number or out of range, a
// failing query, the same type and number twice) are raised again under
// "pDocQueTipoRecibo".
std::shared_ptr<VskDocKeys> pDocQueTipoRecibo(DalComandos& comandos, const QString& sFatura, const QString& sConta,
                                              Currency cValor, QString& sMensagem);

// The first reference of `sFatura` whose number, series or year is not a
// number in range ("" when there is none): checked before anything of the
// transfer is stored, so that such a transfer is logged and left pending
// instead of stopping the run.
QString pFaturaReferenciaInvalida(const QString& sFatura);

// Refusal texts; the reference follows each of them.
inline const QString RecusaMalDefinido = QStringLiteral("Um dos documentos a liquidar não está bem definido. ");
inline const QString RecusaNaoExiste = QStringLiteral("Um dos documentos a liquidar não Existe. ");
// "Um dos documentos a liquidar tem terceiro <T> diferente da transferência <C>. " + the reference.
QString recusaOutroTerceiro(const QString& sTerceiro, const QString& sConta, const QString& sReferencia);

}  // namespace tvx
