#include "shell/frmMyMsgBox.h"

#include "core/AppContext.h"
#include "shell/frmNotePad.h"
#include "ui/WindowUtil.h"

#include <QApplication>
#include <QFile>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QStyle>

namespace {
const QString kName = QStringLiteral("frmMyMsgBox");
constexpr int kWidthTwips = 6000;
} // namespace

frmMyMsgBox::frmMyMsgBox(AppContext &context, std::function<void()> closeLog, QWidget *parent)
    : QDialog(parent), m_context(context), m_closeLog(std::move(closeLog))
{
    setObjectName(kName);
    setWindowTitle(QStringLiteral("Warning"));
    setAttribute(Qt::WA_DeleteOnClose);

    auto *image = new QLabel(this);
    image->setObjectName(QStringLiteral("Image1"));
    const int iconSize = style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, this);
    image->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxWarning, nullptr, this).pixmap(iconSize, iconSize));

    m_lbl1 = new QLabel(this);
    m_lbl1->setObjectName(QStringLiteral("lbl1"));
    m_lbl1->setWordWrap(true);
    m_lbl1->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto *display = commandButton(QStringLiteral("&View Log"), QStringLiteral("cmdDisplay"), this);
    connect(display, &QPushButton::clicked, this, &frmMyMsgBox::cmdDisplay_Click);
    auto *ok = new QPushButton(QStringLiteral("&Ok"), this);
    ok->setObjectName(QStringLiteral("cmdOk"));
    // Enter presses no button: the window has no default button.
    ok->setAutoDefault(false);
    connect(ok, &QPushButton::clicked, this, &QWidget::close);

    auto *grid = new QGridLayout(this);
    grid->addWidget(image, 0, 0, Qt::AlignTop);
    grid->addWidget(m_lbl1, 0, 1, 1, 3);
    grid->setColumnStretch(1, 1);
    grid->addWidget(display, 1, 2);
    grid->addWidget(ok, 1, 3);
    setMinimumWidth(twips(kWidthTwips));
}

void frmMyMsgBox::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    // Centred over the main window.
    adjustSize();
    const QWidget *main = parentWidget() ? parentWidget()->window() : nullptr;
    if (!main) {
        CenterScreen(this);
        return;
    }
    const QRect frame = main->frameGeometry();
    move(frame.left() + (frame.width() - frameGeometry().width()) / 2,
         frame.top() + (frame.height() - frameGeometry().height()) / 2);
}

void frmMyMsgBox::setMsg(const QString &text, const QString &fileName)
{
    m_lbl1->setText(text);
    m_fileName = fileName;
}

void frmMyMsgBox::cmdDisplay_Click()
{
    if (m_closeLog)
        m_closeLog();
    QFile file(FileOps::resolve(m_context.paths.file(m_fileName)));
    if (m_fileName.isEmpty() || !file.open(QIODevice::ReadOnly)) {
        m_context.prompter.message(QStringLiteral("Can't open file: ") + m_fileName,
                                   m_context.state.variant.ProductTitle);
        return;
    }
    QApplication::setOverrideCursor(Qt::WaitCursor);
    auto *notePad = new frmNotePad(parentWidget());
    notePad->setAttribute(Qt::WA_DeleteOnClose);
    notePad->setWindowTitle(m_fileName.toUpper());
    notePad->setText(QString::fromLatin1(file.readAll()));
    notePad->show();
    QApplication::restoreOverrideCursor();
}
