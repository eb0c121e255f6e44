#pragma once

#include <QObject>
#include <QStringList>

namespace kirvolt {

// The four most recently opened or saved circuit files, newest first, kept in the user's
// settings under "Recent File List" as File1 .. File4.
class RecentFileList : public QObject {
    Q_OBJECT

public:
    static constexpr int SIZE = 4;

    void load();
    const QStringList& files() const { return entries; }
    // Puts the file first; an entry for the same file moves up rather than repeating.
    void add(const QString& path);
    void remove(int index);

signals:
    void changed();

private:
    void save() const;

    QStringList entries;
};

}  // namespace kirvolt
