#pragma once

#include <QWidget>

class QListWidget;
class QPushButton;
class QTimer;
struct AppContext;

// "Programming Windows": a narrow floating list of the programming windows.
// Opening an entry emits entryOpened with the entry's text ("All" for Open
// All); the main window runs its QuickMenu on it. The window remembers its
// position and size in the settings file.
class frmSwitchBoard : public QWidget {
    Q_OBJECT
public:
    static constexpr int kWidth = 2670;      // twips, always
    static constexpr int kMinHeight = 2500;  // twips
    static constexpr int kMinPosition = 500; // twips
    // The caption by which the bulk commands of the main window recognise it.
    static inline const QString kCaption = QStringLiteral("Programming Windows");

    // mainWindow: the frame the window floats over and is placed in the corner of.
    frmSwitchBoard(AppContext &context, QWidget &mainWindow);

    // Refills the list (it follows ClockBoard) and places the window again.
    void reload();

signals:
    // An entry was opened: "Schedule 1" ... "Class Of Service", or "All".
    void entryOpened(const QString &name);
    // Emitted when the window unloads, after its geometry was saved.
    void unloaded();

protected:
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void cmdOpen_Click();
    void cmdAll_Click();
    void fitListToWholeLines();

    AppContext &m_context;
    QWidget &m_mainWindow;
    QListWidget *m_list = nullptr;
    QTimer *m_timer = nullptr;
};
