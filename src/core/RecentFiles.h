#pragma once

#include <QList>
#include <QString>

#include <array>

// The four most recently used configuration files, entry 0 the most recent and
// "" a free entry, and the File-menu items that show them.
class RecentFiles {
public:
    using List = std::array<QString, 4>;

    // One recent-file menu item: its position (1-4) and caption "&n path".
    struct Item {
        int index = 0;
        QString caption;
    };

    // Puts file at the top. A path already listed (letter case counts) moves up
    // and the entries above it move down one place; a new path pushes every
    // entry down and the fourth is dropped. file is taken by value, so an entry
    // of files itself can be given: the shift below does not change the copy.
    static void UpdateFileArray(List &files, QString file);
    // The items to show for the non-empty entries; the separator is shown when
    // there is at least one.
    static QList<Item> displayItems(const List &files);
};
