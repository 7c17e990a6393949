#include "app/CCorvaloApp.h"

#include "app/CCorvaloDlg.h"

#include <clocale>

CCorvaloApp::CCorvaloApp(int &argc, char **argv) : m_application(argc, argv)
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
