#include "editors/classservice/frmClassService.h"

#include "core/AppContext.h"
#include "core/MainWindowHost.h"
#include "platform/Database.h"
#include "ui/DropDownCombo.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

frmClassService::frmClassService(AppContext &context, QWidget *parent)
    : AreaWindow(context, u"frmClassService"_s, parent)
{
    setWindowTitle(u"Class Of Service"_s);

    auto *tabs = new QTabWidget(this);
    tabs->setObjectName(u"SSTab1"_s);
    tabs->setUsesScrollButtons(false); // all four board tabs in view
    const QStringList tabCaptions{u"&Main Board"_s, u"Expansion &1"_s, u"Expansion &2"_s, u"Expansion &3"_s};
    const QStringList headings{u" Group #"_s, u" Stations"_s, u" Class Of Service"_s};
    const QStringList choices{u"Normal Only"_s, u"Normal / Emergency"_s, u"Emergency Only!"_s};
    constexpr int perBoard = ClassOfService::kGroupsPerBoard;
    for (int board = 0; board < tabCaptions.size(); ++board) {
        auto *page = new QWidget(tabs);
        auto *grid = new QGridLayout(page);
        grid->setHorizontalSpacing(16);
        for (int c = 0; c < headings.size(); ++c) {
            auto *heading = new QLabel(headings[c], page);
            heading->setObjectName(u"lblHeading"_s + QString::number(c));
            grid->addWidget(heading, 0, c);
        }
        for (int row = 0; row < perBoard; ++row) {
            const int n = perBoard * board + row + 1; // group number
            const int first = ClassOfService::kStationsPerGroup * (n - 1) + 1;
            // lblgrp(2(n-1)) is the group number, lblgrp(2(n-1)+1) its stations.
            auto *number = new QLabel(u" "_s + QString::number(n), page);
            number->setObjectName(u"lblgrp"_s + QString::number(2 * (n - 1)));
            auto *stations =
                new QLabel(u" %1 - %2"_s.arg(first).arg(first + ClassOfService::kStationsPerGroup - 1), page);
            stations->setObjectName(u"lblgrp"_s + QString::number(2 * (n - 1) + 1));
            auto *combo = new DropDownCombo(page);
            combo->setObjectName(u"cboServGroup"_s + QString::number(n - 1));
            combo->addItems(choices);
            connect(combo, &DropDownCombo::droppedDown, this, [this, n] { cboServGroup_DropDown(n - 1); });
            connect(combo, &QComboBox::activated, this, [this, n] { cboServGroup_DropDown(n - 1); });
            m_cboServGroup[n - 1] = combo;
            grid->addWidget(number, row + 1, 0);
            grid->addWidget(stations, row + 1, 1);
            grid->addWidget(combo, row + 1, 2);
        }
        grid->setColumnStretch(2, 1);
        grid->setRowStretch(perBoard + 1, 1);
        tabs->addTab(page, tabCaptions[board]);
    }

    auto *ok = button(u"cmdOk"_s, u"Close"_s, this);
    connect(ok, &QPushButton::clicked, this, &frmClassService::cmdOk_Click);
    // Only for callers that press Cancel on every editor: it closes the same way.
    auto *cancel = button(u"cmdCancel"_s, u"Command1"_s, this);
    cancel->setEnabled(false);
    cancel->hide();
    connect(cancel, &QPushButton::clicked, this, &frmClassService::cmdCancel_Click);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(tabs, 1);
    layout->addLayout(buttons);

    Form_Load();
}

frmClassService::~frmClassService() = default;

void frmClassService::Form_Load()
{
    m_UncommittedChanges = false;
    m_db = std::make_unique<Database>(m_context.paths.TempDbPath());
    std::optional<ClassOfService::Stored> stored;
    if (m_db->isOpen()) {
        ClassOfService table(*m_db);
        stored = table.load();
        if (!stored)
            logError(u"Form_Load"_s, table.lastError());
    } else {
        logError(u"Form_Load"_s, m_db->lastError());
    }
    m_tableRead = stored.has_value();
    const int last = ClassOfService::lastGroup(m_context.state.ExpansionBoards);
    QStringList missing;
    for (int i = 0; i < ClassOfService::kGroups; ++i) {
        // Groups of missing boards, and groups the table has no row for, cannot be set.
        const bool editable = stored && i < last && stored->hasRow[i];
        if (stored && i < last && !stored->hasRow[i])
            missing << QString::number(i + 1);
        m_cboServGroup[i]->setEnabled(editable);
        m_cboServGroup[i]->setCurrentIndex(editable ? stored->shown[i].value_or(-1) : -1);
    }
    if (!missing.isEmpty())
        logError(u"Form_Load"_s, u"ClassService has no row for group "_s + missing.join(u", "_s));
    resize(sizeHint().expandedTo(QSize(360, 0)));
}

void frmClassService::cboServGroup_DropDown(int)
{
    m_UncommittedChanges = true;
    if (m_context.host)
        m_context.host->setSaveEnabled(true);
}

ClassOfService::Selections frmClassService::selections() const
{
    ClassOfService::Selections result{};
    for (int i = 0; i < ClassOfService::kGroups; ++i)
        if (const int index = m_cboServGroup[i]->currentIndex(); m_cboServGroup[i]->isEnabled() && index >= 0)
            result[i] = index;
    return result;
}

void frmClassService::cmdOk_Click()
{
    if (m_UncommittedChanges)
        m_context.state.markUnsaved();
    closeWindow();
}

void frmClassService::cmdCancel_Click()
{
    closeWindow();
}

void frmClassService::Form_Unload()
{
    if (!m_db)
        return;
    if (m_tableRead) {
        ClassOfService table(*m_db);
        if (!table.store(selections(), m_context.state.ExpansionBoards)) {
            logError(u"Form_Unload"_s, table.lastError());
            m_context.prompter.message(u"The class of service could not be stored:\r\n"_s + table.lastError(),
                                       m_context.state.variant.ProductTitle, Prompter::Exclamation);
        }
    }
    m_db.reset();
    if (m_UncommittedChanges)
        m_context.state.markUnsaved();
    m_UncommittedChanges = false;
    if (m_context.host)
        m_context.host->UpdateFileSaveOpt();
}

void frmClassService::closeEvent(QCloseEvent *e)
{
    Form_Unload();
    e->accept();
}
