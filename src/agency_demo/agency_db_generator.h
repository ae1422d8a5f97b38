#pragma once
// Generates an agency database with plausible, varied data for tests, the
// benchmarks and the demo. The same parameters always give the same file.
#include "agency_demo/agency_db.h"

#include <QDate>
#include <cstdint>

namespace tvx::agency {

// IDs of the billing periods every generated file holds in `faturacao`.
namespace periodo {
inline constexpr std::int32_t Dia = 1;           // "DIA": invoiced every day
inline constexpr std::int32_t Domingo = 2;       // "DOM", then "SEG" … "SAB" up to 8
inline constexpr std::int32_t Mensal = 9;        // "MES": never a day's period
inline constexpr std::int32_t SemTipo = 10;      // tipo Null
inline constexpr std::int32_t Inexistente = 99;  // referenced by tickets, absent from the table
// The weekday-coded period of a date (Sunday → Domingo, …, Saturday → Domingo + 6).
std::int32_t doDia(const QDate& date);
}  // namespace periodo

// IDs of the banks every generated file holds in `Bancos`.
namespace banco {
inline constexpr std::int32_t Atlantico = 1;
inline constexpr std::int32_t Lusitano = 2;
inline constexpr std::int32_t Numerario = 3;  // account "0000"
}  // namespace banco

struct AgencyDbParams {
    std::uint32_t seed = 1;
    int customers = 12;  // with accounts "C0001" …; two more follow, one with an empty and one with a Null account
    int tickets = 60;
    int transfers = 20;
    // Share of tickets and transfers that some selection rule leaves out (wrong
    // service or payment, already invoiced, another day's period, no amount, …).
    int excludedPercent = 25;
    QDate today = QDate::currentDate();  // travel dates follow it, transfer dates precede it
};

// Account of the n-th generated customer (1-based): "C0001", …
QString customerAccount(int n);

// Creates the file (refusing an existing one) and fills it.
void generateAgencyDb(const QString& path, const AgencyDbParams& params);
// Fills an already created file: periods, banks, customers, then tickets and transfers.
void fillAgencyDb(AgencyDb& db, const AgencyDbParams& params);

}  // namespace tvx::agency
