#include "AreaWindowFixture.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>

#include <functional>

using namespace Qt::StringLiterals;

class AreaWindowInWorkspace : public AreaWindowFixture {};

// Inside the main window's workspace a window sits in a sub-window frame; its
// buttons and Escape must close the frame too, not leave it behind empty.
TEST_F(AreaWindowInWorkspace, OkCancelAndEscapeCloseTheFrame)
{
    const struct {
        QString window, button;
    } cases[] = {
        {u"frmPage"_s, u"cmdOK"_s},         {u"frmPage"_s, u"cmdCancel"_s}, {u"frmPage"_s, {}},
        {u"frmBgm"_s, u"cmdOK"_s},          {u"frmBgm"_s, u"cmdCancel"_s},  {u"frmBgm"_s, {}},
        {u"frmClassService"_s, u"cmdOk"_s}, {u"frmClassService"_s, {}},
    };
    QMdiArea area;
    area.resize(900, 700);
    area.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&area));
    for (const auto &c : cases) {
        SCOPED_TRACE((c.window + u" "_s + (c.button.isEmpty() ? u"Escape"_s : c.button)).toStdString());
        QWidget *w = registry.create(c.window, ctx(), &area);
        ASSERT_TRUE(w);
        w->setAttribute(Qt::WA_DeleteOnClose);
        QPointer<QMdiSubWindow> frame = area.addSubWindow(w);
        frame->show();
        area.setActiveSubWindow(frame);
        QPointer<QWidget> window = w;
        if (c.button.isEmpty()) {
            for (QWidget *child : w->findChildren<QWidget *>())
                if (child->isEnabled() && child->isVisible() && child->focusPolicy() != Qt::NoFocus) {
                    child->setFocus();
                    break;
                }
            ASSERT_TRUE(QApplication::focusWidget());
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        } else {
            click(w, c.button);
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(window.isNull());
        EXPECT_TRUE(frame.isNull() || !frame->isVisible());
        EXPECT_TRUE(area.subWindowList().isEmpty());
    }
}
