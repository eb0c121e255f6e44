#include "equations/relation_lines.h"

#include "document/format_value.h"
#include "equations/equation_text.h"
#include "equations/term_texts.h"

namespace kirvolt {
namespace {

// The source's name without the sign that tells which way the path crosses it.
std::string bare(const std::string& signedName)
{
    return signedName.empty() ? signedName : signedName.substr(1);
}

std::string step(const SourcePath& path, int j, const std::string& separator)
{
    if (path.emfs[static_cast<std::size_t>(j)] >= 0.0) {
        return bare(path.texts[static_cast<std::size_t>(j)]) + separator;
    }
    return " ( " + path.texts[static_cast<std::size_t>(j)] + " )" + separator;
}

std::string valueStep(const SourcePath& path, int j, const std::string& unit, const std::string& separator)
{
    const double emf = path.emfs[static_cast<std::size_t>(j)];
    if (emf >= 0.0) {
        return FormatValue(emf, 2) + unit + separator;
    }
    return " ( " + FormatValue(emf, 2) + unit + " )" + separator;
}

// «E1 , E2 .» for a path through two sources.
std::string sourceList(const SourcePath& path)
{
    std::string text;
    for (int j = 2; j <= path.length; ++j) {
        text += bare(path.texts[static_cast<std::size_t>(j)]) + " , ";
    }
    return cutAtLastChar(text, ',') + ".";
}

double emfSum(const SourcePath& path)
{
    double sum = 0.0;
    for (int j = 2; j <= path.length; ++j) {
        sum += path.emfs[static_cast<std::size_t>(j)];
    }
    return sum;
}

// A single source of positive EMF needs no summing on line 5.
bool singlePositiveStep(const SourcePath& path)
{
    return path.length == 2 && path.emfs[2] >= 0.0;
}

// Without a path there is no relation; lines from an earlier circuit must not stand under
// the error.
void markCalculationError(std::array<std::string, CKirvoltDoc::EQUATION_LINES + 1>& lines)
{
    lines[1] = "Error in calculation";
    for (int line = 2; line <= 5; ++line) {
        lines[static_cast<std::size_t>(line)].clear();
    }
}

}  // namespace

void writeDatumRelation(CKirvoltDoc& doc, int node, const SourcePath& path)
{
    auto& lines = equationLinesAt(doc, node);
    if (path.length < 2) {
        markCalculationError(lines);
        return;
    }
    lines[1] = path.length == 2
                   ? "This node is directly connected to the datum node via the Voltage Source  " +
                         bare(path.texts[2]) + "."
                   : "This node is connected to the datum node through the Voltage Sources:  " + sourceList(path);
    const std::string head = voltageName(doc, node) + "  =  ";
    std::string names = head;
    std::string values = head;
    for (int j = 2; j <= path.length; ++j) {
        names += step(path, j, " + ");
        values += valueStep(path, j, "V", " + ");
    }
    lines[3] = cutAtLastChar(names, '+');
    lines[4] = cutAtLastChar(values, '+');
    lines[5] = singlePositiveStep(path) ? lines[4] : head + FormatValue(emfSum(path), 2) + "V";
    lines[2] = lines[3];
}

void writeMemberRelation(CKirvoltDoc& doc, int node, int first, const SourcePath& path)
{
    auto& lines = equationLinesAt(doc, node);
    if (path.length < 2) {
        markCalculationError(lines);
        return;
    }
    lines[1] = path.length == 2
                   ? "This node is connected to the first macro node via the Voltage Source  " +
                         bare(path.texts[2]) + "."
                   : "This node is connected to the first macro node through the Voltage Sources:  " +
                         sourceList(path);
    const std::string head = voltageName(doc, node) + "  =  ";
    const std::string firstVoltage = voltageName(doc, first);
    std::string names = head;
    std::string values = head;
    for (int j = 2; j <= path.length; ++j) {
        names += step(path, j, "  +  ");
        values += valueStep(path, j, "", "  +  ");
    }
    lines[3] = names + firstVoltage;
    lines[4] = values + firstVoltage;
    lines[5] = singlePositiveStep(path) ? lines[4]
                                        : head + FormatValue(emfSum(path), 2) + "  +  " + firstVoltage;
    lines[2] = lines[3];
}

}  // namespace kirvolt
