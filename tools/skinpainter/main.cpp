// SPDX-License-Identifier: GPL-3.0-or-later
// Paints every skin image and writes them as <type>-<id>.png into the folder given, and again at
// twice the pixels as <type>-<id>@2x.png for high-density screens; with a second folder, also the
// desktop icon as hicolor/<n>x<n>/apps/corvalo.png in the sizes themes look for.
// With --translation <file.qm>, paints only the images that carry words, in that language.
#include "Backgrounds.h"
#include "ButtonStrips.h"
#include "Markers.h"
#include "PaintKit.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QTextStream>
#include <QTranslator>
#include <cstdio>

namespace {

struct SkinImage
{
    const char *type;
    int id;
    int width;
    int height;
    bool alpha;
    QImage (*paint)();
    bool words = false; // painted again for every language
    bool twice = true; // also painted at 2x
};

// Sizes are what the program expects of its resources; a painter that drifts from them is an
// error rather than a silently wrong skin.
constexpr SkinImage Images[] = {
    {"LAYOUT", 129, 640, 480, true, Backgrounds::mainBackground},
    {"LAYOUT", 154, 640, 480, true, Backgrounds::foodOverlay, true},
    {"LAYOUT", 157, 324, 190, false, Backgrounds::updatePrompt, true},
    {"LAYOUT", 135, 24, 22, true, Markers::tickOn},
    {"LAYOUT", 136, 24, 22, true, Markers::tickOff},
    {"ZNA4KI", 134, 34, 54, true, Markers::selectionFrame},
    {"ZNA4KI", 151, 16, 16, true, Markers::noteIcon},
    {"ZNA4KI", 152, 20, 18, true, Markers::dataBox},
    {"ZNA4KI", 153, 17, 14, true, Markers::dataBoxPressed},
    {"BUTTONS", 130, 51, 24, true, ButtonStrips::nextDay},
    {"BUTTONS", 132, 51, 24, true, ButtonStrips::previousDay},
    {"BUTTONS", 140, 66, 23, true, ButtonStrips::close},
    {"BUTTONS", 141, 105, 16, true, ButtonStrips::food, true},
    {"BUTTONS", 142, 132, 16, true, ButtonStrips::charts, true},
    {"BUTTONS", 143, 120, 16, true, ButtonStrips::diary, true},
    {"BUTTONS", 144, 192, 16, true, ButtonStrips::ovulation, true},
    {"BUTTONS", 145, 165, 16, true, ButtonStrips::settings, true},
    {"BUTTONS", 146, 276, 16, true, ButtonStrips::deleteSelected, true},
    {"BUTTONS", 147, 186, 16, true, ButtonStrips::clearList, true},
    {"BUTTONS", 148, 210, 16, true, ButtonStrips::community, true},
    {"BUTTONS", 155, 378, 29, true, ButtonStrips::add, true},
    {"BUTTONS", 158, 300, 23, true, ButtonStrips::noThanks, true},
    {"BUTTONS", 159, 810, 25, true, ButtonStrips::download, true},
    // The window icon is already larger than any title bar shows it.
    {"ICON", 128, 64, 64, true, Markers::windowIcon, false, false},
    {"STYLE", 1, 10, 7, true, Markers::dropArrow},
};

constexpr int IconSizes[] = {16, 24, 32, 48, 64, 128, 256};

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QTextStream err(stderr);

    QStringList args = app.arguments();
    QTranslator translator;
    const bool translated = args.size() == 4 && args.at(1) == QLatin1String("--translation");
    if (translated) {
        if (!translator.load(args.at(2))) {
            err << "cannot read the translation " << args.at(2) << '\n';
            return 1;
        }
        QCoreApplication::installTranslator(&translator);
        args.remove(1, 2);
    }
    if (args.size() != 2 && (args.size() != 3 || translated)) {
        err << "usage: corvalo_skinpainter <skin folder> [<icons folder>]\n"
               "       corvalo_skinpainter --translation <file.qm> <skin folder>\n";
        return 2;
    }
    const QDir out(args.at(1));
    if (!out.mkpath(QStringLiteral("."))) {
        err << "cannot create " << out.path() << '\n';
        return 1;
    }

    int failures = 0;
    for (const int scale : {1, 2}) {
        PaintKit::setScale(scale);
        for (const SkinImage &entry : Images) {
            if ((translated && !entry.words) || (scale != 1 && !entry.twice))
                continue;
            const QString name = QString::fromLatin1(entry.type).toLower() + u'-' +
                QString::number(entry.id) +
                (scale == 1 ? QString() : QStringLiteral("@%1x").arg(scale)) +
                QStringLiteral(".png");
            QImage image = entry.paint();
            if (image.width() != entry.width * scale || image.height() != entry.height * scale) {
                err << name << ": painted " << image.width() << 'x' << image.height()
                    << ", expected " << entry.width * scale << 'x' << entry.height * scale << '\n';
                ++failures;
                continue;
            }
            // A caption cut off at both ends would reach the window unnoticed.
            PaintKit::tooLong().removeDuplicates();
            for (const QString &text : PaintKit::tooLong()) {
                err << name << ": \"" << text << "\" does not fit its button\n";
                ++failures;
            }
            PaintKit::tooLong().clear();
            image =
                image.convertToFormat(entry.alpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
            if (!image.save(out.filePath(name), "PNG")) {
                err << name << ": cannot write " << out.filePath(name) << '\n';
                ++failures;
            }
        }
    }
    PaintKit::setScale(1);
    if (args.size() == 3) {
        const QDir icons(args.at(2));
        for (const int size : IconSizes) {
            const QString folder = QStringLiteral("hicolor/%1x%1/apps").arg(size);
            const QString file = icons.filePath(folder + QStringLiteral("/corvalo.png"));
            if (!icons.mkpath(folder) ||
                !Markers::appIcon(size).convertToFormat(QImage::Format_ARGB32).save(file, "PNG")) {
                err << "cannot write " << file << '\n';
                ++failures;
            }
        }
    }
    return failures == 0 ? 0 : 1;
}
