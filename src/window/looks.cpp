#include "window/looks.h"

namespace looks {

void installFontSubstitutes()
{
    QFont::insertSubstitutions(QStringLiteral("Garamond"),
                               {QStringLiteral("EB Garamond"), QStringLiteral("EB Garamond 12"),
                                QStringLiteral("EB Garamond 08"), QStringLiteral("Liberation Serif")});
    QFont::insertSubstitutions(QStringLiteral("Arial"), {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                               {QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans")});
}

QFont font(const QString &designFamily, double points, bool bold, bool italic)
{
    QFont f(designFamily);
    f.setPointSizeF(points);
    f.setBold(bold);
    f.setItalic(italic);
    return f;
}

} // namespace looks
