#include <cstdint>

#include "equations/system_numbers.h"
#include "export/markup_text.h"
#include "export/matrix_form.h"

namespace kirvolt {
namespace {

// amsmath's matrices take ten columns unless told otherwise.
constexpr std::size_t AMSMATH_MATRIX_COLUMNS = 10;

// A name as text inside math: LaTeX's special characters escaped, control characters dropped
// and bytes that are not UTF-8 (a damaged file's label) as "?", so that the fragment compiles.
std::string latexText(std::string_view text)
{
    std::string out;
    for (std::size_t i = 0; i < text.size();) {
        const char ch = text[i];
        const auto byte = static_cast<std::uint8_t>(ch);
        if (byte >= 0x80) {
            const std::size_t length = utf8SequenceLength(text, i);
            out += length == 0 ? "?" : text.substr(i, length);
            i += length == 0 ? 1 : length;
            continue;
        }
        switch (ch) {
        case '\\': out += "\\textbackslash{}"; break;
        case '^': out += "\\textasciicircum{}"; break;
        case '~': out += "\\textasciitilde{}"; break;
        case '{': case '}': case '$': case '&': case '#': case '%': case '_':
            out += '\\';
            out += ch;
            break;
        default:
            if (byte >= 0x20 && byte != 0x7F) {
                out += ch;
            }
        }
        ++i;
    }
    return out;
}

// V_{\text{2}}, I_{\text{E1}}: the letter of the quantity with the name as its subscript.
std::string latexUnknown(const Unknown& unknown)
{
    return unknown.letter + "_{\\text{" + latexText(unknown.name) + "}}";
}

std::string bmatrix(const std::vector<std::string>& rows, const std::string& label)
{
    std::string text = "\\underbrace{\\begin{bmatrix}\n";
    for (std::size_t row = 0; row < rows.size(); ++row) {
        text += rows[row] + (row + 1 < rows.size() ? " \\\\\n" : "\n");
    }
    return text + "\\end{bmatrix}}_{" + label + "}\n";
}

std::string matrixEquation(const NamedSystem& system)
{
    const std::size_t n = system.unknowns.size();
    std::vector<std::string> g(n);
    std::vector<std::string> x(n);
    std::vector<std::string> b(n);
    for (std::size_t row = 0; row < n; ++row) {
        for (std::size_t column = 0; column < n; ++column) {
            g[row] += (column == 0 ? "" : " & ") + coefficientText(system.g[row][column]);
        }
        x[row] = latexUnknown(system.unknowns[row]);
        b[row] = rightSideText(system.b[row]);
    }
    std::string text = n > AMSMATH_MATRIX_COLUMNS ? "\\setcounter{MaxMatrixCols}{" + std::to_string(n) + "}\n" : "";
    return text + "\\[\n" + system.equationLetters("\\,") + ":\\qquad\n" + bmatrix(g, system.matrixLetter) + "\\,\n" +
           bmatrix(x, system.unknownsLetter) + "=\n" + bmatrix(b, system.knownsLetter) + "\\]\n";
}

// "1.74 mA" as 1.74\,\mathrm{mA}, the micro sign as TeX's.
std::string latexQuantity(const std::string& quantity)
{
    const std::size_t blank = quantity.rfind(' ');
    std::string unit = quantity.substr(blank + 1);
    if (unit.starts_with("\xC2\xB5")) {
        unit = "\\mu " + unit.substr(2);
    }
    return quantity.substr(0, blank) + "\\,\\mathrm{" + unit + "}";
}

std::string solution(const NamedSystem& system)
{
    std::string text = "\\[\n\\begin{aligned}\n";
    for (std::size_t k = 0; k < system.unknowns.size(); ++k) {
        const Unknown& unknown = system.unknowns[k];
        text += latexUnknown(unknown) + " &= " + latexQuantity(solutionText(system.x[k], unknown)) +
                (k + 1 < system.unknowns.size() ? " \\\\\n" : "\n");
    }
    return text + "\\end{aligned}\n\\]\n";
}

}  // namespace

std::string matrixFormLatex(const NamedSystem& system)
{
    if (system.unknowns.empty()) {
        return "\\[\n" + system.equationLetters("\\,") + ":\\qquad\\text{no unknowns}\n\\]\n";
    }
    return matrixEquation(system) + solution(system);
}

}  // namespace kirvolt
