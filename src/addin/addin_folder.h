#pragma once
// The add-in's installation folder: where its library file lies.
#include <QString>

namespace tvx::addin {

QString addinFolder();

}  // namespace tvx::addin
