#include "editors/schedules/frmSched.h"

#include "core/AppContext.h"
#include "core/MainWindowHost.h"
#include "editors/schedules/ScheduleEvents.h"
#include "editors/schedules/frmEvent.h"
#include "platform/Database.h"
#include "ui/SubWindowActivation.h"
#include "ui/WindowUtil.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QShortcut>
#include <QTreeWidget>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {
const QString kWindowName = u"frmSched"_s;
constexpr int kWidthTwips = 9015;
constexpr int kHeightTwips = 3525;
constexpr int kLineRole = Qt::UserRole;
} // namespace

frmSched::frmSched(AppContext &context, int schedule, QWidget *parent) : QWidget(parent), m_context(context)
{
    m_schedule = (schedule >= 1 && schedule <= ScheduleEvents::kSchedules) ? schedule : context.state.CurrentSchedule;
    setObjectName(kWindowName);
    // No maximise button: the window has one fixed layout. The workspace
    // frame takes these hints from the window it holds.
    setWindowFlags(Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);

    m_db = std::make_unique<Database>(context.paths.TempDbPath());
    if (!m_db->isOpen())
        logError(u"Form Load"_s, m_db->lastError());
    m_events = std::make_unique<ScheduleEvents>(*m_db, m_schedule);
    m_days = std::make_unique<ScheduleDays>(*m_db);

    auto *lblSchedule = new QLabel(QString::number(m_schedule), this);
    lblSchedule->setObjectName(u"lblSchedule"_s);
    lblSchedule->hide();

    auto *fraEvents = new QGroupBox(u"Events"_s, this);
    m_list = new QTreeWidget(fraEvents);
    m_list->setObjectName(u"lstEvent"_s);
    m_list->setColumnCount(4);
    m_list->setHeaderLabels({u"Time"_s, u"Relay"_s, u"Duration"_s, u"Page Groups"_s});
    m_list->setRootIsDecorated(false);
    m_list->setUniformRowHeights(true);
    m_list->setAllColumnsShowFocus(true);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->header()->setSectionsMovable(false);
    m_list->header()->setStretchLastSection(true);
    m_list->setColumnWidth(0, 60);
    m_list->setColumnWidth(1, 70);
    m_list->setColumnWidth(2, 70);
    connect(m_list, &QTreeWidget::itemDoubleClicked, this, &frmSched::lstEvent_DblClick);
    // Enter on a line opens it as a double-click does.
    for (const QKeySequence &enter : {QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter)})
        connect(new QShortcut(enter, m_list, nullptr, nullptr, Qt::WidgetShortcut), &QShortcut::activated, this,
                &frmSched::lstEvent_DblClick);

    const QStringList captions{u"&Add"_s, u"&Edit"_s, u"&Delete"_s};
    auto *buttons = new QHBoxLayout;
    for (int i = 0; i < 3; ++i) {
        m_cmdEvent[i] = new QPushButton(captions[i], fraEvents);
        m_cmdEvent[i]->setObjectName(u"cmdEvent"_s + QString::number(i));
        connect(m_cmdEvent[i], &QPushButton::clicked, this, [this, i] { cmdEvent_Click(i); });
        buttons->addWidget(m_cmdEvent[i]);
    }
    buttons->addStretch();
    auto *eventsLayout = new QVBoxLayout(fraEvents);
    eventsLayout->setContentsMargins(6, 4, 6, 6);
    eventsLayout->addWidget(m_list);
    eventsLayout->addLayout(buttons);

    auto *fraDays = new QGroupBox(u"Active Days"_s, this);
    auto *daysLayout = new QVBoxLayout(fraDays);
    daysLayout->setContentsMargins(8, 2, 8, 4);
    daysLayout->setSpacing(0);
    const QStringList days{u" Sunday"_s,   u" Monday"_s, u" Tuesday"_s, u" Wednesday"_s,
                           u" Thursday"_s, u" Friday"_s, u" Saturday"_s};
    for (int d = 0; d < ScheduleDays::kDays; ++d) {
        m_chkDay[d] = new QCheckBox(days[d], fraDays);
        m_chkDay[d]->setObjectName(u"chkDay"_s + QString::number(d));
        connect(m_chkDay[d], &QCheckBox::toggled, this, [this, d] { chkDay_Click(d); });
        daysLayout->addWidget(m_chkDay[d]);
    }

    m_cmdClose = new QPushButton(u"Close"_s, this);
    m_cmdClose->setObjectName(u"cmdClose"_s);
    connect(m_cmdClose, &QPushButton::clicked, this, &frmSched::cmdClose_Click);

    auto *right = new QVBoxLayout;
    right->addWidget(fraDays);
    right->addStretch();
    right->addWidget(m_cmdClose);
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(fraEvents, 1);
    layout->addLayout(right);

    resize(twips(kWidthTwips), twips(kHeightTwips));
    Form_Load();
}

frmSched::~frmSched() = default;

frmEvent *frmSched::editor() const
{
    return m_editor;
}

void frmSched::logError(const QString &procedure, const QString &description)
{
    m_context.log.LogError(ErrNo::DatabaseError, description, kWindowName, kWindowName, procedure);
}

void frmSched::Form_Load()
{
    m_DaysChanged = false;
    setWindowTitle(u"Master Clock Schedule "_s + QString::number(m_schedule));
    m_context.state.CurrentSchedule = m_schedule;
    m_context.state.LastEvent.StartTime.clear();
    Build_lstEvent();
    m_loaded = true;
}

QStringList frmSched::lines() const
{
    QStringList result;
    for (int i = 0; i < m_list->topLevelItemCount(); ++i)
        result << m_list->topLevelItem(i)->data(0, kLineRole).toString();
    return result;
}

int frmSched::lineCount() const
{
    return m_list->topLevelItemCount();
}

int frmSched::selectedLine() const
{
    const QList<QTreeWidgetItem *> selected = m_list->selectedItems();
    return selected.isEmpty() ? -1 : m_list->indexOfTopLevelItem(selected.first());
}

void frmSched::selectLine(int index)
{
    QTreeWidgetItem *item = m_list->topLevelItem(index);
    if (!item) {
        m_list->clearSelection();
        return;
    }
    m_list->setCurrentItem(item);
    item->setSelected(true);
    m_list->scrollToItem(item);
}

void frmSched::clearLines()
{
    m_list->clear();
}

void frmSched::addLine(const QString &line)
{
    QStringList columns = line.split(u'\t');
    while (columns.size() < m_list->columnCount())
        columns << QString();
    auto *item = new QTreeWidgetItem(columns.mid(0, m_list->columnCount()));
    item->setData(0, kLineRole, line);
    m_list->addTopLevelItem(item);
}

void frmSched::removeLine(int index)
{
    delete m_list->takeTopLevelItem(index);
}

void frmSched::showRows(int row)
{
    clearLines();
    for (const QString &line : m_events->lines())
        addLine(line);
    selectLine(row);
}

void frmSched::enableAdd()
{
    m_cmdEvent[kAdd]->setEnabled(m_context.state.TotalEvents < AppState::kMaxEvents);
}

void frmSched::Build_lstEvent()
{
    clearLines();
    if (!m_events->reload())
        logError(u"Build_lstEvent"_s, m_db->lastError());
    const int count = m_events->count();
    m_context.state.ScheduleEventCount[m_schedule - 1] = count;
    m_cmdEvent[kEdit]->setEnabled(count > 0);
    m_cmdEvent[kDelete]->setEnabled(count > 0);
    enableAdd();
    const int remembered = m_events->find(m_context.state.LastEvent.StartTime);
    showRows(count == 0 ? -1 : std::max(remembered, 0));
}

void frmSched::Form_Activate()
{
    if (QMdiSubWindow *sub = subWindow(); sub && sub->isMaximized())
        sub->showNormal();
    m_context.state.CurrentSchedule = m_schedule;
    enableAdd();
    // Another schedule window may still hold clicked days it writes only on
    // deactivation; write them first so the days taken below are current.
    saveDaysOfOtherWindows();

    const auto boxes = m_days->boxesFor(m_schedule);
    if (!boxes) {
        logError(u"Form Activate"_s, m_db->lastError());
        return;
    }
    m_LoadingDays = true;
    for (int d = 0; d < ScheduleDays::kDays; ++d) {
        m_chkDay[d]->setEnabled(boxes->enabled[d]);
        if (boxes->rowFound)
            m_chkDay[d]->setChecked(boxes->ticked[d]);
    }
    m_LoadingDays = false;
}

void frmSched::Form_Deactivate()
{
    Update_Days();
}

void frmSched::saveDaysOfOtherWindows()
{
    QMdiSubWindow *sub = subWindow();
    if (!sub || !sub->mdiArea())
        return;
    for (QMdiSubWindow *other : sub->mdiArea()->subWindowList())
        if (auto *view = qobject_cast<frmSched *>(other->widget()); view && view != this)
            view->Update_Days();
}

void frmSched::Update_Days()
{
    if (!m_DaysChanged)
        return;
    m_DaysChanged = false;
    ScheduleDays::Days days{};
    for (int d = 0; d < ScheduleDays::kDays; ++d)
        days[d] = m_chkDay[d]->isChecked();
    if (!m_days->store(m_schedule, days))
        logError(u"UpdateDays"_s,
                 u"No day row stored for schedule "_s + QString::number(m_schedule) + u": "_s + m_db->lastError());
}

void frmSched::chkDay_Click(int)
{
    if (m_LoadingDays)
        return;
    m_DaysChanged = true;
    m_context.state.markUnsaved();
    if (m_context.host)
        m_context.host->setSaveEnabled(true);
}

void frmSched::cmdEvent_Click(int index)
{
    AppState &state = m_context.state;
    const int selected = selectedLine();
    const QString line = selected >= 0 ? m_list->topLevelItem(selected)->data(0, kLineRole).toString() : QString();
    state.LastEvent.StartTime = EventLine::startTime(line);

    switch (index) {
    case kAdd: {
        if (state.TotalEvents >= AppState::kMaxEvents)
            return;
        if (selected >= 0) {
            state.LastEvent.Tone = EventLine::tone(line);
            state.LastEvent.Duration = EventLine::duration(line);
            if (const int row = m_events->find(state.LastEvent.StartTime); row >= 0)
                state.LastEvent.PageGroup = m_events->event(row).PageGroup;
        }
        openEditor(true);
        break;
    }
    case kEdit:
        if (selected >= 0)
            openEditor(false);
        break;
    case kDelete: {
        if (selected < 0)
            return;
        const int row = m_events->find(state.LastEvent.StartTime);
        if (row < 0 || !m_events->remove(row)) {
            logError(u"cmdEvent"_s, u"Event "_s + state.LastEvent.StartTime + u" not deleted: "_s + m_db->lastError());
            return;
        }
        removeLine(selected);
        const int remaining = lineCount();
        selectLine(std::min(selected, remaining - 1));
        if (remaining == 0) {
            m_cmdEvent[kEdit]->setEnabled(false);
            m_cmdEvent[kDelete]->setEnabled(false);
        }
        --state.ScheduleEventCount[m_schedule - 1];
        --state.TotalEvents;
        enableAdd();
        state.markUnsaved();
        if (m_context.host)
            m_context.host->setSaveEnabled(true);
        break;
    }
    default: break;
    }
}

void frmSched::openEditor(bool addMode)
{
    if (m_editor)
        return;
    const int row = m_events->find(m_context.state.LastEvent.StartTime);
    auto *editor = new frmEvent(m_context, *m_events, row, this);
    m_editor = editor;
    // The editor shows and stores the same rows as this list: follow it.
    connect(&editor->session(), &EventSession::rowsChanged, this, &frmSched::showRows);
    connect(&editor->session(), &EventSession::rowShown, this, &frmSched::selectLine);
    connect(editor, &QDialog::finished, this, [this, editor] {
        Build_lstEvent();
        editor->deleteLater();
    });
    if (addMode)
        editor->cmdAdd_Click();
    else
        editor->cmdEdit_Click();
    editor->setWindowModality(Qt::ApplicationModal);
    editor->show();
}

void frmSched::lstEvent_DblClick()
{
    cmdEvent_Click(kEdit);
}

void frmSched::cmdClose_Click()
{
    if (QMdiSubWindow *sub = subWindow())
        sub->close();
    else
        close();
}

QMdiSubWindow *frmSched::subWindow() const
{
    return qobject_cast<QMdiSubWindow *>(parentWidget());
}

// Inside the workspace the frame says when this window is the active child.
void frmSched::followWorkspaceFrame()
{
    followSubWindow(
        this, [this] { Form_Activate(); }, [this] { Form_Deactivate(); });
}

bool frmSched::event(QEvent *e)
{
    if (e->type() == QEvent::ParentChange)
        followWorkspaceFrame();
    return QWidget::event(e);
}

void frmSched::changeEvent(QEvent *e)
{
    // Inside the workspace the sub-window says when this window is the active
    // child; the main window's own activation says nothing about that.
    if (e->type() == QEvent::ActivationChange && isWindow()) {
        if (isActiveWindow())
            Form_Activate();
        else
            Form_Deactivate();
    }
    QWidget::changeEvent(e);
}

void frmSched::showEvent(QShowEvent *e)
{
    QWidget::showEvent(e);
    if (!m_loaded)
        Form_Load();
    followWorkspaceFrame();
    Form_Activate();
}

void frmSched::closeEvent(QCloseEvent *e)
{
    if (m_editor)
        m_editor->close();
    Update_Days();
    m_loaded = false;
    if (m_context.host)
        m_context.host->UpdateFileSaveOpt();
    e->accept();
}
