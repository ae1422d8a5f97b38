#pragma once
// The add-in opened for a company, as the host holds it: "Telvarix.Solucao"
// created by name and its members called by name with variant arguments.
#include "platform/automation/variant.h"
#include "telvarix-host/addin_object.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QString>
#include <memory>
#include <vector>

namespace tvx {
class Dispatch;
}

namespace tvx::host_app {

class AddinLibrary;
class HostProgram;

// What the commands that open the add-in are told: the host's base folder,
// the company, the user, and the add-in library ("" to look for it).
struct AddinTarget {
    QString base;
    QString company;
    QString user;
    QString library;
};
// Their options --base, --company, --user and --addin.
QList<QCommandLineOption> addinTargetOptions();
// UsageError when one of the first three is missing or the company code is not one.
AddinTarget addinTarget(const QCommandLineParser& parser);

class OpenAddin : public AddinObject {
public:
    // Creates the entry object and calls ConnectionOpen; when it answers
    // False, CommandFailure with the cause the host finds in the company's
    // files (see open_failure_cause.h).
    OpenAddin(const AddinLibrary& library, const HostProgram& host, const QString& company, const QString& user);
    // Closes the add-in when close() was not called; its object is let go.
    ~OpenAddin() override;
    OpenAddin(const OpenAddin&) = delete;
    OpenAddin& operator=(const OpenAddin&) = delete;

    // Calls a member; the arguments go by reference.
    using AddinObject::call;
    Variant call(const QString& member, std::vector<Variant>& args) override;
    // ConnectionClose; its error (it has no handler of its own) is raised.
    void close();

private:
    std::shared_ptr<Dispatch> solucao_;
    bool open_ = false;
};

}  // namespace tvx::host_app
