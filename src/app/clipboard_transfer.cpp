#include "app/clipboard_transfer.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QPainter>

#include <algorithm>
#include <memory>

#include "document/circuit_file.h"
#include "drawing/circuit_painter.h"
#include "drawing/symbol_bounds.h"
#include "editing/circuit_clipboard.h"
#include "view/circuit_view.h"
#include "view/qt_drawing_surface.h"

namespace kirvolt {
namespace {

constexpr int PICTURE_MARGIN = 10;
constexpr int LARGEST_PICTURE_SIDE = 4096;

}  // namespace

QImage circuitPicture(const CKirvoltDoc& circuit)
{
    const std::optional<Rect> bounds = circuitBounds(circuit);
    if (!bounds) {
        return {};
    }
    const double width = static_cast<double>(bounds->right) - bounds->left + 2 * PICTURE_MARGIN;
    const double height = static_cast<double>(bounds->bottom) - bounds->top + 2 * PICTURE_MARGIN;
    const double scale = std::min(1.0, LARGEST_PICTURE_SIDE / std::max(width, height));
    QImage picture(std::max(1, static_cast<int>(width * scale)), std::max(1, static_cast<int>(height * scale)),
                   QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    painter.scale(scale, scale);
    painter.translate(PICTURE_MARGIN - bounds->left, PICTURE_MARGIN - bounds->top);
    {
        QtDrawingSurface surface(painter);
        PaintOptions options = documentPaintOptions(circuit);
        options.gridStyle = GRID_NONE;
        options.showEquations = false;
        PaintView(circuit, surface, options);
    }
    return picture;
}

bool copySelectionToClipboard(const CKirvoltView& view)
{
    const CKirvoltDoc& doc = view.document();
    const std::vector<const CComponent*> selected = view.editor().selectedRecords();
    if (selected.empty()) {
        return false;
    }
    CKirvoltDoc copy;
    copy.shareDisplaySettings(doc.display());
    copyRecordsInto(doc, selected, copy);
    const std::vector<std::uint8_t> bytes = circuitBytes(copy);
    auto data = std::make_unique<QMimeData>();
    data->setData(QString::fromLatin1(CIRCUIT_MIME_TYPE),
                  QByteArray(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size())));
    data->setImageData(circuitPicture(copy));
    QGuiApplication::clipboard()->setMimeData(data.release());
    return true;
}

std::optional<QByteArray> circuitOnClipboard()
{
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    const QString type = QString::fromLatin1(CIRCUIT_MIME_TYPE);
    if (data == nullptr || !data->hasFormat(type)) {
        return std::nullopt;
    }
    return data->data(type);
}

}  // namespace kirvolt
