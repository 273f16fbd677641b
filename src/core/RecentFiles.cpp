#include "core/RecentFiles.h"

void RecentFiles::UpdateFileArray(List &files, QString file)
{
    int position = int(files.size());
    for (int i = 1; i <= int(files.size()); ++i)
        if (files[i - 1] == file)
            position = i;
    for (int k = position; k >= 2; --k)
        files[k - 1] = files[k - 2];
    files[0] = std::move(file);
}

QList<RecentFiles::Item> RecentFiles::displayItems(const List &files)
{
    QList<Item> items;
    for (int i = 1; i <= int(files.size()); ++i)
        if (!files[i - 1].isEmpty())
            items.append(Item{i, QStringLiteral("&") + QString::number(i) + QLatin1Char(' ') + files[i - 1]});
    return items;
}
