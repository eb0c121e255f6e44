#pragma once

#include <QSizeF>

class QTextDocument;

namespace kirvolt {

// An A4 page as a report is laid out on it, in the text's own pixels: the page, and the room
// between the margins.
QSizeF reportPageSize();

// Lays a report's text out on A4 pages as it will be printed: each monospaced block set small
// enough that its rules (lines of hyphens) stay on one line, and each heading that would stand
// last on its page moved to the next, so that it stays with what it heads.
void paginateReport(QTextDocument& text);

}  // namespace kirvolt
