// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/DiaryFolderGroup.h"

#include "app/SettingsPanels.h"
#include "controls/SkinButton.h"
#include "controls/SkinForm.h"
#include "platform/SkinFont.h"
#include "skin/SkinColors.h"

#include <QComboBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QLabel>
#include <QPainter>

namespace {

constexpr int kWidth = 222;

std::function<QString()> s_folderChooser;
std::function<bool()> s_moveChooser;

// Moving the diary there, or opening the one that is there.
class MoveOrOpenForm : public SkinForm
{
public:
    MoveOrOpenForm(const QString &folder, QWidget *parent)
        : SkinForm(DiaryFolderGroup::tr("Diary folder"), DiaryFolderGroup::tr("Continue"), parent)
    {
        QLabel *text = makeLabel(folder, false);
        text->setWordWrap(true);
        text->setMinimumWidth(320);
        body()->addWidget(text, 0, 0);
        m_choice = makeChoice({DiaryFolderGroup::tr("Move my diary there"),
                               DiaryFolderGroup::tr("Open the diary that is in that folder")});
        m_choice->setAccessibleName(DiaryFolderGroup::tr("Move or open"));
        body()->addWidget(m_choice, 1, 0);
        QLabel *hint = makeLabel(DiaryFolderGroup::tr("A day kept in both folders is joined, "
                                                      "never overwritten."),
                                 false);
        hint->setWordWrap(true);
        body()->addWidget(hint, 2, 0);
        fitToContents();
        m_choice->setFocus(Qt::OtherFocusReason);
    }
    bool move() const { return m_choice->currentIndex() == 0; }

protected:
    bool commit() override { return true; }

private:
    QComboBox *m_choice = nullptr;
};

} // namespace

void DiaryFolderGroup::setChooserForTesting(std::function<QString()> folder,
                                            std::function<bool()> move)
{
    s_folderChooser = std::move(folder);
    s_moveChooser = std::move(move);
}

DiaryFolderGroup::DiaryFolderGroup(QWidget *parent) : QWidget(parent)
{
    const QFont titleFont = skinFont(QStringLiteral("Arial"), 12, QFont::Bold);
    const QFont hintFont = skinFont(QStringLiteral("Arial"), 9);
    const int width = kWidth - 2 * SettingsPanels::Padding;
    m_texts.add(QRect(SettingsPanels::Padding, 6, width, 22), tr("Diary folder"), titleFont,
                SkinColors::Text);

    m_folder = new QLabel(this);
    m_folder->setObjectName(QStringLiteral("diaryFolder"));
    m_folder->setFont(hintFont);
    m_folder->setGeometry(SettingsPanels::Padding, 28, width, 16);
    m_folder->setStyleSheet(
        QStringLiteral("color: #%1; background: transparent;")
            .arg(SkinColors::PromptSubtext & 0xFFFFFF, 6, 16, QLatin1Char('0')));

    m_choose = new SkinButton(tr("Choose\u2026"), this);
    m_choose->setObjectName(QStringLiteral("chooseDiaryFolder"));
    m_choose->setAccessibleName(tr("Choose the diary folder"));
    m_choose->setGeometry(QRect(QPoint(SettingsPanels::Padding, 46), m_choose->sizeHint()));
    connect(m_choose, &QAbstractButton::clicked, this, &DiaryFolderGroup::choose);
}

void DiaryFolderGroup::setFolder(const std::filesystem::path &folder, const QString &why)
{
    m_current = folder;
    const QString path = QString::fromStdString(folder.string());
    m_folder->setText(m_folder->fontMetrics().elidedText(path, Qt::ElideMiddle, m_folder->width()));
    m_folder->setToolTip(why.isEmpty() ? path : path + QStringLiteral("\n") + why);
    m_folder->setAccessibleName(tr("Diary folder: %1").arg(path));
}

void DiaryFolderGroup::choose()
{
    const QString folder = s_folderChooser
        ? s_folderChooser()
        : QFileDialog::getExistingDirectory(this, tr("Choose the diary folder"),
                                            QString::fromStdString(m_current.string()));
    if (folder.isEmpty())
        return;
    bool move = true;
    if (s_moveChooser) {
        move = s_moveChooser();
    } else {
        MoveOrOpenForm form(folder, window());
        if (form.exec() != QDialog::Accepted)
            return;
        move = form.move();
    }
    emit chosen(std::filesystem::path(folder.toStdString()), move);
}

void DiaryFolderGroup::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor::fromRgba(SkinColors::PanelFrostEdge), 1));
    painter.setBrush(QColor::fromRgba(SkinColors::PanelFrost));
    painter.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), SettingsPanels::Radius,
                            SettingsPanels::Radius);
    m_texts.paint(painter);
}

#include "moc_DiaryFolderGroup.cpp"
