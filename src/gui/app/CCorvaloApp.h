#pragma once

#include <QApplication>

// Owns the application object and runs the main window until it closes.
class CCorvaloApp
{
public:
    CCorvaloApp(int &argc, char **argv);

    int run();

private:
    QApplication m_application;
};
