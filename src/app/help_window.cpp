#include "app/help_window.h"

#include <QFile>
#include <QImage>
#include <QLocale>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextDocument>
#include <QVBoxLayout>

#include <algorithm>
#include <utility>
#include <vector>

namespace kirvolt {
namespace {

constexpr int WIDTH = 760;
constexpr int HEIGHT = 640;

// The guide's pictures are drawn large; each is shown at its own width or, where the window is
// narrower, at the width of the page, so that no picture runs past the window's edge.
class FittingBrowser : public QTextBrowser {
public:
    explicit FittingBrowser(QWidget* parent) : QTextBrowser(parent)
    {
        connect(this, &QTextBrowser::sourceChanged, this, &FittingBrowser::fitPictures);
    }

protected:
    void resizeEvent(QResizeEvent* event) override
    {
        QTextBrowser::resizeEvent(event);
        fitPictures();
    }

private:
    QImage pictureAt(const QString& name)
    {
        const QVariant data = loadResource(QTextDocument::ImageResource, QUrl(name));
        return data.typeId() == QMetaType::QImage ? data.value<QImage>() : QImage::fromData(data.toByteArray());
    }

    void fitPictures()
    {
        QTextDocument* page = document();
        const qreal room = std::max(1.0, viewport()->width() - 2 * page->documentMargin());
        // Formats are changed once every picture is found: a change may split or join fragments.
        std::vector<std::pair<QTextFragment, QTextImageFormat>> resized;
        for (QTextBlock block = page->begin(); block.isValid(); block = block.next()) {
            for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment) {
                QTextImageFormat picture = fragment.fragment().charFormat().toImageFormat();
                const QImage image = picture.isValid() ? pictureAt(picture.name()) : QImage();
                const qreal width = std::min<qreal>(image.width(), room);
                if (image.isNull() || picture.width() == width) {
                    continue;
                }
                picture.setWidth(width);
                picture.setHeight(width * image.height() / image.width());
                resized.emplace_back(fragment.fragment(), picture);
            }
        }
        for (const auto& [piece, picture] : resized) {
            QTextCursor cursor(page);
            cursor.setPosition(piece.position());
            cursor.setPosition(piece.position() + piece.length(), QTextCursor::KeepAnchor);
            cursor.setCharFormat(picture);
        }
    }
};

}  // namespace

QUrl helpIndexFor(const QLocale& locale)
{
    const QString name = locale.name();
    for (const QString& folder : {name, name.section(QLatin1Char('_'), 0, 0)}) {
        const QString page = QStringLiteral(":/help/%1/index.html").arg(folder);
        if (!folder.isEmpty() && QFile::exists(page)) {
            return QUrl(QLatin1String("qrc") + page);
        }
    }
    return QUrl(QStringLiteral("qrc:/help/index.html"));
}

HelpWindow::HelpWindow(QWidget* parent) : QDialog(parent), pages(new FittingBrowser(this))
{
    setWindowTitle(tr("Kirvolt Help"));
    setModal(false);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(pages);
    pages->setOpenExternalLinks(false);
    pages->setSource(helpIndexFor(QLocale()));
    resize(WIDTH, HEIGHT);
}

}  // namespace kirvolt
