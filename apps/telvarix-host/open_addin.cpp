#include "telvarix-host/open_addin.h"

#include "platform/automation/conversions.h"
#include "platform/automation/dispatch.h"
#include "telvarix-host/addin_library.h"
#include "telvarix-host/command_line.h"

namespace tvx::host_app {

QList<QCommandLineOption> addinTargetOptions() {
    return {baseOption(), companyOption(), userOption(QStringLiteral("The host user the add-in is opened for.")),
            {QStringLiteral("addin"),
             QStringLiteral("The add-in library (default: libtelvarix.so next to the program, or the build's)."),
             QStringLiteral("PATH")}};
}

AddinTarget addinTarget(const QCommandLineParser& parser) {
    return {requiredValue(parser, QStringLiteral("base")),
            checkedCompanyCode(requiredValue(parser, QStringLiteral("company"))),
            requiredValue(parser, QStringLiteral("user")), parser.value(QStringLiteral("addin"))};
}

OpenAddin::OpenAddin(const AddinLibrary& library, const QString& company, const QString& user)
    : solucao_(library.create(QStringLiteral("Telvarix.Solucao"))) {
    if (!CBool(call(QStringLiteral("ConnectionOpen"), {Variant(company), Variant(user)})))
        throw CommandFailure(QStringLiteral("the add-in could not be opened for company %1.").arg(company));
    open_ = true;
}

OpenAddin::~OpenAddin() {
    if (open_) tryIgnoringError([this] { close(); });
}

Variant OpenAddin::call(const QString& member, std::vector<Variant>& args) { return solucao_->Invoke(member, args); }

void OpenAddin::close() {
    open_ = false;
    call(QStringLiteral("ConnectionClose"), {});
}

}  // namespace tvx::host_app
