#pragma once

#include <string>
#include <vector>

#include "analysis/analysis_method.h"
#include "analysis/traced_loop_system.h"

namespace kirvolt {

// The loop current method over loops of one's own choosing, as a student traces them: loop k
// carries I_k in the direction it was traced, and the rows are buildTracedLoopSystem's. The
// branch currents give every element its p.d. and current as the other methods do.
class TracedLoopMethod final : public AnalysisMethod {
public:
    explicit TracedLoopMethod(std::vector<std::vector<LoopStep>> loops) : traced(std::move(loops)) {}

    std::string name() const override { return "loop"; }
    int unknownCount(const CKirvoltDoc&) const override { return static_cast<int>(traced.size()); }
    std::variant<MethodSolution, Explanation> solve(const CKirvoltDoc& doc) const override;
    NamedSystem namedSystem(CKirvoltDoc& doc) const override;

private:
    std::vector<std::vector<LoopStep>> traced;
};

// The current of traced loop k, as every text names it: «I2».
std::string tracedLoopCurrentName(int loop);

// The currents of the system's loops, [k - 1] for loop k, or none when elimination finds no pivot.
std::optional<std::vector<double>> solveTracedLoops(const TracedLoopSystem& system);

}  // namespace kirvolt
