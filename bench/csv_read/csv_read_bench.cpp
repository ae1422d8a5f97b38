// Reads a generated ticket file of 100,000 lines (or the count given as the
// first argument) and prints how long the text-table read and the whole CSV
// source read take.
#include "agency/csv.h"
#include "agency_demo/csv_ticket_file.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>

namespace {

void report(const char* step, qint64 nanoseconds, int rows) {
    const double ms = double(nanoseconds) / 1e6;
    std::printf("%-34s %9.1f ms  %12.0f rows/s\n", step, ms, rows / (ms / 1000.0));
}

}  // namespace

int main(int argc, char** argv) {
    const int rows = argc > 1 ? std::atoi(argv[1]) : 100000;
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("tickets.csv"));
    tvx::agency::generateCsvTicketFile(path, rows, 7, QDate(2024, 3, 11));
    std::printf("file: %d ticket lines + header, %.1f MB\n", rows, double(QFileInfo(path).size()) / 1e6);

    QElapsedTimer timer;
    timer.start();
    tvx::LeitorCsv leitor;
    leitor.setOpcaoLeitura(tvx::LeitorCsv::OpcaoAspas);
    leitor.Abrir(path);
    report("LeitorCsv::Abrir (parse)", timer.nsecsElapsed(), rows);

    timer.restart();
    qsizetype chars = 0;
    for (std::int32_t r = 0; r < leitor.Linhas(); ++r)
        for (std::int32_t c = 0; c < leitor.Colunas(); ++c) chars += leitor.Celula(r, c).size();
    report("LeitorCsv::Celula (every cell)", timer.nsecsElapsed(), rows);

    timer.restart();
    const auto rs = tvx::CSV().GetRecordSet(path);
    report("CSV::GetRecordSet (whole read)", timer.nsecsElapsed(), rows);
    std::printf("taken rows: %d of %d (%lld characters in cells)\n", rs->RecordCount(), rows,
                static_cast<long long>(chars));
    return 0;
}
