#include "shell/frmIntro.h"

#include "core/AppContext.h"
#include "ui/WindowUtil.h"

#include <QFileInfo>
#include <QFrame>
#include <QGridLayout>
#include <QIcon>
#include <QLabel>
#include <QTimer>
#include <QVBoxLayout>

namespace {
QLabel *label(QWidget *parent, const QString &name, const QString &text, int pointSize = 0, bool bold = false)
{
    auto *l = new QLabel(text, parent);
    l->setObjectName(name);
    QFont f = l->font();
    if (pointSize > 0)
        f.setPointSize(pointSize);
    f.setBold(bold);
    l->setFont(f);
    return l;
}
} // namespace

frmIntro::frmIntro(AppContext &context, QWidget *parent) : QDialog(parent, Qt::SplashScreen | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("frmIntro"));
    setModal(true);
    const VariantRecord &v = context.state.variant;
    setWindowTitle(v.ProductTitle);

    auto *frame = new QFrame(this);
    frame->setObjectName(QStringLiteral("Frame1"));
    frame->setFrameShape(QFrame::Box);
    frame->setLineWidth(2);

    auto *logo = new QLabel(frame);
    logo->setObjectName(QStringLiteral("imgLogo"));
    const QString icon = FileOps::resolve(context.paths.appDir() + v.IconName);
    if (!v.IconName.isEmpty() && QFileInfo(icon).isFile())
        logo->setPixmap(QIcon(icon).pixmap(64, 64).scaled(64, 64, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    logo->setFixedSize(64, 64);

    auto *title = label(frame, QStringLiteral("Label2_0"), v.ProductTitle);
    // The running variant's layout shows the model with "Programming Tool"
    // beneath it instead of the full product title.
    title->hide();

    auto *grid = new QGridLayout(frame);
    grid->setContentsMargins(24, 20, 24, 16);
    grid->setHorizontalSpacing(20);
    grid->setColumnStretch(1, 1);
    grid->addWidget(logo, 0, 0, 3, 1, Qt::AlignTop);
    grid->addWidget(label(frame, QStringLiteral("Label1"), v.ModelName, 28, true), 0, 1);
    grid->addWidget(label(frame, QStringLiteral("Label2_1"), QStringLiteral("Programming Tool"), 14), 1, 1);
    grid->addWidget(title, 2, 1);
    auto *details = new QVBoxLayout;
    details->addWidget(label(frame, QStringLiteral("Label5"), v.ReleaseDate));
    details->addWidget(label(frame, QStringLiteral("Label6"), v.VersionText));
    grid->addLayout(details, 3, 1);
    auto *notice = label(frame, QStringLiteral("Label3"), v.NoticeText, 8);
    notice->setWordWrap(true);
    grid->addWidget(notice, 4, 0, 1, 2);
    grid->addWidget(label(frame, QStringLiteral("Label4"), QString(), 8), 5, 0, 1, 2);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(frame);
    setFixedWidth(twips(6600));

    m_timer = new QTimer(this);
    m_timer->setObjectName(QStringLiteral("Timer1"));
    m_timer->setSingleShot(true);
    m_timer->setInterval(kShowFor);
    connect(m_timer, &QTimer::timeout, this, &QDialog::accept);
    adjustSize();
    CenterScreen(this);
}

void frmIntro::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!m_timer->isActive())
        m_timer->start();
}
