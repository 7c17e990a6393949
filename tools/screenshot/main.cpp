// Renders the real main window into a PNG, for the README:
//   corvalo_screenshot <out.png> [page]
// It runs on a fixed date with a throw-away data folder, so the picture is reproducible.
#include "app/CCorvaloDlg.h"
#include "app/DialogLayout.h"
#include "calendar/DayFiles.h"
#include "controls/EraseRequest.h"
#include "food/PortionEntry.h"
#include "platform/AppFolders.h"
#include "platform/AppSettings.h"
#include "platform/Clock.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QFileInfo>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTimer>
#include <clocale>
#include <cstdlib>

int main(int argc, char *argv[])
{
    qputenv("TZ", "UTC");
    QApplication application(argc, argv);
    std::setlocale(LC_ALL, "C");
    if (argc < 2) {
        std::fprintf(stderr, "usage: corvalo_screenshot <out.png> [page]\n");
        return 2;
    }
    // Absolute now: the window makes its data folder the current directory.
    const QString output = QFileInfo(QString::fromLocal8Bit(argv[1])).absoluteFilePath();
    const int page = argc > 2 ? std::atoi(argv[2]) : 1;

    QTemporaryDir folder;
    AppSettings::useFileForTesting(folder.filePath(QStringLiteral("settings.ini")));
    AppSettings::writeTabs(page);
    AppFolders::setExecutableFolderForTesting(folder.path().toStdString());
    Clock::setNowForTesting(1796463000); // 5 December 2026

    CCorvaloDlg dialog;
    dialog.show();
    if (page == 1) {
        // A day with a few portions logged and one more being entered.
        const auto search = [&](const char *text, int row) {
            static_cast<QLineEdit *>(dialog.control(DialogLayout::SearchBox))
                ->setText(QString::fromLatin1(text));
            auto *list = static_cast<QAbstractItemView *>(dialog.control(DialogLayout::FoodList));
            list->setCurrentIndex(list->model()->index(row, 0));
            dialog.SelectFood(row);
        };
        const auto add = [&](const char *amount) {
            static_cast<QLineEdit *>(dialog.control(DialogLayout::AmountBox))
                ->setText(QString::fromLatin1(amount));
            dialog.portionEntry()->AddPortion();
        };
        search("oats regular cooked", 0);
        add("1.0");
        search("milk, whole, 3.25%", 0);
        add("1.0");
        search("bananas, raw", 0);
        add("1.0");
        search("apples, raw, with skin", 0);
        static_cast<QLineEdit *>(dialog.control(DialogLayout::AmountBox))
            ->setText(QStringLiteral("2"));
    }
    QTimer::singleShot(200, &dialog, [&] {
        const EraseRequest::SnapshotScope notAnErase;
        dialog.grab().save(output);
        dialog.done(0);
    });
    dialog.exec();
    return 0;
}
