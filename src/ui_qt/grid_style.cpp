#include "ui_qt/grid_style.h"

#include <QFontDatabase>
#include <QStringList>

namespace tvx::ui_qt {

namespace {

QString installedFamily(const QString& wanted) {
    if (wanted.isEmpty() || QFontDatabase::hasFamily(wanted)) return wanted;
    static const QStringList verdanaLike = {QStringLiteral("DejaVu Sans"), QStringLiteral("Bitstream Vera Sans")};
    static const QStringList segoeLike = {QStringLiteral("Noto Sans"), QStringLiteral("Open Sans"),
                                          QStringLiteral("Cantarell"), QStringLiteral("DejaVu Sans")};
    const QStringList& candidates =
        wanted.compare(QStringLiteral("Verdana"), Qt::CaseInsensitive) == 0 ? verdanaLike : segoeLike;
    for (const QString& family : candidates)
        if (QFontDatabase::hasFamily(family)) return family;
    return QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
}

}  // namespace

QFont gridFont(const ui::GridStyle& style, const QFont& base) {
    QFont font = base;
    if (const QString family = installedFamily(style.fontName); !family.isEmpty()) font.setFamily(family);
    if (style.fontSize > 0) font.setPointSizeF(style.fontSize);
    return font;
}

Qt::Alignment gridAlignment(int code, Qt::Alignment fallback) {
    switch (code) {
        case ui::GridAlignLeft:
            return Qt::AlignLeft | Qt::AlignVCenter;
        case ui::GridAlignRight:
            return Qt::AlignRight | Qt::AlignVCenter;
        default:
            return fallback;
    }
}

}  // namespace tvx::ui_qt
