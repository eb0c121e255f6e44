#include "app/property_view.h"

#include <QImage>
#include <QPainter>
#include <QScrollBar>

#include <algorithm>
#include <cmath>

#include "analysis/results_text.h"
#include "drawing/results_painter.h"
#include "view/qt_drawing_surface.h"

namespace kirvolt {
namespace {

constexpr int BODY_PIXELS = 16;
constexpr int AREA_HEIGHT = 20000;
constexpr double STANDARD_DPI = 96.0;
// A wheel notch moves the platform's three steps; a step is one node line.
constexpr int LINE_STEP = 20;
// Room beside the widest line, so that its last character does not touch the window edge.
constexpr int TEXT_MARGIN = 16;
// A line's text reaches this far below its top, subscripts included.
constexpr int LINE_HEIGHT = 30;

ResultsPaneLines shownLines(const CKirvoltDoc& doc)
{
    return {doc, CPropertyView::tr("The circuit has changed since these results. Run the analysis again.").toStdString()};
}

}  // namespace

CPropertyView::CPropertyView(const CKirvoltDoc& doc, QWidget* parent)
    : ScrollingView({0, AREA_HEIGHT}, parent), doc(doc)
{
    setFocusPolicy(Qt::StrongFocus);
    QFont body = font();
    body.setPixelSize(BODY_PIXELS);
    setFont(body);
    updateExtent();
    updateScrollSteps();
}

double CPropertyView::fontScale() const
{
    return std::max(1.0, logicalDpiY() / STANDARD_DPI);
}

int CPropertyView::linesWidth() const
{
    QImage scratch(1, 1, QImage::Format_RGB32);
    QPainter painter(&scratch);
    painter.setFont(font());
    QtDrawingSurface surface(painter);
    RememberingSurface measuring(surface, extents);
    // Greying the kept lines changes no width; the notice, where shown, may be wider.
    const ResultsPaneLines shown = shownLines(doc);
    int widest = doc.analysisResults.empty() ? resultsTextWidth({shown[0]}, measuring) : widestResultsLine(measuring);
    if (const ResultsLine* notice = shown.notice()) {
        widest = std::max(widest, resultsTextWidth({*notice}, measuring));
    }
    const int logical = widest + TEXT_MARGIN;
    return static_cast<int>(std::ceil(logical * fontScale()));
}

int CPropertyView::textWidth() const
{
    const int scrollBar = verticalScrollBar()->isVisible() ? verticalScrollBar()->width() : 0;
    return linesWidth() + scrollBar + 2 * frameWidth();
}

int CPropertyView::widestResultsLine(DrawingSurface& measuring) const
{
    MeasuredLines now{doc.resultsReplacements(), doc.analysisResults.data(), doc.analysisResults.size(), font()};
    if (!(now == measured)) {
        now.widest = resultsTextWidth(doc.analysisResults, measuring);
        measured = now;
    }
    return measured.widest;
}

void CPropertyView::updateExtent()
{
    setLogicalSize({linesWidth(), AREA_HEIGHT});
}

void CPropertyView::paintEvent(QPaintEvent*)
{
    QPainter painter(viewport());
    painter.fillRect(viewport()->rect(), Qt::white);
    painter.translate(-scrollOffset());
    painter.scale(fontScale(), fontScale());
    QtDrawingSurface surface(painter);
    // Only the lines in view: the pane of a large circuit holds thousands.
    const double top = scrollOffset().y() / fontScale() - LINE_HEIGHT;
    const double bottom = (scrollOffset().y() + viewport()->height()) / fontScale();
    paintResults(shownLines(doc).between(static_cast<int>(std::ceil(top)), static_cast<int>(std::floor(bottom))), surface);
}

void CPropertyView::resizeEvent(QResizeEvent* event)
{
    ScrollingView::resizeEvent(event);
    updateScrollSteps();
}

void CPropertyView::updateScrollSteps()
{
    verticalScrollBar()->setSingleStep(static_cast<int>(std::lround(LINE_STEP * fontScale())));
    verticalScrollBar()->setPageStep(std::max(1, viewport()->height()));
    horizontalScrollBar()->setSingleStep(static_cast<int>(std::lround(LINE_STEP * fontScale())));
    horizontalScrollBar()->setPageStep(std::max(1, viewport()->width()));
}

}  // namespace kirvolt
