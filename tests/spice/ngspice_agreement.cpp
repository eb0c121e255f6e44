#include "ngspice_agreement.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "support/ngspice.h"

namespace kirvolt::testing {

double nodeVoltage(const CKirvoltDoc& doc, int node)
{
    for (const auto& c : doc.components) {
        if (c->startNode == node) {
            return c->startVoltage;
        }
        if (c->finishNode == node) {
            return c->finishVoltage;
        }
    }
    return 0.0;
}

void expectClose(double kirvolt, double spice, double scale, const std::string& what)
{
    EXPECT_NEAR(kirvolt, spice, agreementTolerance(kirvolt, spice, scale)) << what;
}

void expectAgreement(const CKirvoltDoc& doc, const CircuitNetlist& exported, const SpiceText& spice,
                     const std::map<std::string, double>& printed, const std::string& what)
{
    double scale = 0;
    for (const auto& [name, value] : printed) {
        scale = std::max(scale, std::abs(value));
    }
    for (std::size_t k = 0; k < exported.nodeNumbers.size(); ++k) {
        const std::optional<double> voltage = ngspiceVoltage(printed, spice.nodeNames[k]);
        ASSERT_TRUE(voltage) << what << " node " << spice.nodeNames[k];
        expectClose(nodeVoltage(doc, exported.nodeNumbers[k]), *voltage, scale, what + " node " + spice.nodeNames[k]);
    }
    std::size_t element = 0;
    for (const auto& c : doc.components) {
        if (!isBranchKind(c->kindCode)) {
            continue;
        }
        const std::string& name = spice.elementNames[element++];
        if (c->kindCode == KIND_VOLTAGE_SOURCE) {
            std::string key = name + "#branch";
            std::transform(key.begin(), key.end(), key.begin(), [](unsigned char ch) { return std::tolower(ch); });
            ASSERT_TRUE(printed.count(key)) << what << " " << key;
            expectClose(c->current, printed.at(key), scale, what + " " + name + " current");
        }
    }
}

}  // namespace kirvolt::testing
