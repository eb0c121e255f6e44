#include "app/example_index.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTextStream>

namespace kirvolt {
namespace {

const QString INDEX_NAME = QStringLiteral("examples.txt");

QString examplesDirectory()
{
    const QDir bin(QCoreApplication::applicationDirPath());
    const QString installed = bin.absoluteFilePath(QStringLiteral("../share/kirvolt/examples"));
    if (QFile::exists(installed + QLatin1Char('/') + INDEX_NAME)) {
        return installed;
    }
    return QStringLiteral(KIRVOLT_SOURCE_EXAMPLES);
}

}  // namespace

QList<ExampleEntry> readExampleIndex(const QString& directory)
{
    QList<ExampleEntry> entries;
    QFile index(QDir(directory).filePath(INDEX_NAME));
    if (!index.open(QIODevice::ReadOnly | QIODevice::Text)) {
        return entries;
    }
    QTextStream text(&index);
    text.setEncoding(QStringConverter::Utf8);
    while (!text.atEnd()) {
        const QString line = text.readLine();
        const QStringList fields = line.split(QLatin1Char('\t'));
        if (line.startsWith(QLatin1Char('#')) || fields.size() != 3) {
            continue;
        }
        entries.append({QDir(directory).filePath(fields[0]), fields[1], fields[2]});
    }
    return entries;
}

QList<ExampleEntry> installedExamples()
{
    return readExampleIndex(examplesDirectory());
}

}  // namespace kirvolt
