#include "telvarix-host/open_addin.h"

#include "platform/automation/conversions.h"
#include "platform/automation/dispatch.h"
#include "telvarix-host/addin_library.h"
#include "telvarix-host/command_line.h"
#include "telvarix-host/company_layout.h"
#include "telvarix-host/host_program.h"
#include "telvarix-host/open_failure_cause.h"

namespace tvx::host_app {

QList<QCommandLineOption> addinTargetOptions() {
    return {baseOption(),
            companyOption(),
            userOption(QStringLiteral("The host user the add-in is opened for.")),
            {QStringLiteral("addin"),
             QStringLiteral("The add-in library (default: libtelvarix.so next to the program, or the build's)."),
             QStringLiteral("PATH")}};
}

AddinTarget addinTarget(const QCommandLineParser& parser) {
    return {requiredValue(parser, QStringLiteral("base")),
            checkedCompanyCode(requiredValue(parser, QStringLiteral("company"))),
            requiredValue(parser, QStringLiteral("user")), parser.value(QStringLiteral("addin"))};
}

OpenAddin::OpenAddin(const AddinLibrary& library, const HostProgram& host, const QString& company, const QString& user)
    : solucao_(library.create(QStringLiteral("Telvarix.Solucao"))) {
    if (!CBool(call(QStringLiteral("ConnectionOpen"), {Variant(company), Variant(user)}))) {
        QString cause = openFailureCause(host.settings(), CompanyLayout(host.base(), company).settingsFile());
        if (cause.isEmpty())
            cause = QStringLiteral(
                "the settings file, the company database and the host user are in order; the "
                "add-in's own message says what failed.");
        throw CommandFailure(QStringLiteral("the add-in could not be opened for company %1: %2").arg(company, cause));
    }
    open_ = true;
    // The user the add-in works for must be one of the company's, as the host's own logon is.
    const QString unknown = unknownUserCause(host.settings(), CompanyLayout(host.base(), company).settingsFile(), user);
    if (!unknown.isEmpty()) {
        tryIgnoringError([this] { close(); });
        throw CommandFailure(QStringLiteral("the add-in could not be opened for company %1: %2").arg(company, unknown));
    }
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
