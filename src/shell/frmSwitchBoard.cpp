#include "shell/frmSwitchBoard.h"

#include "core/AppContext.h"
#include "core/Capacities.h"
#include "core/SettingsFile.h"
#include "ui/WindowUtil.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

namespace {
constexpr int kListBelowWindow = 1000;  // twips the list is lower than the window
constexpr int kCornerAboveBottom = 600; // twips, placement in the main window's corner
constexpr int kCornerLeftOfRight = 100; // twips
constexpr auto kSendToBack = std::chrono::milliseconds(100);
} // namespace

frmSwitchBoard::frmSwitchBoard(AppContext &context, QWidget &mainWindow)
    : QWidget(&mainWindow, Qt::Tool), m_context(context), m_mainWindow(mainWindow)
{
    setObjectName(QStringLiteral("frmSwitchBoard"));
    setWindowTitle(kCaption);
    setAttribute(Qt::WA_DeleteOnClose);

    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("lstMenu"));
    m_list->setUniformItemSizes(true);
    m_list->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    auto *open = new QPushButton(QStringLiteral("&Open"), this);
    open->setObjectName(QStringLiteral("cmdOpen"));
    auto *all = new QPushButton(QStringLiteral("Open &All"), this);
    all->setObjectName(QStringLiteral("cmdAll"));

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(m_list, 0, Qt::AlignTop);
    layout->addStretch(1);
    auto *buttons = new QWidget(this);
    buttons->setFixedHeight(twips(kListBelowWindow) - 8);
    auto *buttonLayout = new QVBoxLayout(buttons);
    buttonLayout->setContentsMargins(0, 0, 0, 0);
    buttonLayout->addWidget(open);
    buttonLayout->addWidget(all);
    layout->addWidget(buttons);

    setFixedWidth(twips(kWidth));
    setMinimumHeight(twips(kMinHeight));
    // The design size, kept when the saved place is off the screen.
    resize(twips(kWidth), twips(kMinHeight));

    connect(open, &QPushButton::clicked, this, &frmSwitchBoard::cmdOpen_Click);
    connect(all, &QPushButton::clicked, this, &frmSwitchBoard::cmdAll_Click);
    connect(m_list, &QListWidget::itemDoubleClicked, open, &QPushButton::click);

    m_timer = new QTimer(this);
    m_timer->setObjectName(QStringLiteral("Timer1"));
    m_timer->setSingleShot(true);
    m_timer->setInterval(kSendToBack);
    connect(m_timer, &QTimer::timeout, this, [this] { lower(); });

    reload();
    m_timer->start();
}

void frmSwitchBoard::reload()
{
    SettingsValues &s = m_context.state.settings;
    modProject::getSwitchBoardValues(m_context);
    const QScreen *screen = m_mainWindow.screen() ? m_mainWindow.screen() : QGuiApplication::primaryScreen();
    const QSize screenTwips = screen ? screen->geometry().size() * kTwipsPerPixel : QSize();
    if (screenTwips.width() < s.SwitchBoardLeft + s.SwitchBoardWidth ||
        screenTwips.height() < s.SwitchBoardTop + s.SwitchBoardHeight) {
        // The saved place would be off the screen: the main window's lower right
        // corner, keeping the saved values as they are.
        const QRect main = m_mainWindow.frameGeometry();
        const int top = main.height() - height() + main.top() - twips(kCornerAboveBottom);
        const int left = main.width() - width() + main.left() - twips(kCornerLeftOfRight);
        move(left, top);
    } else {
        s.SwitchBoardTop = qint16(std::max<int>(s.SwitchBoardTop, kMinPosition));
        s.SwitchBoardLeft = qint16(std::max<int>(s.SwitchBoardLeft, kMinPosition));
        s.SwitchBoardWidth = kWidth;
        s.SwitchBoardHeight = qint16(std::max<int>(s.SwitchBoardHeight, kMinHeight));
        move(twips(s.SwitchBoardLeft), twips(s.SwitchBoardTop));
        resize(twips(s.SwitchBoardWidth), twips(s.SwitchBoardHeight));
    }

    m_list->clear();
    for (int n = 1; n <= Capacities::kSchedules; ++n)
        m_list->addItem(QStringLiteral("Schedule %1").arg(n));
    if (m_context.state.ClockBoard)
        m_list->addItem(QStringLiteral("Clock"));
    for (const char *entry :
         {"Custom Page Groups", "Audio Connections", "System", "ArchNumber / CLID", "Class Of Service"})
        m_list->addItem(QString::fromLatin1(entry));
    m_list->setCurrentRow(0);
    fitListToWholeLines();
}

void frmSwitchBoard::fitListToWholeLines()
{
    // The list is 1000 twips lower than the window; within that it shows whole
    // entries only, so that no half entry is cut off at its bottom edge.
    const int frame = 2 * m_list->frameWidth();
    const int row = std::max(1, m_list->sizeHintForRow(0));
    const int room = height() - twips(kListBelowWindow) - frame;
    m_list->setFixedHeight(std::max(1, room / row) * row + frame);
}

void frmSwitchBoard::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    fitListToWholeLines();
}

void frmSwitchBoard::cmdOpen_Click()
{
    if (const QListWidgetItem *item = m_list->currentItem())
        emit entryOpened(item->text());
}

void frmSwitchBoard::cmdAll_Click()
{
    emit entryOpened(QStringLiteral("All"));
}

void frmSwitchBoard::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && isMaximized())
        showNormal();
    QWidget::changeEvent(event);
}

void frmSwitchBoard::closeEvent(QCloseEvent *event)
{
    SettingsValues &s = m_context.state.settings;
    s.SwitchBoardTop = qint16(y() * kTwipsPerPixel);
    s.SwitchBoardLeft = qint16(x() * kTwipsPerPixel);
    s.SwitchBoardWidth = qint16(width() * kTwipsPerPixel);
    s.SwitchBoardHeight = qint16(height() * kTwipsPerPixel);
    modProject::PutSwitchBoardVal(m_context);
    emit unloaded();
    QWidget::closeEvent(event);
}
