#pragma once
// The tables of a company database, in SQLite's SQL with the server's type
// names (so that the connection layer reads values as the server's provider
// would: int -> Long, smallint -> Integer, bit -> Boolean, money -> Currency,
// date/datetime -> Date, float -> Double, nvarchar -> String).
//
// Codes compare without regard to case, as on the server (COLLATE NOCASE):
// the CODIGO of every catalogue table (CLIENTES, ARTIGOS, ARMAZENS, TPDOC,
// SECTORES, MOTIVO_ISENCAO_IVA, MODOSPAG, BANCOS, REGIMES_IVA, EMPRESA), the
// document type of NOMSERIE / NUMERACAO, the document type, sector, customer
// (Terceiro), article, warehouse and exemption codes held by documents, and
// user logins. Names, descriptions and free texts compare exactly.
//
// Numeric codes (document headers and types), as the add-in's configuration
// lists filter on them:
//   AREAG    4 commercial (sales), 6 financial (treasury)
//   ENTIDADE 2 customers
//   TPOPER   2 sale, 3 credit note, 7 receipt (settling or on account)
//   NATCONTA 1 debit (the customer owes; receipts too), 2 credit
//   SINALCT  1 counts positive when settled, 2 negative (credit documents)
//   TPDOC.CATEGORIA  'FACTURA', 'NOTA_CREDITO', 'RECIBO', 'RECIBO_CONTA'
//   DOCGCLIN.TIPOLINHA 1 normal line (an article line, or a text line
//            without article), 2 comment
//
// Documents: DOCGCCAB holds sales documents in preparation (EMPREPARACAO 1,
// NNUMDOC their preparation number) and final ones (EMPREPARACAO 0, NNUMDOC
// their final number); NUMERACAO keeps both sequences per series and year.
// VALORPAGO is what receipts have settled of TOTDOC so far (both positive).
// Journal entries take their accounts from CONTACTB of CLIENTES, ARTIGOS,
// TAXAS_IVA, BANCOS and MODOSPAG.
#include <QString>
#include <cstdint>

namespace tvx::host_erp {

// PRAGMA application_id of a company file ("TVKC").
inline constexpr std::int32_t CompanyApplicationId = 0x54564B43;
// PRAGMA user_version of the schema below.
inline constexpr std::int32_t CompanySchemaVersion = 1;

// Every CREATE statement of a new company database, in order.
const QString& companySchemaSql();

}  // namespace tvx::host_erp
