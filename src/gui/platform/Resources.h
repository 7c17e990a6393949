// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

// The program's own resources, found by type and id as ":/<TYPE>/<id>".
namespace Resources {

QString path(const char *type, int id);

// The language the window speaks ("de"); empty or "en" for English, the resources' own.
void setLanguage(const QString &language);

// Where the resource is for the window's language: ":/<language>/<TYPE>/<id>" when the skin
// has a variant in that language, path() otherwise.
QString localizedPath(const char *type, int id);

// The resource's bytes; empty when it does not exist.
QByteArray bytes(const char *type, int id);
QByteArray bytes(const QString &path);

// An entry of the string table (ids 131 to 145) in the window's language; empty when there is
// no such entry.
QString string(int id);

} // namespace Resources
