// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CCorvaloApp.h"

#include "app/CCorvaloDlg.h"
#include "controls/ResourceImage.h"
#include "export/DiaryExport.h"
#include "layout/PageTable.h"
#include "platform/AppFolders.h"
#include "platform/AppSettings.h"
#include "platform/DiaryLocation.h"
#include "platform/FontSetUp.h"
#include "platform/Resources.h"
#include "platform/ShownNumber.h"
#include "platform/SingleWindow.h"

#include <QFile>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <clocale>
#include <cstdlib>
#include <ctime>
#include <vector>

// Without TZ, glibc checks /etc/localtime again on every local time conversion, thousands of
// times per day switch; naming that same file once keeps the zone and drops the checks. A zone
// changed while the program runs is then seen at the next start.
void CCorvaloApp::PinTimeZone()
{
#if defined(__GLIBC__)
    if (std::getenv("TZ") == nullptr) {
        setenv("TZ", ":/etc/localtime", 0);
        tzset();
    }
#endif
}

QString CCorvaloApp::LoadTranslations(const QStringList &uiLanguages)
{
    static QTranslator own;
    static QTranslator standard;
    QCoreApplication::removeTranslator(&own);
    QCoreApplication::removeTranslator(&standard);
    Resources::setLanguage(QString());
    ShownNumber::setLanguage(QString());

    for (const QString &uiLanguage : uiLanguages) {
        const QString language =
            uiLanguage.section(QLatin1Char('-'), 0, 0).section(QLatin1Char('_'), 0, 0).toLower();
        if (language == QLatin1String("en"))
            return {};
        const QString file = QStringLiteral(":/i18n/corvalo_%1.qm").arg(language);
        if (!QFile::exists(file) || !own.load(file))
            continue;
        QCoreApplication::installTranslator(&own);
        // Qt's own texts, as in the standard context menus; they stay English when the system
        // has no translation of them.
        if (standard.load(QStringLiteral("qtbase_") + language,
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QCoreApplication::installTranslator(&standard);
        Resources::setLanguage(language);
        ShownNumber::setLanguage(language);
        return language;
    }
    return {};
}

QString CCorvaloApp::LoadUserLanguage()
{
    const QString chosen = qEnvironmentVariable("CORVALO_LANGUAGE");
    if (!chosen.isEmpty())
        return LoadTranslations({chosen});
    // As gettext does, LANGUAGE counts only when the messages are in some language at all: a
    // "C" locale stays English, as it always was.
    QString messages = qEnvironmentVariable("LC_ALL");
    if (messages.isEmpty())
        messages = qEnvironmentVariable("LC_MESSAGES");
    if (messages.isEmpty())
        messages = qEnvironmentVariable("LANG");
    const QString base = messages.section(QLatin1Char('.'), 0, 0);
    if (base.isEmpty() || base == QLatin1String("C") || base == QLatin1String("POSIX"))
        return LoadTranslations({});
    return LoadTranslations(QLocale::system().uiLanguages());
}

int &CCorvaloApp::beforeApplication(int &argc)
{
    PinTimeZone();
    return argc;
}

CCorvaloApp::CCorvaloApp(int &argc, char **argv) : m_application(beforeApplication(argc), argv)
{
    // Read while the window is built; started before the application object, it only slowed
    // down the connection to the display.
    FontSetUp::start();
    // QApplication takes the whole C locale from the environment; month and weekday names
    // should follow the user's language, but numbers in the C library stay "C".
    std::setlocale(LC_NUMERIC, "C");
    QApplication::setOrganizationName(QStringLiteral("Corvalo"));
    QApplication::setApplicationName(QStringLiteral("Corvalo"));
    // Docks and task bars match the window to its launcher and icon by this name.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.corvalo.Corvalo"));
    LoadUserLanguage();
}

int CCorvaloApp::run()
{
    // The skin in the order the window and its views ask for it, the start-up prompt's buttons
    // last. Only what comes before the first paint: decoding the rest meanwhile would slow it
    // down on a busy machine. The Food page's images when that page is shown first, the prompt's
    // picture when it paints.
    std::vector<ResourceImage::Name> skin = {
        {129, "LAYOUT"},  {154, "LAYOUT"},  {128, "ICON"},    {134, "ZNA4KI"},  {151, "ZNA4KI"},
        {152, "ZNA4KI"},  {153, "ZNA4KI"},  {130, "BUTTONS"}, {132, "BUTTONS"}, {135, "LAYOUT"},
        {136, "LAYOUT"},  {140, "BUTTONS"}, {141, "BUTTONS"}, {142, "BUTTONS"}, {143, "BUTTONS"},
        {144, "BUTTONS"}, {145, "BUTTONS"}, {146, "BUTTONS"}, {147, "BUTTONS"}, {148, "BUTTONS"},
        {155, "BUTTONS"}, {158, "BUTTONS"}, {159, "BUTTONS"}};
    if (PageTable::Normalized(AppSettings::readTabs()) != PageTable::Food) {
        std::erase_if(skin, [](const ResourceImage::Name &name) {
            for (int foodPage : {154, 135, 136, 146, 147, 155})
                if (name.id == foodPage)
                    return true;
            return false;
        });
    }
    // corvalo [YYYY-MM-DD]: the day to show.
    std::optional<DayFiles::LocalDate> day;
    QString dayText;
    for (const QString &argument : QCoreApplication::arguments().mid(1)) {
        if ((day = DiaryExport::ParseIsoDate(argument.toStdString()))) {
            dayText = argument;
            break;
        }
    }
    SingleWindow single;
    const std::filesystem::path diary =
        DiaryLocation::Resolve({}, AppFolders::executableFolder(), AppFolders::installedCopy(),
                               AppFolders::diaryEnvironment())
            .folder;
    if (!single.claim(diary, dayText)) {
        // The fonts' thread, started with the application, ends before the process does.
        FontSetUp::wait();
        return 0;
    }

    ResourceImage::DecodeAhead(skin);
    CCorvaloDlg dialog(nullptr, CCorvaloDlg::Build::ShownPageFirst);
    if (day)
        dialog.ShowDay(*day);
    QObject::connect(&single, &SingleWindow::asked, &dialog, [&dialog](const QString &asked) {
        dialog.bringToFront();
        if (const auto shown = DiaryExport::ParseIsoDate(asked.toStdString()))
            dialog.ShowDay(*shown);
    });
    // Once the window has painted, and before the user can work in it. Made before that, the
    // prompt's window would hold up the window's first paint.
    QObject::connect(&dialog, &CCorvaloDlg::firstPainted, &dialog, &CCorvaloDlg::CheckForNewVersion,
                     Qt::SingleShotConnection);
    dialog.exec();
    return 0;
}
