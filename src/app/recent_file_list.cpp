#include "app/recent_file_list.h"

#include <QFileInfo>
#include <QSettings>

namespace kirvolt {

namespace {

const QString SECTION = QStringLiteral("Recent File List");

QString entryKey(int index)
{
    return QStringLiteral("File%1").arg(index + 1);
}

}  // namespace

void RecentFileList::load()
{
    QSettings settings;
    settings.beginGroup(SECTION);
    entries.clear();
    for (int i = 0; i < SIZE; ++i) {
        const QString path = settings.value(entryKey(i)).toString();
        if (!path.isEmpty()) {
            entries.append(path);
        }
    }
    emit changed();
}

void RecentFileList::add(const QString& path)
{
    const QString absolute = QFileInfo(path).absoluteFilePath();
    entries.removeAll(absolute);
    entries.prepend(absolute);
    while (entries.size() > SIZE) {
        entries.removeLast();
    }
    save();
    emit changed();
}

void RecentFileList::remove(int index)
{
    if (index < 0 || index >= entries.size()) {
        return;
    }
    entries.removeAt(index);
    save();
    emit changed();
}

void RecentFileList::save() const
{
    QSettings settings;
    settings.beginGroup(SECTION);
    for (int i = 0; i < SIZE; ++i) {
        if (i < entries.size()) {
            settings.setValue(entryKey(i), entries[i]);
        } else {
            settings.remove(entryKey(i));
        }
    }
}

}  // namespace kirvolt
