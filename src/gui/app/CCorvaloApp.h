#pragma once

#include <QApplication>

// Owns the application object and runs the main window until it closes.
class CCorvaloApp
{
public:
    CCorvaloApp(int &argc, char **argv);

    int run();

    // Reads the local time zone once for the whole run (done before the application object
    // exists, so before anything converts a time).
    static void PinTimeZone();

private:
    static int &beforeApplication(int &argc);

    QApplication m_application;
};
