#pragma once
// PastaBase and PastaExiste of the stand-in host.
#include "host_api/pastas.h"
#include "host_erp/host_settings.h"

namespace tvx::host_erp {

// The host's base folder (host_settings.h).
class BaseFolder : public PastaBase {
public:
    explicit BaseFolder(HostSettingsRef settings) : settings_(std::move(settings)) {}
    QString Pasta() override;

private:
    HostSettingsRef settings_;
};

// True for an existing folder; '\' separates folders as '/' does.
class FolderExists : public PastaExiste {
public:
    bool Existe(const QString& sPasta) override;
};

}  // namespace tvx::host_erp
