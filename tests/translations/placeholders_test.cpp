#include <gtest/gtest.h>

#include <QFile>

#include "translation_placeholders.h"

namespace kirvolt::testing {
namespace {

QByteArray tsWith(const char* messages)
{
    return QByteArray("<?xml version=\"1.0\" encoding=\"utf-8\"?><!DOCTYPE TS><TS version=\"2.1\" language=\"de\">"
                      "<context><name>Rules</name>") +
           messages + "</context></TS>";
}

TEST(TranslationPlaceholders, FindsATranslationThatLosesOrGainsAPlaceholder)
{
    const struct {
        const char* messages;
        QStringList faults;
    } cases[] = {
        {"<message><source>%1 and %2</source><translation>%1 und %2</translation></message>", {}},
        {"<message><source>%1 and %2</source><translation>%2 und %1</translation></message>", {}},
        {"<message><source>%1 and %2</source><translation>%1 und</translation></message>", {"Rules: %1 and %2"}},
        {"<message><source>Node %1</source><translation>Knoten %1 %3</translation></message>", {"Rules: Node %1"}},
        {"<message><source>Node %1</source><translation type=\"unfinished\"></translation></message>", {}},
        {"<message><source>Node %1</source><translation type=\"vanished\">Knoten</translation></message>", {}},
        {"<message numerus=\"yes\"><source>%n loops</source><translation><numerusform>%n Schleife</numerusform>"
         "<numerusform>Schleifen</numerusform></translation></message>",
         {"Rules: %n loops"}},
        {"<message><source>100% sure</source><translation>100 % sicher</translation></message>", {}},
        {"<message><source>Kirvolt", {"not a translation file: Opening and ending tag mismatch."}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(placeholderFaults(tsWith(c.messages)), c.faults) << c.messages;
    }
}

TEST(TranslationPlaceholders, EveryTranslationOfTheProgramKeepsThemAll)
{
    const QStringList files = QString::fromUtf8(KIRVOLT_TS_FILES).split(QLatin1Char('|'));
    ASSERT_EQ(files.size(), 5);
    for (const QString& path : files) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
        EXPECT_EQ(placeholderFaults(file.readAll()), QStringList()) << path.toStdString();
    }
}

}  // namespace
}  // namespace kirvolt::testing
