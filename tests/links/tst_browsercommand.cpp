// SPDX-License-Identifier: GPL-3.0-or-later
// Registered browser command lines turned into a program and arguments, and when the start-up
// prompt shows.
#include "links/BrowserCommand.h"
#include "links/NewVersionCheck.h"

#include <QtTest>

using Words = std::vector<std::string>;
Q_DECLARE_METATYPE(Words)

class TestBrowserCommand : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        qputenv("TZ", "UTC");
        tzset();
    }
    void arguments_data();
    void arguments();
    void defaultHandler();
    void desktopEntryExec();
    void promptDate();
};

void TestBrowserCommand::arguments_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<Words>("expected");
    const std::string address = "https://example.org/chat/";

    QTest::newRow("quoted %1 at the end")
        << R"("C:\Browser\browser.exe" -osint -url "%1")"
        << Words {R"(C:\Browser\browser.exe)", "-osint", "-url", address};
    QTest::newRow("bare %1") << "browser %1 --new-tab" << Words {"browser", address};
    QTest::newRow("no placeholder")
        << "browser --private" << Words {"browser", "--private", address};
    QTest::newRow("desktop entry %U")
        << "/usr/bin/firefox-esr %U" << Words {"/usr/bin/firefox-esr", address};
    QTest::newRow("BROWSER with '%s'")
        << "fakebrowser --new-window '%s'" << Words {"fakebrowser", "--new-window", address};
    QTest::newRow("single quotes take everything as it is")
        << R"('/opt/My Browser/run' 'a\"b' "it's" %s)"
        << Words {"/opt/My Browser/run", R"(a\"b)", "it's", address};
    QTest::newRow("quotes keep blanks") << R"("/opt/My Browser/run" --flag="a b" %u)"
                                        << Words {"/opt/My Browser/run", "--flag=a b", address};
    QTest::newRow("blanks of any kind between words")
        << "browser \t --private" << Words {"browser", "--private", address};
    QTest::newRow("escapes in double quotes")
        << R"(run "a\$b\\c" %u)" << Words {"run", R"(a$b\c)", address};
    QTest::newRow("the address is one argument, never parsed")
        << "browser" << Words {"browser", address};
    QTest::newRow("nothing to run") << R"( "%1")" << Words {};
}

void TestBrowserCommand::arguments()
{
    QFETCH(QString, command);
    QFETCH(Words, expected);
    QCOMPARE(BrowserCommand::Arguments(command.toStdString(), "https://example.org/chat/"),
             expected);
    // A hostile address stays one argument.
    const Words hostile = BrowserCommand::Arguments("browser", "x; rm -rf ~ \"%1\"");
    QCOMPARE(hostile.back(), std::string("x; rm -rf ~ \"%1\""));
}

void TestBrowserCommand::defaultHandler()
{
    const char *list = "[Added Associations]\n"
                       "x-scheme-handler/https=other.desktop;\n"
                       "\n"
                       "[Default Applications]\n"
                       "text/html=firefox-esr.desktop\n"
                       "x-scheme-handler/https = firefox-esr.desktop;chromium.desktop;\n";
    QCOMPARE(BrowserCommand::DefaultHandler(list, "https"), std::string("firefox-esr.desktop"));
    QCOMPARE(BrowserCommand::DefaultHandler(list, "http"), std::string());
    QCOMPARE(BrowserCommand::DefaultHandler("", "https"), std::string());
}

void TestBrowserCommand::desktopEntryExec()
{
    const char *entry = "[Desktop Entry]\r\n"
                        "Name=Web\r\n"
                        "Exec=/usr/lib/browser/run %u\r\n"
                        "[Desktop Action new-window]\n"
                        "Exec=/usr/lib/browser/run --new-window %u\n";
    QCOMPARE(BrowserCommand::DesktopEntryExec(entry), std::string("/usr/lib/browser/run %u"));
    QCOMPARE(BrowserCommand::DesktopEntryExec("[Desktop Entry]\nName=x\n"), std::string());
    // Only the entry's own group counts, wherever it stands.
    QCOMPARE(BrowserCommand::DesktopEntryExec("[Desktop Action new-window]\nExec=other\n"
                                              "[Desktop Entry]\nExec=run %u\n"),
             std::string("run %u"));
}

void TestBrowserCommand::promptDate()
{
    QCOMPARE(NewVersionCheck::Threshold(27), std::int64_t(1403870401)); // 27 June 2014 12:00:01
    QVERIFY(NewVersionCheck::ShouldPrompt(1796463000)); // any start since shows it
    QVERIFY(NewVersionCheck::ShouldPrompt(1403870401));
    QVERIFY(!NewVersionCheck::ShouldPrompt(1401580800)); // 1 June 2014, midnight
    for (std::int64_t now = 1401000000; now < 1401000100; ++now) {
        const int day = NewVersionCheck::RandomDay(now);
        QVERIFY(day >= 1 && day <= 27);
    }
}

QTEST_GUILESS_MAIN(TestBrowserCommand)
#include "tst_browsercommand.moc"
