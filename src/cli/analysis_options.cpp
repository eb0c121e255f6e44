#include "cli/analysis_options.h"

#include <charconv>

#include "analysis/loop_method.h"
#include "document/circuit_file.h"
#include "equations/equation_check.h"

namespace kirvolt::cli {

std::optional<int> parseInteger(const std::string& text)
{
    int number = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    if (error != std::errc() || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return number;
}

namespace {

std::string noSuchNodeMessage(const std::string& datum, int nodeCount)
{
    const std::string nodes = std::to_string(nodeCount) + (nodeCount == 1 ? " node" : " nodes");
    return "There is no node " + datum + " to take as the datum node: the circuit has " + nodes +
           (nodeCount >= 1 ? ", numbered 1 to " + std::to_string(nodeCount) + "." : ".");
}

}  // namespace

std::optional<std::vector<std::string>> treeNames(const std::string& text)
{
    std::vector<std::string> names;
    for (std::size_t from = 0;;) {
        const std::size_t comma = text.find(',', from);
        names.push_back(text.substr(from, comma == std::string::npos ? std::string::npos : comma - from));
        if (names.back().empty()) {
            return std::nullopt;
        }
        if (comma == std::string::npos) {
            return names;
        }
        from = comma + 1;
    }
}

std::optional<AnalysisOptions> parseAnalysisOptions(const Arguments& arguments, bool offersSave, const MethodList& methods)
{
    AnalysisOptions options;
    options.methods = &methods;
    bool haveFile = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        const bool hasNext = i + 1 < arguments.size();
        if (argument == "--json" && !options.json) {
            options.json = true;
        } else if (argument == "--datum" && hasNext && !options.datum) {
            options.datum = arguments[++i];
        } else if (argument == "--method" && hasNext && !options.method) {
            options.method = arguments[++i];
        } else if (argument == "--tree" && hasNext && !options.overTree) {
            std::optional<std::vector<std::string>> names = treeNames(arguments[++i]);
            if (!names) {
                return std::nullopt;
            }
            options.overTree = std::make_shared<const LoopMethod>(std::move(*names));
        } else if (argument == "--save" && offersSave && hasNext && !options.saveAs) {
            options.saveAs = arguments[++i];
        } else if (!argument.starts_with("--") && !haveFile) {
            options.file = argument;
            haveFile = true;
        } else {
            return std::nullopt;
        }
    }
    // Only the loop current method has a tree to choose.
    if (options.overTree && options.method != options.overTree->name()) {
        return std::nullopt;
    }
    return haveFile ? std::optional(options) : std::nullopt;
}

const AnalysisMethod* chosenMethod(const AnalysisOptions& options)
{
    if (options.overTree) {
        return options.overTree.get();
    }
    return options.method ? options.methods->named(*options.method) : &options.methods->first();
}

int loadAndAnalyse(const AnalysisOptions& options, CKirvoltDoc& doc, UserPort& port)
{
    AnalysisOutcome outcome;
    return loadAndAnalyse(options, doc, port, outcome);
}

int loadAndAnalyse(const AnalysisOptions& options, CKirvoltDoc& doc, UserPort& port, AnalysisOutcome& outcome)
{
    const AnalysisMethod* method = chosenMethod(options);
    if (!method) {
        port.showMessage("kirvolt-cli: unknown method '" + options.method.value_or("") +
                         "'; the methods are: " + options.methods->names());
        return BAD_USAGE;
    }
    doc.setPort(&port);
    if (const int status = fileStatus(loadCircuit(options.file, doc), port)) {
        return status;
    }
    // The nodes are built first so that a datum that names none is refused instead of
    // quietly becoming node 1; an empty circuit is left to the analysis to refuse.
    // A name that is a number is never another node's number, so the name is looked for first.
    if (options.datum) {
        std::optional<int> datum;
        if (!doc.components.empty()) {
            prepareNumbering(doc);
            datum = nodeNamed(doc, *options.datum);
        }
        if (!datum) {
            datum = parseInteger(*options.datum);
        }
        if (!datum || (!doc.components.empty() && !doc.isNode(*datum))) {
            port.showMessage(noSuchNodeMessage(*options.datum, doc.nodeCount));
            return EXIT_FAILED;
        }
        doc.datumNode = *datum;
    }
    doc.analysisMethod = method->name();
    outcome = analyseCircuit(doc, *method);
    showOutcome(doc, outcome);
    if (!outcome) {
        port.showMessage(outcome.refusal->message);
        return EXIT_REFUSED;
    }
    return 0;
}

}  // namespace kirvolt::cli
