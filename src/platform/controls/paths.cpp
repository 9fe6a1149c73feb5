#include "platform/controls/paths.h"

#include <QDir>
#include <QFileInfo>

namespace paths {

QString join(const QString &a, const QString &b)
{
    if (a.isEmpty())
        return b;
    if (a.endsWith(u'/'))
        return a + b;
    return a + u'/' + b;
}

static QString resolveComponent(const QString &dir, const QString &name)
{
    const QString exact = join(dir, name);
    if (name == u"." || name == u".." || QFileInfo::exists(exact))
        return exact;
    QDir d(dir);
    // System and hidden entries count too: a player's ".Mod" file is still the model.
    const QStringList entries =
        d.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Unsorted);
    // Of names that differ only in case, always the same one.
    QString found;
    for (const QString &e : entries)
        if (e.compare(name, Qt::CaseInsensitive) == 0 && (found.isEmpty() || e < found))
            found = e;
    return found.isEmpty() ? QString() : join(dir, found);
}

QString resolve(const QString &base, const QString &relative)
{
    QString current = base;
    const QStringList parts = relative.split(u'/', Qt::SkipEmptyParts);
    for (int i = 0; i < parts.size(); ++i) {
        const QString next = resolveComponent(current, parts[i]);
        if (next.isEmpty()) {
            QString rest = current;
            for (int j = i; j < parts.size(); ++j)
                rest = join(rest, parts[j]);
            return rest;
        }
        current = next;
    }
    return current;
}

QString resolve(const QString &absolute)
{
    if (!absolute.startsWith(u'/'))
        return resolve(QString(), absolute);
    return resolve(QStringLiteral("/"), absolute.mid(1));
}

} // namespace paths
