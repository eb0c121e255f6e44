#include "analysis/known_methods.h"

#include <algorithm>

#include "analysis/loop_method.h"
#include "analysis/mesh_method.h"
#include "analysis/nodal_solver.h"
#include "document/text_lists.h"

namespace kirvolt {

const std::vector<const AnalysisMethod*>& knownMethods()
{
    static const std::vector<const AnalysisMethod*> methods{&nodalMethod(), &meshMethod(), &loopMethod()};
    return methods;
}

const AnalysisMethod* methodNamed(std::string_view name)
{
    const auto& methods = knownMethods();
    const auto found = std::find_if(methods.begin(), methods.end(), [name](const AnalysisMethod* m) { return m->name() == name; });
    return found == methods.end() ? nullptr : *found;
}

const AnalysisMethod& methodOf(const CKirvoltDoc& doc)
{
    const AnalysisMethod* chosen = methodNamed(doc.analysisMethod);
    return chosen ? *chosen : *knownMethods().front();
}

std::string knownMethodNames()
{
    std::vector<std::string> names;
    for (const AnalysisMethod* method : knownMethods()) {
        names.push_back(method->name());
    }
    return joinWith(names, ", ");
}

}  // namespace kirvolt
