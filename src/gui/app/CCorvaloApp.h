// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QApplication>
#include <QStringList>

// Owns the application object and runs the main window until it closes.
class CCorvaloApp
{
public:
    CCorvaloApp(int &argc, char **argv);

    int run();

    // Reads the local time zone once for the whole run (done before the application object
    // exists, so before anything converts a time).
    static void PinTimeZone();

    // Speaks the first of these languages ("de-DE", "en") that the program has, or English, its
    // own, when English comes first or none is known; replaces what an earlier call loaded.
    // Returns the language loaded, empty for English.
    static QString LoadTranslations(const QStringList &uiLanguages);
    // The same for the user's languages; CORVALO_LANGUAGE ("de", "en") comes before them.
    static QString LoadUserLanguage();

private:
    static int &beforeApplication(int &argc);

    QApplication m_application;
};
