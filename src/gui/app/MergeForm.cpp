// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/MergeForm.h"

#include "meals/ShownMeal.h"
#include "platform/CoreText.h"
#include "platform/NumberText.h"
#include "platform/ShownNumber.h"
#include "platform/Text8.h"
#include "store/NoteFile.h"
#include "store/SaveProblem.h"
#include "store/WeightFile.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QStandardItemModel>

namespace {

QString weightText(const std::string &bytes)
{
    const std::optional<float> weight = WeightFile::Decode(bytes);
    return weight ? ShownNumber::fixed(*weight, 1) : MergeForm::tr("no weight");
}

} // namespace

MergeForm::MergeForm(const ConflictMerge::Found &found, const QString &dayName, QWidget *parent)
    : SkinForm(tr("Merge the copy from another computer"), tr("Merge"), parent), m_found(found),
      m_sides(ConflictMerge::Read(found))
{
    using ConflictCopies::Kind;
    QGridLayout *grid = body();
    int row = 0;
    grid->addWidget(makeLabel(found.copy.kind == Kind::OwnFoods ? tr("Your own foods") : dayName),
                    row++, 0, 1, 2);
    QLabel *file = makeLabel(
        tr("Copy: %1").arg(QString::fromStdString(found.path.filename().string())), false);
    file->setWordWrap(true);
    grid->addWidget(file, row++, 0, 1, 2);

    QStringList choices;
    switch (found.copy.kind) {
    case Kind::Meals: {
        choices << tr("Both sides: the meals ticked below") << tr("Keep mine") << tr("Keep theirs");
        break;
    }
    case Kind::Weight:
        choices << tr("Both sides: not possible for a weight")
                << tr("Keep mine: %1").arg(weightText(m_sides.ours))
                << tr("Keep theirs: %1").arg(weightText(m_sides.theirs));
        break;
    case Kind::Note:
        choices << tr("Both texts, mine first") << tr("Keep mine") << tr("Keep theirs");
        break;
    case Kind::OwnFoods:
        choices << tr("Both tables, mine where a food differs") << tr("Keep mine")
                << tr("Keep theirs") << tr("Both tables, theirs where a food differs");
        break;
    }
    m_choice = makeChoice(choices);
    m_choice->setAccessibleName(tr("What to keep"));
    grid->addWidget(makeLabel(tr("Keep"), false), row, 0);
    grid->addWidget(m_choice, row++, 1);
    if (found.copy.kind == Kind::Weight) {
        // One weight or the other: there is nothing to join.
        auto *model = qobject_cast<QStandardItemModel *>(m_choice->model());
        if (model)
            model->item(Join)->setEnabled(false);
        m_choice->setCurrentIndex(m_sides.theirsNewer ? Theirs : Mine);
    }

    if (found.copy.kind == Kind::Meals) {
        m_meals = new QListWidget(this);
        m_meals->setAccessibleName(tr("Meals after the merge"));
        m_meals->setMinimumSize(360, 160);
        fillMeals();
        grid->addWidget(m_meals, row++, 0, 1, 2);
        connect(m_choice, &QComboBox::currentIndexChanged, this,
                [this](int index) { m_meals->setEnabled(index == Join); });
    } else {
        m_preview = new QPlainTextEdit(this);
        m_preview->setReadOnly(true);
        m_preview->setAccessibleName(tr("Preview of the result"));
        m_preview->setMinimumSize(360, found.copy.kind == Kind::Weight ? 40 : 140);
        grid->addWidget(m_preview, row++, 0, 1, 2);
        connect(m_choice, &QComboBox::currentIndexChanged, this, &MergeForm::showPreview);
        showPreview();
    }
    if (!m_sides.read.ok())
        showProblem(QString::fromStdString(
            SaveProblem::Describe(m_sides.read, found.original.parent_path(),
                                  SaveProblem::Action::Load, CoreText::problem)));
    grid->setColumnStretch(1, 1);
    fitToContents();
    m_choice->setFocus(Qt::OtherFocusReason);
}

std::string MergeForm::merged() const
{
    using ConflictCopies::Kind;
    const int choice = m_choice->currentIndex();
    if (choice == Mine)
        return m_sides.ours;
    if (choice == Theirs)
        return m_sides.theirs;
    switch (m_found.copy.kind) {
    case Kind::Meals: {
        std::vector<bool> keep;
        for (int i = 0; i < m_meals->count(); ++i)
            keep.push_back(m_meals->item(i)->checkState() == Qt::Checked);
        return DayMerge::MealImage(m_rows, keep);
    }
    case Kind::Note:
        return NoteFile::ToFileBytes(DayMerge::Notes(NoteFile::FromFileBytes(m_sides.ours),
                                                     NoteFile::FromFileBytes(m_sides.theirs)));
    case Kind::OwnFoods:
        return DayMerge::OwnFoods(m_sides.ours, m_sides.theirs,
                                  [choice](const std::string &) { return choice == JoinTheirs; });
    case Kind::Weight:
        break;
    }
    return m_sides.ours;
}

void MergeForm::fillMeals()
{
    m_rows = DayMerge::Meals(m_sides.ours, m_sides.theirs);
    m_meals->clear();
    for (const DayMerge::MealRow &merged : m_rows) {
        const QString side = merged.side == DayMerge::Side::Both ? tr("both")
            : merged.side == DayMerge::Side::Ours                ? tr("this computer")
                                                                 : tr("other computer");
        auto *item = new QListWidgetItem(
            tr("%1 %2  %3  (%4)")
                .arg(ShownNumber::fixed(merged.entry.amount, 1),
                     ShownMeal::unit(merged.entry.name, merged.entry.unit),
                     ShownMeal::name(merged.entry.name, merged.entry.unit), side),
            m_meals);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Checked);
    }
}

void MergeForm::showPreview()
{
    if (!m_preview)
        return;
    const std::string bytes = merged();
    switch (m_found.copy.kind) {
    case ConflictCopies::Kind::Weight:
        m_preview->setPlainText(weightText(bytes));
        break;
    case ConflictCopies::Kind::Note:
        m_preview->setPlainText(Text8::toQString(NoteFile::FromFileBytes(bytes)));
        break;
    default:
        m_preview->setPlainText(Text8::toQString(bytes));
        break;
    }
}

bool MergeForm::commit()
{
    if (!m_sides.read.ok())
        return false;
    m_result = m_choice->currentIndex() == Mine
        ? ConflictMerge::KeepOurs(m_found)
        : ConflictMerge::Resolve(m_found, m_sides.ours, merged());
    if (m_result.ok())
        return true;
    showProblem(QString::fromStdString(SaveProblem::Describe(
        m_result, m_found.original.parent_path(), SaveProblem::Action::Save, CoreText::problem)));
    if (m_result.problem == FileIo::Problem::Changed) {
        // Read again, so that a second press merges what the file holds now.
        m_sides = ConflictMerge::Read(m_found);
        if (m_meals)
            fillMeals();
        showPreview();
    }
    return false;
}

#include "moc_MergeForm.cpp"
