// SPDX-License-Identifier: GPL-3.0-or-later
// The outdated-version prompt and the browser launch behind it and the Community button.
#include "app/CCorvaloDlg.h"
#include "calendar/DayFiles.h"
#include "controls/CHoverButton.h"
#include "controls/ResourceImage.h"
#include "layout/DialogLayout.h"
#include "links/BrowserLauncher.h"
#include "links/CNewVerWarng.h"
#include "platform/AppFolders.h"
#include "platform/AppSettings.h"
#include "platform/Clock.h"

#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <memory>

class TestNewVersion : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void promptLooksAsLaidOut();
    void promptAnswers();
    void launcherFallsBackToTheBrowserCommand();
    void startupPromptAndCommunity();

private:
    // Answers the next modal prompt by clicking one of its buttons, or with Escape.
    void answerPrompt(const char *how);

    QStringList m_opened; // addresses the desktop was asked to open
    bool m_desktopWorks = true;
    QStringList m_started; // program and arguments of the fallback
};

void TestNewVersion::initTestCase()
{
    qputenv("TZ", "UTC");
    tzset();
    Clock::setNowForTesting(1796463000); // 5 December 2026
    BrowserLauncher::setDesktopOpenerForTesting([this](const QUrl &url) {
        m_opened << url.toString();
        return m_desktopWorks;
    });
    BrowserLauncher::setStarterForTesting([this](const QString &program, const QStringList &args) {
        m_started = QStringList {program} + args;
        return true;
    });
}

void TestNewVersion::init()
{
    m_opened.clear();
    m_started.clear();
    m_desktopWorks = true;
}

void TestNewVersion::cleanup()
{
    qunsetenv("BROWSER");
}

void TestNewVersion::answerPrompt(const char *how)
{
    const QByteArray answer(how);
    QTimer::singleShot(0, this, [answer] {
        auto *prompt = qobject_cast<CNewVerWarng *>(QApplication::activeModalWidget());
        QVERIFY(prompt);
        if (answer == "escape")
            QTest::keyClick(prompt, Qt::Key_Escape);
        else
            QTest::mouseClick(answer == "download" ? prompt->downloadButton()
                                                   : prompt->noThanksButton(),
                              Qt::LeftButton);
    });
}

void TestNewVersion::promptLooksAsLaidOut()
{
    CNewVerWarng prompt;
    QCOMPARE(prompt.size(), QSize(324, 190));
    QVERIFY(prompt.windowFlags() & Qt::FramelessWindowHint);
    QCOMPARE(prompt.noThanksButton()->geometry(), QRect(104, 153, 100, 23));
    QCOMPARE(prompt.downloadButton()->geometry(), QRect(27, 130, 270, 25));
    QCOMPARE(prompt.noThanksButton()->toolTip(), QStringLiteral("No, thanks"));
    QCOMPARE(prompt.downloadButton()->toolTip(), QStringLiteral("Click to download"));

    // The two buttons overlap by two rows; their faces keep apart, and "No, thanks" stands in
    // the prompt's middle, as "Click to download" does.
    prompt.show();
    QVERIFY(QTest::qWaitForWindowExposed(&prompt));
    const QImage shown = prompt.grab().toImage();
    const QImage picture = ResourceImage(157, "LAYOUT").image();
    const auto painted = [&](int x, int y) {
        return shown.pixel(x, y) != picture.pixel(x, y);
    };
    int paintedBetween = 0;
    for (int y = 153; y <= 155; ++y)
        for (int x = 30; x < 294; ++x)
            paintedBetween += painted(x, y);
    QCOMPARE(paintedBetween, 0);
    int first = -1;
    int last = -1;
    for (int x = 104; x < 204; ++x) {
        if (painted(x, 166)) {
            first = first < 0 ? x : first;
            last = x;
        }
    }
    QVERIFY(first >= 0);
    QVERIFY2(qAbs((first + last + 1) / 2.0 - 162) <= 1, qPrintable(QString::number(first)));
}

void TestNewVersion::promptAnswers()
{
    for (const char *how : {"download", "no", "escape"}) {
        CNewVerWarng prompt;
        answerPrompt(how);
        const int result = prompt.exec();
        QCOMPARE(result, qstrcmp(how, "download") == 0 ? QDialog::Accepted : QDialog::Rejected);
    }
}

void TestNewVersion::launcherFallsBackToTheBrowserCommand()
{
    const QString address = QStringLiteral("https://www.corvalo-diary.org/chat/");
    QVERIFY(BrowserLauncher::OpenInBrowser(address));
    QCOMPARE(m_opened, QStringList {address});
    QVERIFY(m_started.isEmpty()); // the desktop opened it: no fallback

    m_desktopWorks = false;
    qputenv("BROWSER", R"("/opt/web browser/run" --new-tab "%1":lynx)");
    QVERIFY(BrowserLauncher::OpenInBrowser(address));
    QCOMPARE(m_started,
             (QStringList {QStringLiteral("/opt/web browser/run"), QStringLiteral("--new-tab"),
                           address}));
}

void TestNewVersion::startupPromptAndCommunity()
{
    QTemporaryDir dir;
    AppSettings::useFileForTesting(dir.filePath(QStringLiteral("settings.ini")));
    AppFolders::setExecutableFolderForTesting(dir.path().toStdString());
    CCorvaloDlg dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));

    answerPrompt("no");
    QVERIFY(dialog.CheckForNewVersion());
    QVERIFY(m_opened.isEmpty());
    answerPrompt("download");
    QVERIFY(dialog.CheckForNewVersion());
    QCOMPARE(m_opened, QStringList {QStringLiteral("https://www.corvalo-diary.org/software.html")});
    QVERIFY(dialog.isVisible()); // the program goes on either way

    m_opened.clear();
    QTest::mouseClick(dialog.control(DialogLayout::CommunityButton), Qt::LeftButton);
    QCOMPARE(m_opened, QStringList {QStringLiteral("https://www.corvalo-diary.org/chat/")});
}

QTEST_MAIN(TestNewVersion)
#include "tst_newversion.moc"
