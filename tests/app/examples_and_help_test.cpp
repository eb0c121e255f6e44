#include <utility>

#include <QMenu>
#include <QStatusBar>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>

#include "app/help_window.h"
#include "app/property_view.h"
#include "app_fixture.h"

namespace kirvolt::testing {
namespace {

using ExamplesAndHelp = AppFixture;

QMenu* examplesMenu(const CMainFrame& frame)
{
    for (QMenu* menu : frame.shownMenus()) {
        for (QAction* item : menu->actions()) {
            if (item->menu() != nullptr && item->text() == QStringLiteral("Exa&mples")) {
                return item->menu();
            }
        }
    }
    return nullptr;
}

TEST_F(ExamplesAndHelp, AnExampleOpensWithItsValuesAndSaysWhatItShows)
{
    QMenu* examples = examplesMenu(frame());
    ASSERT_NE(examples, nullptr);
    ASSERT_GE(examples->actions().size(), 20);
    QAction* divider = examples->actions().front();
    EXPECT_EQ(divider->text(), QStringLiteral("Voltage divider"));

    divider->trigger();
    EXPECT_EQ(activeFrame().circuit().title(), QStringLiteral("voltage_divider"));
    EXPECT_EQ(frame().statusBar()->currentMessage(),
              QStringLiteral("12 V across 40 Ω and 20 Ω in series: the middle node is at 12 × 20/(40 + 20) = 4 V."));
    QTest::keyClick(activeFrame().propertyView(), Qt::Key_F5);
    EXPECT_TRUE(activeDoc().resultsAreCurrent());
}

TEST_F(ExamplesAndHelp, HelpShowsTheGuideWithItsPictures)
{
    QTest::keyClick(&frame(), Qt::Key_F1);
    auto* help = frame().findChild<HelpWindow*>();
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->isVisible());
    const QString text = help->browser()->toPlainText();
    for (const char* heading : {"Drawing", "How wires and joints connect", "Values", "The analysis",
                                "Reading the results", "Clicking nodes", "The tutor", "Exercises", "Files and printing"}) {
        EXPECT_TRUE(text.contains(QLatin1String(heading))) << heading;
    }
    // The theorems have a page each, reached from the guide's links and leading back to it.
    for (const auto& [page, heading] : {std::pair{"thevenin.html", "Th\xC3\xA9venin and Norton equivalents"},
                                        std::pair{"superposition.html", "Superposition"},
                                        std::pair{"mesh.html", "The mesh current method"},
                                        std::pair{"loop.html", "The loop current method"}}) {
        EXPECT_TRUE(help->browser()->toHtml().contains(QLatin1String(page))) << page;
        help->browser()->setSource(help->browser()->source().resolved(QUrl(QLatin1String(page))));
        EXPECT_TRUE(help->browser()->toPlainText().startsWith(QString::fromUtf8(heading))) << page;
        EXPECT_TRUE(help->browser()->toHtml().contains(QLatin1String("index.html"))) << page;
        help->browser()->backward();
    }
    EXPECT_EQ(help->browser()->toPlainText(), text);
    for (const char* picture : {"qrc:/help/results.png", "qrc:/help/drawing.png", "qrc:/help/mesh_analysis.png",
                                "qrc:/help/mesh_equation.png", "qrc:/help/mesh_tutor.png", "qrc:/help/loop_analysis.png"}) {
        const QVariant image = help->browser()->loadResource(QTextDocument::ImageResource, QUrl(QLatin1String(picture)));
        EXPECT_FALSE(image.isNull()) << picture;
    }
    // Each picture fits the page at the window's first size and when it is made narrower.
    for (int width : {help->width(), 420}) {
        help->resize(width, help->height());
        QCoreApplication::processEvents();
        const QTextDocument& page = *help->browser()->document();
        EXPECT_LE(page.idealWidth(), help->browser()->viewport()->width()) << width;
        int pictures = 0;
        for (QTextBlock block = page.begin(); block.isValid(); block = block.next()) {
            for (auto piece = block.begin(); !piece.atEnd(); ++piece) {
                const QTextImageFormat picture = piece.fragment().charFormat().toImageFormat();
                if (picture.isValid()) {
                    ++pictures;
                    EXPECT_GT(picture.width(), 100) << width;
                    EXPECT_LE(picture.width(), help->browser()->viewport()->width() - 2 * page.documentMargin());
                }
            }
        }
        EXPECT_EQ(pictures, 2);
    }
}

}  // namespace
}  // namespace kirvolt::testing
