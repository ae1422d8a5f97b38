#pragma once
// A window as a person sees it, saved as a PNG file: a plain title bar with
// its caption (the captured window has no frame of its own) over its inside.
// The path is printed; a file that cannot be written is reported.
#include <QString>

class QWidget;

namespace tvx::testing {

void saveWindowPicture(QWidget& window, const QString& path);

}  // namespace tvx::testing
