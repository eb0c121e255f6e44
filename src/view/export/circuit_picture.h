#pragma once

#include <QByteArray>
#include <QImage>

#include "document/circuit_document.h"
#include "export/picture_export.h"

namespace kirvolt {

// The schematic as the screen paints it, cropped to the picture area (pictureArea) on white:
// an image of `scale` pixels per logical unit, and a PDF of one page the picture's size.
// Empty for a circuit without elements. They need a QGuiApplication.
QImage circuitImage(const CKirvoltDoc& doc, const PictureOptions& options);
QByteArray circuitPng(const CKirvoltDoc& doc, const PictureOptions& options);
QByteArray circuitPdf(const CKirvoltDoc& doc, const PictureOptions& options);

}  // namespace kirvolt
