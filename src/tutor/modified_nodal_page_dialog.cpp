#include "tutor/modified_nodal_page_dialog.h"

#include <algorithm>

#include <QFontMetrics>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "equations/system_numbers.h"

namespace kirvolt {

namespace {

// The entries an element wrote stand out as the element does on the drawing.
const QColor CHANGED_BACKGROUND(255, 215, 215);

QString stepTitle(int step)
{
    switch (step) {
    case 1:
        return ModifiedNodalPageDialog::tr("\n\n          Name the unknowns.");
    case 2:
        return ModifiedNodalPageDialog::tr("\n\n          Add each element to G and b.");
    default:
        return ModifiedNodalPageDialog::tr("\n\n          Solve the system.");
    }
}

QTableWidget* tableOf(const ModifiedNodalLesson& lesson, const ModifiedNodalPage& page, QWidget* parent)
{
    const int n = static_cast<int>(page.b.size());
    auto* table = new QTableWidget(n, n + 1, parent);
    table->setObjectName(QStringLiteral("system"));
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionMode(QAbstractItemView::NoSelection);
    table->setFocusPolicy(Qt::NoFocus);
    QStringList columns;
    for (const std::string& column : lesson.columns) {
        columns.append(QString::fromStdString(column));
    }
    columns.append(QStringLiteral("b"));
    table->setHorizontalHeaderLabels(columns);
    QStringList rows;
    for (const std::string& row : lesson.rows) {
        rows.append(QString::fromStdString(row));
    }
    table->setVerticalHeaderLabels(rows);
    for (int r = 0; r < n; ++r) {
        const auto row = static_cast<std::size_t>(r);
        for (int c = 0; c <= n; ++c) {
            const auto column = static_cast<std::size_t>(c);
            const std::string text = c < n ? coefficientText(page.g[row][column]) : rightSideText(page.b[row]);
            auto* item = new QTableWidgetItem(QString::fromStdString(text));
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            if (page.isChanged(row, column)) {
                QFont bold = item->font();
                bold.setBold(true);
                item->setFont(bold);
                item->setBackground(CHANGED_BACKGROUND);
            }
            table->setItem(r, c, item);
        }
    }
    table->resizeColumnsToContents();
    table->resizeRowsToContents();
    // Every page's columns are as wide as the finished system needs, so the matrix keeps its
    // shape from window to window while it fills.
    QFont bold = table->font();
    bold.setBold(true);
    const QFontMetrics metrics(bold);
    const ModifiedNodalPage& finished = lesson.pages.back();
    for (int c = 0; c <= n; ++c) {
        int widest = table->columnWidth(c);
        for (int r = 0; r < n; ++r) {
            const auto row = static_cast<std::size_t>(r);
            const std::string text = c < n ? coefficientText(finished.g[row][static_cast<std::size_t>(c)])
                                           : rightSideText(finished.b[row]);
            widest = std::max(widest, metrics.horizontalAdvance(QString::fromStdString(text)) + 2 * metrics.averageCharWidth());
        }
        table->setColumnWidth(c, widest);
    }
    // Shown whole, without scroll bars: the tutor's limit keeps it a readable size.
    table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    int width = table->verticalHeader()->sizeHint().width() + 2 * table->frameWidth();
    for (int c = 0; c <= n; ++c) {
        width += table->columnWidth(c);
    }
    int height = table->horizontalHeader()->sizeHint().height() + 2 * table->frameWidth();
    for (int r = 0; r < n; ++r) {
        height += table->rowHeight(r);
    }
    table->setFixedSize(width, height);
    return table;
}

}  // namespace

ModifiedNodalPageDialog::ModifiedNodalPageDialog(const ModifiedNodalLesson& lesson, const ModifiedNodalPage& page,
                                                 QWidget* parent)
    : TutorDialog(parent), table(tableOf(lesson, page, this))
{
    setWindowTitle(tr("Modified Nodal Analysis Tutor"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(headingLabel(tr("Step %1 of 3 for Modified Nodal Analysis:").arg(page.step)));
    layout->addWidget(textLabel(stepTitle(page.step)));
    layout->addSpacing(fontMetrics().height());

    QLabel* text = textLabel(QString::fromStdString(page.text), true);
    text->setObjectName(QStringLiteral("pageText"));
    text->setFrameShape(QFrame::StyledPanel);
    text->setMargin(fontMetrics().averageCharWidth());
    text->setMinimumWidth(std::max(fontMetrics().averageCharWidth() * 60, table->width()));
    layout->addWidget(text);
    layout->addSpacing(fontMetrics().height());
    layout->addWidget(textLabel(tr("G \u00b7 x = b:")));
    layout->addWidget(table, 0, Qt::AlignLeft);

    auto* next = new QPushButton(page.last ? tr("Finish") : tr("Next"), this);
    auto* cancel = new QPushButton(tr("Cancel"), this);
    next->setDefault(true);
    connect(next, &QPushButton::clicked, this, &ModifiedNodalPageDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &ModifiedNodalPageDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(next);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);
}

}  // namespace kirvolt
