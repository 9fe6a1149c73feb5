#include "window/looks.h"

#include <QHash>

namespace looks {

// The design's fonts and the packaged fonts that stand for them. Asking for the installed family by
// name spares the font system a search for a family that is not there.
static QString installedFamily(const QString &designFamily)
{
    static const QHash<QString, QString> families = {
        {QStringLiteral("Garamond"), QStringLiteral("EB Garamond")},
        {QStringLiteral("Arial"), QStringLiteral("Liberation Sans")},
        {QStringLiteral("MS Sans Serif"), QStringLiteral("DejaVu Sans")},
    };
    return families.value(designFamily, designFamily);
}

QFont font(const QString &designFamily, double points, bool bold, bool italic)
{
    QFont f(installedFamily(designFamily));
    f.setPointSizeF(points);
    f.setBold(bold);
    f.setItalic(italic);
    return f;
}

} // namespace looks
