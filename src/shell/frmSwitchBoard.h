#pragma once

#include <QWidget>

class QListWidget;
class QPushButton;
class QTimer;
class frmMenu;
struct AppContext;

// "Programming Windows": a narrow floating list of the programming windows.
// Opening an entry runs the main window's QuickMenu with the entry's text. The
// window remembers its position and size in the settings file.
class frmSwitchBoard : public QWidget {
    Q_OBJECT
public:
    static constexpr int kWidth = 2670;      // twips, always
    static constexpr int kMinHeight = 2500;  // twips
    static constexpr int kMinPosition = 500; // twips

    frmSwitchBoard(AppContext &context, frmMenu &menu);

    // Refills the list (it follows ClockBoard) and places the window again.
    void reload();

signals:
    // Emitted when the window unloads, after its geometry was saved.
    void unloaded();

protected:
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void cmdOpen_Click();
    void cmdAll_Click();

    AppContext &m_context;
    frmMenu &m_menu;
    QListWidget *m_list = nullptr;
    QTimer *m_timer = nullptr;
};
