#pragma once

#include <QList>
#include <QString>

namespace kirvolt {

// One circuit of File > Examples, from the index beside the example files.
struct ExampleEntry {
    QString path;
    QString title;
    QString description;
};

// The examples installed with the program (share/kirvolt/examples beside its bin directory),
// or those of the source tree when it runs from the build tree; none when neither is there.
QList<ExampleEntry> installedExamples();

// The entries of an index: "file<TAB>title<TAB>description" lines, '#' lines left out, file
// names taken relative to the directory.
QList<ExampleEntry> readExampleIndex(const QString& directory);

}  // namespace kirvolt
