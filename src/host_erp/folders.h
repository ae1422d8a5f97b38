#pragma once
// PastaBase and PastaExiste of the stand-in host.
#include "addin/host_api/pastas.h"

namespace tvx::host_erp {

// The host's base folder (host_settings.h).
class BaseFolder : public PastaBase {
public:
    QString Pasta() override;
};

// True for an existing folder; '\' separates folders as '/' does.
class FolderExists : public PastaExiste {
public:
    bool Existe(const QString& sPasta) override;
};

}  // namespace tvx::host_erp
