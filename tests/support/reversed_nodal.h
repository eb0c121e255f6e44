#pragma once

#include <algorithm>

#include "analysis/nodal_solver.h"
#include "equations/method_equations.h"

namespace kirvolt::testing {

// A second method over the same circuits, which the writers of a system were not written for:
// the node voltage method's system with its unknowns and its equations in the reverse order.
class ReversedNodal final : public AnalysisMethod {
public:
    std::string name() const override { return "reversed"; }
    int unknownCount(const CKirvoltDoc& doc) const override { return nodalMethod().unknownCount(doc); }
    std::variant<MethodSolution, Explanation> solve(const CKirvoltDoc& doc) const override
    {
        return nodalMethod().solve(doc);
    }
    NamedSystem namedSystem(CKirvoltDoc& doc) const override
    {
        NamedSystem system = nodalMethod().namedSystem(doc);
        system.title = "The reversed nodal system";
        std::ranges::reverse(system.unknowns);
        std::ranges::reverse(system.g);
        for (auto& row : system.g) {
            std::ranges::reverse(row);
        }
        std::ranges::reverse(system.b);
        std::ranges::reverse(system.x);
        return system;
    }
};

// Its equations are the node voltage method's, listed in its own order of unknowns.
class ReversedNodalEquations final : public MethodEquations {
public:
    const AnalysisMethod& method() const override { return reversed; }
    std::variant<EquationList, Explanation> write(CKirvoltDoc& doc) const override
    {
        auto written = nodalEquations().write(doc);
        if (auto* list = std::get_if<EquationList>(&written)) {
            std::ranges::reverse(list->blocks);
        }
        return written;
    }
    std::vector<NodeEquationStep> showAt(CKirvoltDoc& doc, Point point) const override
    {
        return nodalEquations().showAt(doc, point);
    }

private:
    ReversedNodal reversed;
};

}  // namespace kirvolt::testing
