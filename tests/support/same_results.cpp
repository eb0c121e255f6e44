#include "support/same_results.h"

#include <algorithm>
#include <cmath>
#include <sstream>

namespace kirvolt::testing {
namespace {

double largest(const CKirvoltDoc& doc, double CComponent::*field)
{
    double most = 0.0;
    for (const auto& c : doc.components) {
        most = std::max(most, std::abs((*c).*field));
    }
    return most;
}

}  // namespace

std::vector<std::string> paneTexts(const CKirvoltDoc& doc)
{
    std::vector<std::string> texts;
    for (const ResultsLine& line : doc.analysisResults) {
        texts.push_back(line.plainText());
    }
    return texts;
}

std::vector<std::string> paneTextsBeyondRounding(const CKirvoltDoc& doc)
{
    std::vector<std::string> texts;
    for (std::string text : paneTexts(doc)) {
        for (std::size_t at; (at = text.find("-0.00 ")) != std::string::npos;) {
            text.erase(at, 1);
        }
        if (text.ends_with(" = 0.00 A.")) {
            text = text.substr(0, text.find(':') + 1);
        }
        texts.push_back(text);
    }
    return texts;
}

std::string recordDifferences(const CKirvoltDoc& expected, const CKirvoltDoc& actual)
{
    if (expected.components.size() != actual.components.size()) {
        return "the record counts differ";
    }
    const double pdScale = std::max(largest(expected, &CComponent::pd), 1e-300);
    const double currentScale = std::max(largest(expected, &CComponent::current), 1e-300);
    std::ostringstream differences;
    differences.precision(17);
    for (std::size_t k = 0; k < expected.components.size(); ++k) {
        const CComponent& e = *expected.components[k];
        const CComponent& a = *actual.components[k];
        const auto compare = [&](const char* what, double x, double y, double scale) {
            if (!(std::abs(x - y) <= 1e-9 * scale)) {
                differences << e.label << ' ' << what << ": " << x << " against " << y << '\n';
            }
        };
        compare("p.d.", e.pd, a.pd, pdScale);
        compare("current", e.current, a.current, currentScale);
        compare("start voltage", e.startVoltage, a.startVoltage, pdScale);
    }
    return differences.str();
}

}  // namespace kirvolt::testing
