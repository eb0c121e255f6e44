#include "export/matrix_form.h"

#include <algorithm>
#include <vector>

#include "document/wording.h"
#include "equations/system_numbers.h"
#include "export/markup_text.h"

namespace kirvolt {
namespace {

using Column = std::vector<std::string>;

std::string blanks(std::size_t count) { return std::string(count, ' '); }

std::size_t widest(const Column& texts)
{
    std::size_t width = 0;
    for (const std::string& text : texts) {
        width = std::max(width, codePoints(text));
    }
    return width;
}

std::string paddedRight(const std::string& text, std::size_t width) { return text + blanks(width - codePoints(text)); }
std::string paddedLeft(const std::string& text, std::size_t width) { return blanks(width - codePoints(text)) + text; }

std::string centred(const std::string& text, std::size_t width)
{
    const std::size_t spare = width - codePoints(text);
    return blanks(spare / 2) + text + blanks(spare - spare / 2);
}

// The numbers of one column, their decimal points one above the other and the block centred
// under the heading when the heading is wider.
Column alignedOnPoint(const Column& numbers, const std::string& heading = {})
{
    Column wholes;
    Column fractions;
    for (const std::string& number : numbers) {
        const std::size_t point = std::min(number.find('.'), number.size());
        wholes.push_back(number.substr(0, point));
        fractions.push_back(number.substr(point));
    }
    const std::size_t wholeWidth = widest(wholes);
    const std::size_t fractionWidth = widest(fractions);
    const std::size_t width = std::max(wholeWidth + fractionWidth, codePoints(heading));
    Column cells;
    for (std::size_t k = 0; k < numbers.size(); ++k) {
        cells.push_back(centred(paddedLeft(wholes[k], wholeWidth) + paddedRight(fractions[k], fractionWidth), width));
    }
    return cells;
}

Column unknownTexts(const NamedSystem& system)
{
    Column texts;
    for (const Unknown& unknown : system.unknowns) {
        texts.push_back(unknown.symbol);
    }
    return texts;
}

std::string unknownsBlock(const NamedSystem& system, const Column& names)
{
    std::string text = "Unknowns (" + system.preamble + "):\n";
    const std::size_t width = widest(names);
    for (std::size_t k = 0; k < names.size(); ++k) {
        text += "  " + paddedRight(names[k], width) + "  " + system.unknowns[k].meaning + "\n";
    }
    return text;
}

// Each column of G is headed by the unknown it multiplies; the product and equals signs stand
// on the middle row.
std::string matrixBlock(const NamedSystem& system, const Column& names)
{
    const std::size_t n = names.size();
    std::vector<Column> columns;
    for (std::size_t column = 0; column < n; ++column) {
        Column numbers;
        for (std::size_t row = 0; row < n; ++row) {
            numbers.push_back(coefficientText(system.g[row][column]));
        }
        columns.push_back(alignedOnPoint(numbers, names[column]));
    }
    Column rightSide;
    for (const double value : system.b) {
        rightSide.push_back(rightSideText(value));
    }
    rightSide = alignedOnPoint(rightSide);
    const std::size_t nameWidth = widest(names);

    std::string text = "    ";
    for (std::size_t column = 0; column < n; ++column) {
        text += (column == 0 ? "" : "  ") + centred(names[column], codePoints(columns[column][0]));
    }
    text = text.substr(0, text.find_last_not_of(' ') + 1) + "\n";
    for (std::size_t row = 0; row < n; ++row) {
        const bool middle = row == (n - 1) / 2;
        text += "  [ ";
        for (std::size_t column = 0; column < n; ++column) {
            text += (column == 0 ? "" : "  ") + columns[column][row];
        }
        text += std::string(" ]") + (middle ? " \xC2\xB7 " : "   ") + "[ " + paddedRight(names[row], nameWidth) + " ]" +
                (middle ? " = " : "   ") + "[ " + rightSide[row] + " ]\n";
    }
    return text;
}

std::string solutionBlock(const NamedSystem& system, const Column& names)
{
    Column values;
    for (std::size_t k = 0; k < names.size(); ++k) {
        values.push_back(solutionText(system.x[k], system.unknowns[k]));
    }
    const std::size_t nameWidth = widest(names);
    const std::size_t valueWidth = widest(values);
    std::string text = "Solution:\n";
    for (std::size_t k = 0; k < names.size(); ++k) {
        text += "  " + paddedRight(names[k], nameWidth) + " = " + paddedLeft(values[k], valueWidth) + "\n";
    }
    return text;
}

}  // namespace

std::optional<std::string> matrixFormRefusal(int unknowns)
{
    if (unknowns <= MATRIX_FORM_LIMIT) {
        return std::nullopt;
    }
    return fillIn(wording("MatrixForm", "The matrix form is shown for systems of up to %1 unknowns; this circuit has %2."),
                  {std::to_string(MATRIX_FORM_LIMIT), std::to_string(unknowns)});
}

std::string matrixFormText(const NamedSystem& system)
{
    std::string text = system.title + " " + system.equationLetters(" \xC2\xB7 ") + "\n\n";
    if (system.unknowns.empty()) {
        return text + fillIn(wording("MatrixForm", "There are no unknowns: %1"), {system.emptyNote}) + "\n";
    }
    const Column names = unknownTexts(system);
    return text + unknownsBlock(system, names) + "\n" + matrixBlock(system, names) + "\n" + solutionBlock(system, names);
}

}  // namespace kirvolt
