#include "platform/Resources.h"

#include <QFile>
#include <QHash>

namespace Resources {

QString path(const char *type, int id)
{
    return QStringLiteral(":/%1/%2").arg(QLatin1String(type)).arg(id);
}

QByteArray bytes(const char *type, int id)
{
    return bytes(path(type, id));
}

QByteArray bytes(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

namespace {

// The table is "id<TAB>text" lines in UTF-8; lines starting with '#' are comments.
QHash<int, QString> loadStringTable()
{
    QHash<int, QString> table;
    QFile file(QStringLiteral(":/STRINGS/table"));
    if (!file.open(QIODevice::ReadOnly))
        return table;
    const auto lines = file.readAll().split('\n');
    for (const QByteArray &line : lines) {
        if (line.isEmpty() || line.startsWith('#'))
            continue;
        const int tab = line.indexOf('\t');
        bool ok = false;
        const int id = line.left(tab).trimmed().toInt(&ok);
        if (tab > 0 && ok)
            table.insert(id, QString::fromUtf8(line.mid(tab + 1)).trimmed());
    }
    return table;
}

} // namespace

QString string(int id)
{
    static const QHash<int, QString> table = loadStringTable();
    return table.value(id);
}

} // namespace Resources
