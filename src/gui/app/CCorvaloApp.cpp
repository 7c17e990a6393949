#include "app/CCorvaloApp.h"

#include "app/CCorvaloDlg.h"

#include <clocale>
#include <cstdlib>
#include <ctime>

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

int &CCorvaloApp::beforeApplication(int &argc)
{
    PinTimeZone();
    return argc;
}

CCorvaloApp::CCorvaloApp(int &argc, char **argv) : m_application(beforeApplication(argc), argv)
{
    // QApplication takes the whole C locale from the environment; month and weekday names
    // should follow the user's language, but numbers in the C library stay "C".
    std::setlocale(LC_NUMERIC, "C");
    QApplication::setOrganizationName(QStringLiteral("Corvalo"));
    QApplication::setApplicationName(QStringLiteral("Corvalo"));
}

int CCorvaloApp::run()
{
    CCorvaloDlg dialog;
    // Once the window is up, and before the user can work in it.
    QMetaObject::invokeMethod(&dialog, &CCorvaloDlg::CheckForNewVersion, Qt::QueuedConnection);
    dialog.exec();
    return 0;
}
