#include "cli/analysis_options.h"
#include "cli/json_writer.h"
#include "theorems/thevenin_text.h"

namespace kirvolt::cli {
namespace {

// Takes --between A B and --load NAME out of the arguments, leaving those of an analysis.
std::optional<TheveninQuestion> takeQuestion(Arguments& arguments)
{
    TheveninQuestion question;
    for (std::size_t i = 0; i < arguments.size();) {
        if (arguments[i] == "--between" && i + 2 < arguments.size() && !question.a) {
            question.a = arguments[i + 1];
            question.b = arguments[i + 2];
            arguments.erase(arguments.begin() + static_cast<std::ptrdiff_t>(i), arguments.begin() + static_cast<std::ptrdiff_t>(i) + 3);
        } else if (arguments[i] == "--load" && i + 1 < arguments.size() && !question.load) {
            question.load = arguments[i + 1];
            arguments.erase(arguments.begin() + static_cast<std::ptrdiff_t>(i), arguments.begin() + static_cast<std::ptrdiff_t>(i) + 2);
        } else {
            ++i;
        }
    }
    if (!question.a && !question.load) {
        return std::nullopt;
    }
    return question;
}

void writeNumber(JsonWriter& json, std::string_view name, const std::optional<double>& number)
{
    json.key(name);
    if (number) {
        json.value(*number);
    } else {
        json.null();
    }
}

int runThevenin(const Arguments& given, std::ostream& out, UserPort& port, const MethodList&)
{
    Arguments arguments = given;
    const std::optional<TheveninQuestion> question = takeQuestion(arguments);
    const std::optional<AnalysisOptions> options = parseAnalysisOptions(arguments, false);
    if (!question || !options || options->method) {
        return BAD_USAGE;
    }
    CKirvoltDoc doc;
    if (const int status = loadAndAnalyse(*options, doc, port); status != 0) {
        return status;
    }
    std::variant<TheveninStudy, std::string> answer = studyThevenin(doc, *question);
    if (const auto* refusal = std::get_if<std::string>(&answer)) {
        port.showMessage(*refusal);
        return EXIT_REFUSED;
    }
    TheveninStudy& study = std::get<TheveninStudy>(answer);
    if (options->json) {
        JsonWriter json(out);
        json.beginObject();
        writeNumber(json, "vth", study.vth);
        writeNumber(json, "rth", study.rth);
        writeNumber(json, "in", study.in);
        json.endObject();
        out << '\n';
    } else {
        for (const std::string& line : theveninSteps(study)) {
            out << line << '\n';
        }
    }
    return 0;
}

}  // namespace

const Command theveninCommand = {
    "thevenin",
    "thevenin FILE [--between A B] [--load NAME] [--datum N] [--json]",
    "      Finds the Th\xC3\xA9venin and Norton equivalents of the circuit in FILE between the\n"
    "      nodes named A and B, or as seen by the resistor NAME, which is taken out (its\n"
    "      start node A, its finish node B, unless --between names others), and prints the\n"
    "      worked solution. --json prints {\"vth\": ..., \"rth\": ..., \"in\": ...} instead: the\n"
    "      voltage of A with respect to B in volts, the resistance in ohms and the current\n"
    "      from A to B through a short in amperes, null where an equivalent does not exist.\n"
    "      A circuit the analysis refuses, or a name that is no node or resistor of it,\n"
    "      gives its message on standard error and exit 1.\n",
    runThevenin,
};

}  // namespace kirvolt::cli
