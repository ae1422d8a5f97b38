#pragma once
// The look of a grid style: its font and alignment. A named font missing on
// this desktop is replaced by the installed one closest in look (Verdana by
// DejaVu Sans, its wide humanist relative; Segoe UI by Noto Sans or a
// similar interface font), else by the desktop's own interface font, always
// at the style's size.
#include "platform/ui/data_grid.h"

#include <QFont>

namespace tvx::ui_qt {

QFont gridFont(const ui::GridStyle& style, const QFont& base);

// Qt's alignment for a grid alignment code; not set: `fallback`.
Qt::Alignment gridAlignment(int code, Qt::Alignment fallback);

}  // namespace tvx::ui_qt
