#include "editors/audio/frmBgm.h"

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
constexpr int kWidthTwips = 4875;
constexpr int kHeightTwips = 5460;
constexpr AudioConnections::Source kSourceOfTab[frmBgm::kSources] = {
    AudioConnections::Source::Bgm, AudioConnections::Source::TimeTone, AudioConnections::Source::Emergency};

struct TabNames {
    QString tab, labelName, label;
    PageGroupPanel::Names panel;
};
} // namespace

frmBgm::frmBgm(AppContext &context, QWidget *parent) : AreaWindow(context, u"frmBgm"_s, parent)
{
    setWindowTitle(u"Audio Connections"_s);
    const TabNames tabNames[kSources] = {
        {u"BGM"_s,
         u"Label1"_s,
         u"Select Page Groups to receive background music :"_s,
         {u"fraPageGroup"_s, u"Page Groups"_s, u"chkPageGroup"_s, 0, u"cmdInclude"_s, u"Include All"_s, u"cmdRemove"_s,
          u"Remove All"_s}},
        {u"Time Tone"_s,
         u"Label2"_s,
         u"Select Page Groups to receive Clock Tone:"_s,
         {u"Frame1"_s, u"Page Groups"_s, u"chkCTPageGroup"_s, 0, u"cmdCTInclude"_s, u"Include All"_s, u"cmdCTRemove"_s,
          u"Remove All"_s}},
        {u"Emergency"_s,
         u"Label3"_s,
         u"Select Page Groups to receive Emergency Tone:"_s,
         {u"Frame2"_s, u"Page Groups"_s, u"chkEPageGroup"_s, 0, u"cmdEInclude"_s, u"Include All"_s, u"cmdERemove"_s,
          u"Remove All"_s}},
    };

    auto *tabs = new QTabWidget(this);
    tabs->setObjectName(u"tabAudio"_s);
    for (int s = 0; s < kSources; ++s) {
        auto *page = new QWidget(tabs);
        auto *label = new QLabel(tabNames[s].label, page);
        label->setObjectName(tabNames[s].labelName);
        label->setWordWrap(true);
        m_panels[s] = new PageGroupPanel(tabNames[s].panel, page);
        connect(m_panels[s], &PageGroupPanel::boxChanged, this, [this, s](int k) { boxClicked(s, k); });
        auto *pageLayout = new QVBoxLayout(page);
        pageLayout->addWidget(label);
        pageLayout->addWidget(m_panels[s], 1);
        tabs->addTab(page, tabNames[s].tab);
    }

    auto *ok = button(u"cmdOK"_s, u"OK"_s, this);
    auto *cancel = button(u"cmdCancel"_s, u"Cancel"_s, this);
    connect(ok, &QPushButton::clicked, this, &frmBgm::cmdOk_Click);
    connect(cancel, &QPushButton::clicked, this, &frmBgm::cmdCancel_Click);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(tabs, 1);
    layout->addLayout(buttons);

    Form_Load();
}

void frmBgm::Form_Load()
{
    m_UncommittedChanges = false;
    resize(QSize(twips(kWidthTwips), twips(kHeightTwips)).expandedTo(sizeHint()));
    const int available = PageGroups::available(m_context.state.ExpansionBoards);
    Database db(m_context.paths.TempDbPath());
    if (!db.isOpen())
        logError(u"Form_Load"_s, db.lastError());
    for (int s = 0; s < kSources; ++s) {
        m_panels[s]->setAvailable(available);
        if (db.isOpen()) {
            AudioConnections row(db, kSourceOfTab[s]);
            m_stored[s] = row.load();
            if (!m_stored[s])
                logError(u"Form_Load"_s, row.lastError());
        }
        if (m_stored[s])
            m_panels[s]->showFlags(*m_stored[s]);
        else
            m_panels[s]->setEnabled(false); // nothing to edit that could be written back
    }
    setFocusProxy(m_panels[0]->box(0));
}

void frmBgm::boxClicked(int source, int k)
{
    if (!m_stored[source] || m_panels[source]->box(k)->isChecked() == (*m_stored[source])[k])
        return;
    m_UncommittedChanges = true;
    if (m_context.host)
        m_context.host->setSaveEnabled(true);
}

void frmBgm::cmdOk_Click()
{
    if (m_UncommittedChanges) {
        Database db(m_context.paths.TempDbPath());
        QStringList failures;
        bool stored = false;
        for (int s = 0; s < kSources; ++s) {
            const PageGroups::Flags now = m_panels[s]->flags();
            if (!m_stored[s] || now == *m_stored[s])
                continue;
            AudioConnections row(db, kSourceOfTab[s]);
            if (db.isOpen() && row.store(now)) {
                m_stored[s] = now;
                stored = true;
            } else {
                failures << (db.isOpen() ? row.lastError() : db.lastError());
            }
        }
        // A box changed and changed back still counts as a change.
        if (stored || failures.isEmpty())
            m_context.state.markUnsaved();
        if (!failures.isEmpty()) {
            logError(u"cmdOk_Click"_s, failures.join(u"; "_s));
            // The boxes keep the edits that were not stored.
            m_context.prompter.message(u"The audio connections could not be stored:\r\n"_s + failures.join(u"\r\n"_s),
                                       m_context.state.variant.ProductTitle, Prompter::Exclamation);
            return;
        }
    }
    closeWindow();
}

void frmBgm::cmdCancel_Click()
{
    closeWindow();
}

void frmBgm::closeEvent(QCloseEvent *e)
{
    m_UncommittedChanges = false;
    if (m_context.host)
        m_context.host->UpdateFileSaveOpt();
    e->accept();
}
