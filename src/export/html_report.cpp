#include "export/html_report.h"

#include <string_view>
#include <vector>

#include "document/blank_text.h"
#include "equations/system_numbers.h"
#include "export/markup_text.h"

namespace kirvolt {
namespace {

constexpr const char* STYLE =
    "body { font-family: sans-serif; margin: 2em; color: #000; background: #fff; }\n"
    "h1 { font-size: 160%; } h2 { font-size: 125%; margin-top: 1.5em; } h3 { font-size: 105%; }\n"
    "pre { font-family: monospace; white-space: pre-wrap; margin: 0.3em 0 0.8em 0; }\n"
    "table { border-collapse: collapse; }\n"
    "td, th { padding: 2px 8px; }\n"
    "table.nodes td, table.nodes th { border: 1px solid #999; text-align: left; }\n"
    "table.matrix td, table.matrix th { font-family: monospace; text-align: right; }\n"
    "table.matrix td.g { background: #f0f0f0; }\n"
    "td.sign { text-align: center; }\n"
    ".picture { margin: 1em 0; }\n";

std::string lines(const std::string& first, const auto& rest)
{
    std::string block = first;
    for (const std::string& line : rest) {
        block += (block.empty() ? "" : "\n") + line;
    }
    return block;
}

std::string pre(const std::string& text) { return "<pre>" + markupEscaped(text) + "</pre>\n"; }

std::string nodesSection(const WorkedSolution& solution)
{
    std::string html = "<h2>Nodes</h2>\n<p>The datum node is node " + markupEscaped(solution.datumName) +
                       ", at 0 V.</p>\n<table class=\"nodes\">\n<tr><th>Node</th><th>Name</th><th>Joints (grid position)</th></tr>\n";
    for (const NodeJoints& node : solution.nodes) {
        std::string joints;
        for (const std::string& joint : node.joints) {
            joints += (joints.empty() ? "" : ", ") + joint;
        }
        html += "<tr><td>" + std::to_string(node.node) + (node.node == solution.datumNode ? " (datum)" : "") + "</td><td>" +
                markupEscaped(node.name) + "</td><td>" + markupEscaped(joints) + "</td></tr>\n";
    }
    return html + "</table>\n";
}

// The datum's and a tied node's equation texts say the same thing on several lines (the names,
// then the values, each twice): the report shows each such line once, and no blank lines.
std::vector<std::string> shownOnce(const auto& equationLines)
{
    std::vector<std::string> shown;
    for (const std::string& line : equationLines) {
        const std::string_view text = trimmed(line);
        if (!text.empty() && (shown.empty() || trimmed(shown.back()) != text)) {
            shown.push_back(line);
        }
    }
    return shown;
}

// Each node's block reads as the equations command prints it: "Node n:" and its lines.
std::string equationsSection(const WorkedSolution& solution)
{
    std::string html = "<h2>Node equations</h2>\n";
    for (const NodeEquations& node : solution.equations) {
        html += pre(lines("Node " + node.name + ":", shownOnce(node.lines)));
    }
    return html;
}

std::string cell(const std::string& text, const char* type = nullptr)
{
    return type ? "<td class=\"" + std::string(type) + "\">" + text + "</td>" : "<td>" + text + "</td>";
}

std::string systemSection(const NamedSystem& system)
{
    std::string html = "<h2>" + markupEscaped(system.title + " ") + system.equationLetters(" &#183; ") + "</h2>\n<table class=\"matrix\">\n";
    const std::size_t n = system.unknowns.size();
    // Each column of G is headed by the unknown it multiplies.
    html += "<tr>";
    for (const Unknown& unknown : system.unknowns) {
        html += "<th>" + markupEscaped(unknown.symbol) + "</th>";
    }
    html += "<th></th><th>x</th><th></th><th>b</th></tr>\n";
    for (std::size_t row = 0; row < n; ++row) {
        html += "<tr>";
        for (std::size_t column = 0; column < n; ++column) {
            html += cell(coefficientText(system.g[row][column]), "g");
        }
        const bool middle = row == (n - 1) / 2;
        html += cell(middle ? "&#183;" : "", "sign") + cell(markupEscaped(system.unknowns[row].symbol)) + cell(middle ? "=" : "", "sign") +
                cell(rightSideText(system.b[row])) + "</tr>\n";
    }
    html += "</table>\n<h3>Solution</h3>\n";
    std::string solution;
    for (std::size_t k = 0; k < n; ++k) {
        const Unknown& unknown = system.unknowns[k];
        solution += (k == 0 ? "" : "\n") + unknown.symbol + " = " + solutionText(system.x[k], unknown);
    }
    return html + pre(solution);
}

std::string checksSection(const WorkedSolution& solution)
{
    std::string html = "<h2>Check: the currents leaving each node sum to zero</h2>\n";
    for (const CurrentCheck& check : solution.checks) {
        std::string text = "Node " + check.name + ":";
        for (const LeavingCurrent& current : check.currents) {
            text += "\n  " + current.element + " to node " + current.towardsName + ": " + checkCurrentText(current.amperes);
        }
        html += pre(text + "\n  Sum: " + checkSumText(check));
    }
    return html;
}

}  // namespace

std::string htmlPageStart(const std::string& escapedTitle)
{
    return "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n<title>" + escapedTitle + "</title>\n<style>\n" +
           STYLE + "</style>\n</head>\n<body>\n";
}

std::string pictureBlock(const std::string& pictureMarkup)
{
    return "<div class=\"picture\">\n" + pictureMarkup + "</div>\n";
}

std::string reportSections(const WorkedSolution& solution, const std::string& pictureMarkup)
{
    std::string html = "<h2>The circuit</h2>\n" + pictureBlock(pictureMarkup);
    html += nodesSection(solution);
    html += equationsSection(solution);
    html += systemSection(solution.system);
    html += "<h2>Results</h2>\n" + pre(lines("", solution.results));
    return html + checksSection(solution);
}

std::string htmlReport(const WorkedSolution& solution, const std::string& pictureMarkup)
{
    const std::string title = "Worked solution: " + markupEscaped(solution.circuitName);
    return htmlPageStart(title) + "<h1>" + title + "</h1>\n" + reportSections(solution, pictureMarkup) + HTML_PAGE_END;
}

}  // namespace kirvolt

namespace kirvolt {

std::string standaloneHtmlReport(const CKirvoltDoc& doc, const WorkedSolution& solution)
{
    return htmlReport(solution, circuitSvgElement(doc, REPORT_PICTURE).value_or(""));
}

}  // namespace kirvolt
