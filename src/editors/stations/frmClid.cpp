#include "editors/stations/frmClid.h"

#include "core/AppContext.h"
#include "core/MainWindowHost.h"
#include "editors/stations/AutoNumbering.h"
#include "editors/stations/StationLine.h"
#include "editors/stations/frmAuto.h"
#include "editors/stations/frmStation.h"
#include "platform/Database.h"
#include "ui/SubWindowActivation.h"
#include "ui/WindowUtil.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTabWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {
const QString kWindowName = u"frmClid"_s;
constexpr int kWidthTwips = 6900;
constexpr int kHeightTwips = 4635;
constexpr int kLineRole = Qt::UserRole;

} // namespace

frmClid::frmClid(AppContext &context, QWidget *parent) : QWidget(parent), m_context(context)
{
    setObjectName(kWindowName);
    setWindowTitle(u"Architectural Number and CLID Programming"_s);

    m_db = std::make_unique<Database>(context.paths.TempDbPath());
    if (!m_db->isOpen())
        logError(u"Form_Load"_s, m_db->lastError());
    m_table = std::make_unique<ClidTable>(*m_db);

    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName(u"tabClid"_s);
    const QStringList tabCaptions{u"&Main Board"_s, u"Expansion &1"_s, u"Expansion &2"_s, u"Expansion &3"_s};
    for (int i = 0; i < kTabs; ++i) {
        auto *page = new QWidget(m_tabs);
        const int first = i * kStationsPerTab + 1;
        m_lblStations[i] =
            new QLabel(u"Program Stations %1 - %2 :"_s.arg(first).arg(first + kStationsPerTab - 1), page);
        m_lblStations[i]->setObjectName(u"lblStations"_s + QString::number(i));

        auto *list = new QTreeWidget(page);
        m_lists[i] = list;
        list->setObjectName(u"lstClid"_s + QString::number(i));
        list->setColumnCount(3);
        list->setHeaderLabels({u"Stn"_s, u"Arch #"_s, u"CLID Description"_s});
        list->setRootIsDecorated(false);
        list->setUniformRowHeights(true);
        list->setAllColumnsShowFocus(true);
        list->setSelectionMode(QAbstractItemView::SingleSelection);
        list->header()->setSectionsMovable(false);
        list->header()->setStretchLastSection(true);
        list->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
        list->header()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
        connect(list, &QTreeWidget::itemDoubleClicked, this, [this, i] { lstClid_DblClick(i); });

        const QString n = QString::number(i);
        m_cmdEdit[i] = commandButton(u"&Edit Station Entry..."_s, u"cmdEdit"_s + n, page);
        m_cmdDelete[i] = commandButton(u"&Delete Station Entry"_s, u"cmdDelete"_s + n, page);
        m_cmdAuto[i] = commandButton(u"&Auto Numbering..."_s, u"cmdAuto"_s + n, page);
        connect(m_cmdEdit[i], &QPushButton::clicked, this, [this, i] { cmdEdit_Click(i); });
        connect(m_cmdDelete[i], &QPushButton::clicked, this, [this, i] { cmdDelete_Click(i); });
        connect(m_cmdAuto[i], &QPushButton::clicked, this, [this, i] { cmdAuto_Click(i); });

        auto *commands = new QVBoxLayout;
        commands->addWidget(m_cmdEdit[i]);
        commands->addWidget(m_cmdDelete[i]);
        commands->addWidget(m_cmdAuto[i]);
        commands->addStretch();
        auto *grid = new QGridLayout(page);
        grid->setContentsMargins(6, 6, 6, 6);
        grid->addWidget(m_lblStations[i], 0, 0, 1, 2);
        grid->addWidget(list, 1, 0);
        grid->addLayout(commands, 1, 1);
        grid->setColumnStretch(0, 1);
        m_tabs->addTab(page, tabCaptions[i]);
    }
    connect(m_tabs, &QTabWidget::currentChanged, this, [this](int tab) {
        const int previous = m_currentTab;
        m_currentTab = tab;
        tabClid_Click(previous);
    });

    auto *cmdOK = commandButton(u"OK"_s, u"cmdOK"_s, this);
    auto *cmdCancel = commandButton(u"Cancel"_s, u"cmdCancel"_s, this);
    connect(cmdOK, &QPushButton::clicked, this, &frmClid::cmdOk_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmClid::cmdCancel_Click);
    auto *okRow = new QHBoxLayout;
    okRow->addStretch();
    okRow->addWidget(cmdOK);
    okRow->addWidget(cmdCancel);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(m_tabs, 1);
    layout->addLayout(okRow);

    resize(twips(kWidthTwips), twips(kHeightTwips));
    Form_Load();
}

frmClid::~frmClid() = default;

void frmClid::logError(const QString &procedure, const QString &description)
{
    m_context.log.LogError(ErrNo::DatabaseError, description, kWindowName, kWindowName, procedure);
}

void frmClid::Form_Load()
{
    m_uncommittedChanges = false;
    m_OkPressed = false;
    m_Loaded = false;
    Build_List();
    const int boards = m_context.state.ExpansionBoards;
    for (int i = 0; i < kTabs; ++i) {
        m_lists[i]->setEnabled(i <= boards);
        m_lblStations[i]->setEnabled(i <= boards);
        m_cmdEdit[i]->setEnabled(i == 0);
        m_cmdDelete[i]->setEnabled(i == 0);
        m_cmdAuto[i]->setEnabled(i == 0);
    }
    selectLine(0, 0);
    m_Loaded = true;
}

void frmClid::Build_List()
{
    const auto rows = m_table->load();
    if (!rows) {
        logError(u"Build_List"_s, m_db->lastError());
        return;
    }
    if (!m_Loaded)
        m_saved = *rows;
    for (int i = 0; i < kTabs; ++i) {
        m_lists[i]->clear();
        for (int j = 0; j < kStationsPerTab; ++j) {
            const qsizetype k = qsizetype(i) * kStationsPerTab + j;
            if (k >= rows->size())
                break;
            const StationEntry &row = rows->at(k);
            const QString line = StationLine::format(row.station, row.archnum, row.clid);
            auto *item = new QTreeWidgetItem;
            m_lists[i]->addTopLevelItem(item);
            setLine(i, j, line);
        }
    }
}

int frmClid::activeTab() const
{
    return m_tabs->currentIndex();
}

void frmClid::setActiveTab(int tab)
{
    m_tabs->setCurrentIndex(tab);
}

QStringList frmClid::lines(int tab) const
{
    QStringList result;
    for (int i = 0; i < m_lists[tab]->topLevelItemCount(); ++i)
        result << m_lists[tab]->topLevelItem(i)->data(0, kLineRole).toString();
    return result;
}

int frmClid::selectedLine(int tab) const
{
    const QList<QTreeWidgetItem *> selected = m_lists[tab]->selectedItems();
    return selected.isEmpty() ? -1 : m_lists[tab]->indexOfTopLevelItem(selected.first());
}

void frmClid::selectLine(int tab, int line)
{
    QTreeWidgetItem *item = m_lists[tab]->topLevelItem(line);
    if (!item)
        return;
    m_lists[tab]->setCurrentItem(item);
    item->setSelected(true);
    m_lists[tab]->scrollToItem(item);
}

void frmClid::setLine(int tab, int line, const QString &text)
{
    QTreeWidgetItem *item = m_lists[tab]->topLevelItem(line);
    if (!item)
        return;
    item->setData(0, kLineRole, text);
    item->setText(0, QString::number(StationLine::station(text)));
    item->setText(1, StationLine::archnum(text));
    item->setText(2, StationLine::clid(text));
}

void frmClid::focusList(int tab)
{
    m_lists[tab]->setFocus();
}

void frmClid::markChanged()
{
    m_uncommittedChanges = true;
    if (m_context.host)
        m_context.host->setSaveEnabled(true);
}

void frmClid::tabClid_Click(int previousTab)
{
    if (previousTab >= 0 && previousTab < kTabs) {
        m_cmdEdit[previousTab]->setEnabled(false);
        m_cmdDelete[previousTab]->setEnabled(false);
        m_cmdAuto[previousTab]->setEnabled(false);
    }
    const int tab = activeTab();
    if (tab < 0 || !m_lists[tab]->isEnabled())
        return;
    m_cmdEdit[tab]->setEnabled(true);
    m_cmdDelete[tab]->setEnabled(true);
    m_cmdAuto[tab]->setEnabled(true);
    selectLine(tab, 0);
}

void frmClid::lstClid_DblClick(int index)
{
    const int selected = selectedLine(index);
    if (selected < 0)
        return;
    const QString line = lines(index).at(selected);
    const QString archnum = StationLine::archnum(line);
    const QString clid = StationLine::clid(line);
    NewClid = clid;
    NewArch = archnum;
    Conflicts_Deleted = false;

    frmStation dialog(m_context, *this, StationLine::station(line), archnum, clid);
    dialog.exec();

    // Clearing conflicting stations changes the table even when the edited
    // station ends as it began.
    if (clid == NewClid && archnum == NewArch && !Conflicts_Deleted)
        return;
    const int tab = activeTab();
    focusList(tab);
    markChanged();
    if (Conflicts_Deleted) {
        const int keep = selectedLine(tab);
        Build_List();
        selectLine(tab, keep);
    }
}

void frmClid::cmdEdit_Click(int index)
{
    lstClid_DblClick(index);
    focusList(index);
}

void frmClid::cmdDelete_Click(int index)
{
    const int selected = selectedLine(index);
    if (selected < 0)
        return;
    const int station = StationLine::station(lines(index).at(selected));
    setLine(index, selected, StationLine::format(station, {}, {}));
    focusList(index);
    if (!m_table->clearStation(station))
        logError(u"cmdDelete_Click"_s, m_db->lastError());
    markChanged();
}

void frmClid::cmdAuto_Click(int index)
{
    const int selected = selectedLine(index);
    if (selected < 0)
        return;
    const QString line = lines(index).at(selected);
    const int station = StationLine::station(line);
    const QString archnum = StationLine::archnum(line);
    if (archnum.isEmpty()) {
        m_context.prompter.ask(AutoNumbering::kRequiresArchNumber, AutoNumbering::kCheckTitle, Prompter::Ok,
                               Prompter::Exclamation);
        return;
    }
    frmAuto dialog(m_context, station, archnum, this);
    dialog.exec();
    Auto_Stop_Stn = dialog.Auto_Stop_Stn();
    if (Auto_Stop_Stn)
        autoNumber(index, *Auto_Stop_Stn);
}

void frmClid::autoNumber(int index, int lastStation)
{
    const int selected = selectedLine(index);
    if (selected < 0)
        return;
    const QString line = lines(index).at(selected);
    const int station = StationLine::station(line);

    // The stations outside the run as they stand before it: a conflict is
    // judged against these, never against numbers the run itself writes.
    const auto outsideStations = m_table->outside(station, lastStation);
    if (!outsideStations) {
        logError(u"cmdAuto_Click"_s, m_db->lastError());
        return;
    }
    const AutoNumberPlan plan =
        AutoNumberPlan::make(*outsideStations, station, StationLine::archnum(line), lastStation);
    if (!plan.conflicts.isEmpty() &&
        m_context.prompter.ask(AutoNumbering::kOutsideConflicts, AutoNumbering::kQuestionTitle, Prompter::OkCancel,
                               Prompter::Exclamation) != Prompter::AnswerOk)
        return;

    // The run and the clearing are written together, so a failed write leaves
    // the table as it was before the run.
    QList<QPair<int, QString>> writes = plan.numbers;
    for (const Conflict &c : plan.conflicts)
        writes.append({c.Station, QString()});
    if (!m_table->writeArchnums(writes))
        logError(u"cmdAuto_Click"_s, m_db->lastError());

    Build_List();
    selectLine(index, selected);
    focusList(index);
    markChanged();
}

void frmClid::cmdOk_Click()
{
    if (m_uncommittedChanges)
        m_context.state.markUnsaved();
    m_OkPressed = true;
    closeWindow();
}

void frmClid::cmdCancel_Click()
{
    closeWindow();
}

void frmClid::closeWindow()
{
    if (QMdiSubWindow *sub = subWindow())
        sub->close();
    else
        close();
}

void frmClid::Form_Unload()
{
    if (!m_OkPressed && m_uncommittedChanges && !m_table->restore(m_saved))
        logError(u"Form_Unload"_s, m_db->lastError());
    m_uncommittedChanges = false;
    if (m_context.host)
        m_context.host->UpdateFileSaveOpt();
}

void frmClid::closeEvent(QCloseEvent *e)
{
    if (!m_unloaded) {
        m_unloaded = true;
        Form_Unload();
    }
    e->accept();
}

void frmClid::keyPressEvent(QKeyEvent *e)
{
    if (e->key() == Qt::Key_Escape) {
        cmdCancel_Click();
        return;
    }
    QWidget::keyPressEvent(e);
}

QMdiSubWindow *frmClid::subWindow() const
{
    return qobject_cast<QMdiSubWindow *>(parentWidget());
}

bool frmClid::event(QEvent *e)
{
    if (e->type() == QEvent::ParentChange)
        restoreNormalWhenActivated(this);
    return QWidget::event(e);
}
