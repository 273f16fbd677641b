#include "shell/frmAbout.h"

#include "core/AppContext.h"
#include "ui/WindowUtil.h"

#include <QFileInfo>
#include <QGridLayout>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

frmAbout::frmAbout(AppContext &context, QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmAbout"));
    const VariantRecord &v = context.state.variant;
    setWindowTitle(QStringLiteral("About ") + v.ProductTitle);

    auto *image = new QLabel(this);
    image->setObjectName(QStringLiteral("Image1"));
    const QString icon = FileOps::resolve(context.paths.appDir() + v.IconName);
    if (!v.IconName.isEmpty() && QFileInfo(icon).isFile())
        image->setPixmap(QIcon(icon).pixmap(48, 48));

    auto *release = new QLabel(v.ReleaseTitle, this);
    release->setObjectName(QStringLiteral("Label2"));
    QFont bold = release->font();
    bold.setBold(true);
    release->setFont(bold);

    auto *version = new QLineEdit(v.VersionText, this);
    version->setObjectName(QStringLiteral("Text3"));
    version->setReadOnly(true);

    auto *notice = new QPlainTextEdit(v.NoticeText, this);
    notice->setObjectName(QStringLiteral("Text2"));
    notice->setReadOnly(true);
    notice->setFixedHeight(notice->fontMetrics().lineSpacing() * 4);

    auto *ok = new QPushButton(QStringLiteral("&OK"), this);
    ok->setObjectName(QStringLiteral("cmdOK"));
    // Enter presses no button: the window has no default button.
    ok->setAutoDefault(false);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto *grid = new QGridLayout(this);
    grid->addWidget(image, 0, 0, 2, 1, Qt::AlignTop);
    grid->addWidget(release, 0, 1);
    grid->addWidget(version, 1, 1);
    grid->addWidget(notice, 2, 0, 1, 2);
    grid->addWidget(ok, 3, 1, Qt::AlignRight);
    setMinimumWidth(twips(6000));
    adjustSize();
    CenterScreen(this);
}
