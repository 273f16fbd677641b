#include "shell/frmNotePad.h"

#include "ui/WindowUtil.h"

#include <QFontDatabase>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace {
constexpr int kLeftTwips = 30;
constexpr int kTopTwips = 2025;
constexpr int kWidthTwips = 9600;
constexpr int kHeightTwips = 6000;
} // namespace

frmNotePad::frmNotePad(QWidget *parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("frmNotePad"));
    setWindowTitle(QStringLiteral("Untitled"));
    m_text = new QPlainTextEdit(this);
    m_text->setObjectName(QStringLiteral("Text1"));
    m_text->setReadOnly(true);
    m_text->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_text->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    // The text box always fills the window.
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_text);
    resize(twips(kWidthTwips), twips(kHeightTwips));
    move(twips(kLeftTwips), twips(kTopTwips));
}

void frmNotePad::setText(const QString &text)
{
    m_text->setPlainText(text);
}

QString frmNotePad::text() const
{
    return m_text->toPlainText();
}
