#pragma once
// Where the clerk's guide is: installed beside the program
// (PREFIX/share/doc/telvarix/guide.md), else in the source tree the program
// was built from; "" when neither has it.
#include <QString>

namespace tvx::host_gui {

QString guideFile();

}  // namespace tvx::host_gui
