#include "editors/stations/frmConflict.h"

#include "core/Utility.h"
#include "ui/WindowUtil.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {
constexpr int kLineRole = Qt::UserRole;

QLabel *label(const QString &text, QWidget *parent, const QString &name = {})
{
    auto *l = new QLabel(text, parent);
    if (!name.isEmpty())
        l->setObjectName(name);
    return l;
}
} // namespace

frmConflict::frmConflict(int station, const QString &archnum, const ConflictList &conflicts, QWidget *parent)
    : QDialog(parent)
{
    setObjectName(u"frmConflict"_s);
    setWindowTitle(u"Arch Number Conflicts"_s);
    setModal(true);

    auto *heading = new QGridLayout;
    heading->addWidget(label(u"Stn"_s, this), 0, 0);
    heading->addWidget(label(u"#"_s, this), 0, 1);
    heading->addWidget(label(Utility::PadLeft(QString::number(station), 2), this, u"lblStation"_s), 1, 0);
    heading->addWidget(label(archnum, this, u"lblArchnum"_s), 1, 1);
    heading->setColumnStretch(2, 1);
    heading->setHorizontalSpacing(16);

    auto *text = label(u"This Arch Number modification conflicts with existing Arch Numbers."_s, this);
    text->setWordWrap(true);

    m_list = new QTreeWidget(this);
    m_list->setObjectName(u"lstConflict"_s);
    m_list->setColumnCount(2);
    m_list->setHeaderLabels({u"Stn"_s, u"Arch #"_s});
    m_list->setRootIsDecorated(false);
    m_list->setUniformRowHeights(true);
    m_list->setSelectionMode(QAbstractItemView::NoSelection);
    m_list->header()->setSectionsMovable(false);
    m_list->setColumnWidth(0, 50);
    for (const Conflict &c : conflicts) {
        const QString line = Utility::PadLeft(QString::number(c.Station), 2) + u'\t' + c.Archnum;
        auto *item = new QTreeWidgetItem({QString::number(c.Station), c.Archnum});
        item->setData(0, kLineRole, line);
        m_list->addTopLevelItem(item);
    }
    auto *lblConflicts = label(u"Conflicts :"_s, this);
    lblConflicts->setBuddy(m_list);

    auto *question = label(u"Save this Arch Number and delete Arch Numbers for conflicting stations?"_s, this);
    question->setWordWrap(true);

    const struct {
        const char *name, *caption;
        void (frmConflict::*slot)();
    } buttons[] = {{"cmdYes", "&Yes", &frmConflict::cmdYes_Click},
                   {"cmdNo", "&No", &frmConflict::cmdNo_Click},
                   {"cmdCancel", "Cancel", &frmConflict::cmdCancel_Click}};
    auto *row = new QHBoxLayout;
    row->addStretch();
    for (const auto &b : buttons) {
        auto *button = commandButton(QString::fromLatin1(b.caption), QString::fromLatin1(b.name), this);
        connect(button, &QPushButton::clicked, this, b.slot);
        row->addWidget(button);
    }

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(heading);
    layout->addWidget(text);
    layout->addWidget(lblConflicts);
    layout->addWidget(m_list, 1);
    layout->addWidget(question);
    layout->addLayout(row);
    resize(twips(5400), twips(4200));
    CenterScreen(this);
}

QStringList frmConflict::lines() const
{
    QStringList result;
    for (int i = 0; i < m_list->topLevelItemCount(); ++i)
        result << m_list->topLevelItem(i)->data(0, kLineRole).toString();
    return result;
}

void frmConflict::answerWith(Prompter::Answer answer)
{
    m_answer = answer;
    done(answer == Prompter::AnswerYes ? Accepted : Rejected);
}
