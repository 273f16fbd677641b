#include "editors/pagegroups/frmPage.h"

#include "core/AppContext.h"
#include "core/MainWindowHost.h"
#include "editors/common/PageGroupPanel.h"
#include "platform/Database.h"
#include "ui/WindowUtil.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {
constexpr int kWidthTwips = 4785;
constexpr int kHeightTwips = 5325;
} // namespace

frmPage::frmPage(AppContext &context, QWidget *parent) : AreaWindow(context, u"frmPage"_s, parent)
{
    setWindowTitle(u"Custom Page Groups"_s);

    auto *label = new QLabel(u"Select Dial Code to access Custom Page Group definition :"_s, this);
    label->setObjectName(u"Label1"_s);
    label->setWordWrap(true);

    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName(u"tabPageGroup"_s);
    for (int g = 0; g < CustomPageGroups::kGroups; ++g) {
        auto *page = new QWidget(m_tabs);
        const QString index = QString::number(g);
        m_panels[g] = new PageGroupPanel({u"fraPageGroup"_s + index, u"&Page Groups"_s, u"chkPageGroup"_s,
                                          PageGroups::kCount * g, u"cmdInclude"_s + index, u"&Include All Groups"_s,
                                          u"cmdRemove"_s + index, u"&Remove All Groups"_s},
                                         page);
        connect(m_panels[g], &PageGroupPanel::boxChanged, this,
                [this, g](int k) { chkPageGroup_Click(PageGroups::kCount * g + k); });
        auto *pageLayout = new QVBoxLayout(page);
        pageLayout->addWidget(m_panels[g]);
        m_tabs->addTab(page, u"5&"_s + index);
    }
    connect(m_tabs, &QTabWidget::currentChanged, this, [this](int tab) {
        const int previous = m_tab;
        m_tab = tab;
        tabPageGroup_Click(previous);
    });

    auto *ok = button(u"cmdOK"_s, u"OK"_s, this);
    auto *cancel = button(u"cmdCancel"_s, u"Cancel"_s, this);
    connect(ok, &QPushButton::clicked, this, &frmPage::cmdOk_Click);
    connect(cancel, &QPushButton::clicked, this, &frmPage::cmdCancel_Click);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(m_tabs, 1);
    layout->addLayout(buttons);

    Form_Load();
}

void frmPage::Form_Load()
{
    m_Loaded = false;
    m_UncommittedChanges = false;
    resize(QSize(twips(kWidthTwips), twips(kHeightTwips)).expandedTo(sizeHint()));

    const int available = PageGroups::available(m_context.state.ExpansionBoards);
    for (int g = 0; g < CustomPageGroups::kGroups; ++g) {
        m_panels[g]->setAvailable(available);
        m_panels[g]->setButtonsEnabled(g == 0);
    }

    Database db(m_context.paths.TempDbPath());
    CustomPageGroups table(db);
    if (const auto stored = table.load()) {
        for (int g = 0; g < CustomPageGroups::kGroups; ++g)
            m_panels[g]->showFlags((*stored)[g]);
    } else {
        logError(u"Form_Load"_s, db.isOpen() ? table.lastError() : db.lastError());
    }
    m_Loaded = true;
    setFocusProxy(m_panels[0]->box(0));
}

void frmPage::chkPageGroup_Click(int)
{
    if (!m_Loaded)
        return;
    m_UncommittedChanges = true;
    if (m_context.host)
        m_context.host->setSaveEnabled(true);
}

void frmPage::tabPageGroup_Click(int previousTab)
{
    m_panels[m_tab]->box(0)->setFocus(Qt::TabFocusReason);
    m_panels[previousTab]->setButtonsEnabled(false);
    m_panels[m_tab]->setButtonsEnabled(true);
}

CustomPageGroups::Table frmPage::boxes() const
{
    CustomPageGroups::Table table{};
    for (int g = 0; g < CustomPageGroups::kGroups; ++g)
        table[g] = m_panels[g]->flags();
    return table;
}

void frmPage::cmdOk_Click()
{
    if (m_UncommittedChanges) {
        Database db(m_context.paths.TempDbPath());
        CustomPageGroups table(db);
        if (!table.store(boxes())) {
            const QString why = db.isOpen() ? table.lastError() : db.lastError();
            logError(u"cmdOk_Click"_s, why);
            // The edits stay in the boxes, so nothing the user did is lost.
            m_context.prompter.message(u"The custom page groups could not be stored:\r\n"_s + why,
                                       m_context.state.variant.ProductTitle, Prompter::Exclamation);
            return;
        }
        m_context.state.markUnsaved();
    }
    closeWindow();
}

void frmPage::cmdCancel_Click()
{
    m_UncommittedChanges = false;
    closeWindow();
}

void frmPage::closeEvent(QCloseEvent *e)
{
    m_UncommittedChanges = false;
    if (m_context.host)
        m_context.host->UpdateFileSaveOpt();
    e->accept();
}
