// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Resources.h"

#include <QCoreApplication>
#include <QFile>
#include <QHash>

namespace Resources {

namespace {

QString &currentLanguage()
{
    static QString language;
    return language;
}

} // namespace

QString path(const char *type, int id)
{
    return QStringLiteral(":/%1/%2").arg(QLatin1String(type)).arg(id);
}

void setLanguage(const QString &language)
{
    currentLanguage() = language == QLatin1String("en") ? QString() : language;
}

QString localizedPath(const char *type, int id)
{
    if (!currentLanguage().isEmpty()) {
        const QString variant =
            QStringLiteral(":/%1/%2/%3").arg(currentLanguage(), QLatin1String(type)).arg(id);
        if (QFile::exists(variant))
            return variant;
    }
    return path(type, id);
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

constexpr int CommunityAddress = 142;

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
    const QString text = table.value(id);
    // The table stays the English source; its translations are looked up under one context.
    // The community address is the same in every language.
    if (id == CommunityAddress || text.isEmpty())
        return text;
    return QCoreApplication::translate("StringTable", text.toUtf8().constData());
}

} // namespace Resources
