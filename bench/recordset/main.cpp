// Figures for a diagnostics-sized record set: building (and the memory its
// rows take), filtering, sorting, saving as rowset XML and opening the file
// again.
#include "platform/ado/recordset.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cstdio>
#include <fstream>
#include <functional>

#include <unistd.h>

using namespace tvx;
using namespace tvx::ado;

namespace {

constexpr int kRows = 100000;

void report(const char* step, int rows, const std::function<void()>& body) {
    QElapsedTimer timer;
    timer.start();
    body();
    const double seconds = double(timer.nsecsElapsed()) / 1e9;
    std::printf("%-28s %8d rows  %8.1f ms  %12.0f rows/s\n", step, rows, seconds * 1000, rows / seconds);
}

// The process's resident memory now, in bytes.
double residentBytes() {
    long pages = 0, resident = 0;
    std::ifstream("/proc/self/statm") >> pages >> resident;
    return double(resident) * double(::sysconf(_SC_PAGESIZE));
}

const char* const kStates[] = {"OK", "Erro", "Processado", "AVISO", "ERRO"};

void fill(Recordset& rs) {
    for (int i = 1; i <= kRows; ++i) {
        rs.AddNew();
        rs.setValue("Linha", i);
        rs.setValue("Num.Cliente", QString());
        rs.setValue("Estado", kStates[i % 5]);
        rs.setValue("Documento", i % 7 == 0 ? Variant::null() : Variant(100000 + i));
        rs.setValue(QStringLiteral("Descrição"),
                    QStringLiteral("Linha %1: o cliente não tem a conta & o recibo <%2> falhou").arg(i).arg(i % 97));
        rs.Update();
    }
}

}  // namespace

int main() {
    QTemporaryDir dir;
    const QString path = dir.filePath("diagnostico.xml");

    Recordset log;
    log.Fields().Append("Linha", adInteger, 0, adFldUnspecified);
    log.Fields().Append("Num.Cliente", adVarChar, 15, adFldUnspecified);
    log.Fields().Append("Estado", adVarChar, 15, adFldUnspecified);
    log.Fields().Append("Documento", adInteger, 32, adFldUnspecified);
    log.Fields().Append(QStringLiteral("Descrição"), adVarChar, 255, adFldUnspecified);
    log.Open();

    const double before = residentBytes();
    report("build (AddNew/Update)", kRows, [&] { fill(log); });
    std::printf("memory of the rows: %.0f bytes a row\n", (residentBytes() - before) / kRows);
    int errors = 0;
    report("filter Estado='Erro'", kRows, [&] {
        log.setFilter("Estado='Erro'");
        errors = log.RecordCount();
    });
    log.setFilter("");
    report("sort Estado, Linha DESC", kRows, [&] { log.setSort("Estado, Linha DESC"); });
    log.setSort("");
    report("save XML", kRows, [&] { log.Save(path, adPersistXML); });
    Recordset back;
    report("open XML", kRows,
           [&] { back.Open(path, "Provider=MSPersist;", adOpenForwardOnly, adLockBatchOptimistic, adCmdFile); });
    std::printf("error rows %d, file %.1f MB, rows read back %d\n", errors,
                double(QFileInfo(path).size()) / (1024 * 1024), back.RecordCount());
    return back.RecordCount() == kRows ? 0 : 1;
}
