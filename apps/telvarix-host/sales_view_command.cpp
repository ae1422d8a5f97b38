// telvarix-host sales-view: the host's sales view, in which the user
// finalises an invoice in preparation and saves it, with the add-in's hooks
// called as the view opens, saves and closes.
#include "host_api/doc_comercial.h"
#include "host_api/sessao_api.h"
#include "platform/automation/conversions.h"
#include "telvarix-host/addin_library.h"
#include "telvarix-host/command_line.h"
#include "telvarix-host/company_layout.h"
#include "telvarix-host/host_commands.h"
#include "telvarix-host/host_program.h"
#include "telvarix-host/host_session.h"
#include "telvarix-host/open_addin.h"

#include <ostream>

namespace tvx::host_app {

namespace {

// The invoice in preparation the user finalises.
struct DocumentKey {
    QString tipo;
    std::int16_t serie = 0;
    std::int16_t ano = 0;
    std::int32_t numero = 0;

    QString text() const { return QStringLiteral("%1 %2/%3/%4").arg(tipo).arg(numero).arg(serie).arg(ano); }
};

DocumentKey finalizeKey(const QCommandLineParser& parser) {
    const QStringList rest = parser.positionalArguments();
    if (!parser.isSet(QStringLiteral("finalize")) || rest.size() != 3)
        throw UsageError(QStringLiteral("--finalize needs TYPE SERIES YEAR NUMBER."));
    return {parser.value(QStringLiteral("finalize")), std::int16_t(toInt(rest[0], QStringLiteral("SERIES"), 0, 32767)),
            std::int16_t(toInt(rest[1], QStringLiteral("YEAR"), 1, 9999)),
            toInt(rest[2], QStringLiteral("NUMBER"), 1, 2147483647)};
}

}  // namespace

int salesViewCommand(const QStringList& arguments, std::ostream& out, std::ostream& err) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Opens the host's sales view with the add-in loaded for a company, finalises an invoice that is in "
        "preparation, saves it and closes the view; the add-in's hooks run as in the host.\n"
        "Exit status: 0 when the invoice was finalised and saved, 1 when the host refused it or the add-in "
        "could not be opened, 2 for a wrong command line."));
    parser.addOptions(addinTargetOptions());
    parser.addOption({QStringLiteral("finalize"),
                      QStringLiteral("The invoice in preparation to finalise: TYPE, then SERIES YEAR NUMBER."),
                      QStringLiteral("TYPE")});
    parser.addPositionalArgument(QStringLiteral("SERIES YEAR NUMBER"),
                                 QStringLiteral("The rest of the invoice's key, after --finalize TYPE."));
    if (const auto code = parseCommand(parser, QStringLiteral("sales-view"), arguments, out, err)) return *code;
    return guarded(QStringLiteral("sales-view"), err, [&] {
        const AddinTarget target = addinTarget(parser);
        const DocumentKey key = finalizeKey(parser);

        HostProgram host(target.base, out);
        HostSession session(host.settings(), CompanyLayout(host.base(), target.company).settingsFile());
        const AddinLibrary library(findAddinLibrary(target.library));
        OpenAddin addin(library, target.company, target.user);

        const std::shared_ptr<DocComercial> document = session.api().DocComercial();
        const Variant oApi{ObjectRef(document)};
        const Variant vEmpresa(target.company);
        const Variant vUtilizador(target.user);
        addin.call(QStringLiteral("OnVistaVendasAbrir"), {Variant(), oApi, vEmpresa, vUtilizador, Variant(false)});

        Variant ano(key.ano), tipo(key.tipo), serie(key.serie), numero(key.numero);
        const bool saved = document->Finalizar(ano, tipo, serie, numero) == 0;
        if (saved) {
            printLine(out, QStringLiteral("Tumo Vesk: %1 finalised as %2 %3.")
                               .arg(key.text(), key.tipo, CStr(document->Cab()->NossoNoDocumento())));
            addin.call(QStringLiteral("OnVistaVendasGravar"), {oApi, vEmpresa, vUtilizador});
        } else {
            printLine(out, QStringLiteral("Tumo Vesk refused to finalise %1: %2").arg(key.text(), document->UltimaMensagem()));
        }
        addin.call(QStringLiteral("OnVistaVendasFechar"), {oApi, vEmpresa, vUtilizador});
        addin.close();
        return saved ? exit_code::Done : exit_code::Failed;
    });
}

}  // namespace tvx::host_app
