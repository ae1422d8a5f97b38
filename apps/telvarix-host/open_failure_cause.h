#pragma once
// Why the host's logon to a company fails, found by the host itself from what
// the company's settings file names: the file, the company database, the
// database's company and the host user with its password, checked in the
// order the host's session checks them.
#include "host_erp/host_settings.h"

#include <QString>

namespace tvx::host_app {

// The first thing that stops the logon with `settingsFile`, as a sentence;
// empty when the host finds nothing wrong.
QString openFailureCause(const host_erp::HostSettingsRef& host, const QString& settingsFile);
// Why `user`, the user the add-in was opened for, is refused: not an active
// user of the company `settingsFile` logs on to; empty when it is one.
QString unknownUserCause(const host_erp::HostSettingsRef& host, const QString& settingsFile, const QString& user);

}  // namespace tvx::host_app
