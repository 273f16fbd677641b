#pragma once

#include <QWidget>

class QTextBrowser;

// The help viewer: the variant's help file, HTML for the ".chm" name and plain
// text for the ".hlp" name. It stands beside the tool's forms and is not one of
// them.
class frmHelp : public QWidget {
    Q_OBJECT
public:
    explicit frmHelp(QWidget *parent = nullptr);
    // false when the file cannot be read.
    bool showFile(const QString &path, bool html);

private:
    QTextBrowser *m_browser = nullptr;
};
