#include "export/html_report.h"

#include <string_view>
#include <utility>
#include <vector>

#include "document/blank_text.h"
#include "document/wording.h"
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

// A table with one row of headings; every cell is text to escape.
std::string table(const std::vector<std::string>& headings, const std::vector<std::vector<std::string>>& rows)
{
    std::string html = "<table class=\"nodes\">\n<tr>";
    for (const std::string& heading : headings) {
        html += "<th>" + markupEscaped(heading) + "</th>";
    }
    html += "</tr>\n";
    for (const auto& row : rows) {
        html += "<tr>";
        for (const std::string& text : row) {
            html += "<td>" + markupEscaped(text) + "</td>";
        }
        html += "</tr>\n";
    }
    return html + "</table>\n";
}

std::string listed(const std::vector<std::string>& items)
{
    std::string text;
    for (const std::string& item : items) {
        text += (text.empty() ? "" : ", ") + item;
    }
    return text;
}

std::string nodesSection(const WorkedSolution& solution)
{
    std::vector<std::vector<std::string>> rows;
    for (const NodeJoints& node : solution.nodes) {
        const std::string number = std::to_string(node.node);
        rows.push_back({node.node == solution.datumNode ? fillIn(wording("Report", "%1 (datum)"), {number}) : number, node.name,
                        listed(node.joints)});
    }
    return "<h2>" + markupEscaped(wording("Report", "Nodes")) + "</h2>\n<p>" +
           markupEscaped(fillIn(wording("Report", "The datum node is node %1, at 0 V."), {solution.datumName})) + "</p>\n" +
           table({wording("Report", "Node"), wording("Report", "Name"), wording("Report", "Joints (grid position)")}, rows);
}

std::string meshesSection(const WorkedSolution& solution)
{
    if (solution.meshes.empty()) {
        return "";
    }
    std::vector<std::vector<std::string>> rows;
    for (const MeshEntry& mesh : solution.meshes) {
        rows.push_back({std::to_string(mesh.mesh), mesh.current, mesh.corner, listed(mesh.elements)});
    }
    return "<h2>" + markupEscaped(wording("Report", "Meshes")) + "</h2>\n<p>" + markupEscaped(wording("Report", "Each mesh current runs clockwise round its mesh.")) + "</p>\n" +
           table({wording("Report", "Mesh"), wording("Report", "Current"), wording("Report", "Top-left corner (grid position)"),
                  wording("Report", "Elements clockwise from the corner")},
                 rows);
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

// Each block reads as the equations command prints it: "Node n:" or "Mesh k:" and its lines.
std::string equationsSection(const WorkedSolution& solution)
{
    if (!solution.equationsStopped.empty()) {
        return "<h2>Equations</h2>\n<p>" + markupEscaped(solution.equationsStopped) + "</p>\n";
    }
    if (solution.equations.empty()) {
        return "";
    }
    std::string html = "<h2>" + markupEscaped(solution.equationsTitle) + "</h2>\n";
    for (const EquationBlock& block : solution.equations) {
        html += pre(lines(block.heading, shownOnce(block.lines)));
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
    html += "<th></th><th>" + markupEscaped(system.unknownsLetter) + "</th><th></th><th>" + markupEscaped(system.knownsLetter) +
            "</th></tr>\n";
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

// A check's block: its heading, each term and its value on a line, then their sum.
std::string checkBlock(const std::string& heading, const std::vector<std::pair<std::string, std::string>>& terms, const std::string& sum)
{
    std::string text = heading;
    for (const auto& [term, value] : terms) {
        text += "\n  " + term + ": " + value;
    }
    return pre(text + "\n  Sum: " + sum);
}

std::string checksSection(const WorkedSolution& solution)
{
    if (!solution.voltageChecks.empty()) {
        std::string html = "<h2>" + markupEscaped(wording("Report", "Check: the voltage drops clockwise round each mesh sum to zero")) + "</h2>\n";
        for (const VoltageCheck& check : solution.voltageChecks) {
            std::vector<std::pair<std::string, std::string>> terms;
            for (const VoltageDrop& drop : check.drops) {
                terms.emplace_back(drop.term, checkVoltageText(drop.volts));
            }
            html += checkBlock(check.heading, terms, checkSumText(check));
        }
        return html;
    }
    if (!solution.meshes.empty()) {
        return "";
    }
    std::string html = "<h2>" + markupEscaped(wording("Report", "Check: the currents leaving each node sum to zero")) + "</h2>\n";
    for (const CurrentCheck& check : solution.checks) {
        std::vector<std::pair<std::string, std::string>> terms;
        for (const LeavingCurrent& current : check.currents) {
            terms.emplace_back(fillIn(wording("Report", "%1 to node %2"), {current.element, current.towardsName}),
                               checkCurrentText(current.amperes));
        }
        html += checkBlock(fillIn(wording("Report", "Node %1:"), {check.name}), terms, checkSumText(check));
    }
    return html;
}

std::string requestedSections(const WorkedSolution& solution)
{
    std::string html;
    for (const WorkedSection& section : solution.sections) {
        html += "<h2>" + markupEscaped(section.title) + "</h2>\n" + pre(lines("", section.lines));
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
    std::string html = "<h2>" + markupEscaped(wording("Report", "The circuit")) + "</h2>\n" + pictureBlock(pictureMarkup);
    html += nodesSection(solution);
    html += meshesSection(solution);
    html += equationsSection(solution);
    html += systemSection(solution.system);
    html += "<h2>" + markupEscaped(wording("Report", "Results")) + "</h2>\n" + pre(lines("", solution.results));
    return html + checksSection(solution) + requestedSections(solution);
}

std::string htmlReport(const WorkedSolution& solution, const std::string& pictureMarkup)
{
    const std::string title = markupEscaped(fillIn(wording("Report", "Worked solution: %1"), {solution.circuitName}));
    return htmlPageStart(title) + "<h1>" + title + "</h1>\n" + reportSections(solution, pictureMarkup) + HTML_PAGE_END;
}

}  // namespace kirvolt

namespace kirvolt {

std::string standaloneHtmlReport(const CKirvoltDoc& doc, const WorkedSolution& solution)
{
    return htmlReport(solution, circuitSvgElement(doc, REPORT_PICTURE).value_or(""));
}

}  // namespace kirvolt
