#include "spice/spice_writer.h"

#include <algorithm>
#include <cmath>
#include <set>
#include <utility>

#include "document/codes.h"
#include "document/utf8_text.h"
#include "spice/ammeter_source_name.h"
#include "spice/spice_number.h"

namespace kirvolt {
namespace {

std::string lowered(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; });
    return text;
}

// Names SPICE reads as one word, and that no two parts of the netlist share.
class UniqueNames {
public:
    explicit UniqueNames(std::set<std::string> reserved = {}) : taken(std::move(reserved)) {}

    std::string take(const std::string& wanted)
    {
        std::string safe;
        for (std::size_t i = 0; i < wanted.size();) {
            const char c = wanted[i];
            const bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
            // Letters of other scripts stay as they are written: ngspice reads names as bytes.
            const std::size_t letter = plain ? 0 : utf8SequenceLength(wanted, i);
            safe += letter != 0 ? wanted.substr(i, letter) : std::string(1, plain ? c : '_');
            i += letter != 0 ? letter : 1;
        }
        if (safe.empty()) {
            safe = "n";
        }
        std::string name = safe;
        for (int n = 2; !taken.insert(lowered(name)).second; ++n) {
            name = safe + "_" + std::to_string(n);
        }
        return name;
    }

    // An ammeter's 0 V source is named as the reader knows ammeters: the ammeter's own name
    // behind the V when that makes such a name and it is still free, else the first free number.
    std::string takeAmmeter(const std::string& label)
    {
        if (isAmmeterSourceName("V" + label) && taken.insert(lowered("V" + label)).second) {
            return "V" + label;
        }
        for (int n = 1;; ++n) {
            if (const std::string name = "VAm" + std::to_string(n); taken.insert(lowered(name)).second) {
                return name;
            }
        }
    }

private:
    std::set<std::string> taken;
};

// A title is one line.
std::string titleLine(const std::string& title)
{
    std::string line = title.empty() ? std::string("Kirvolt circuit") : title;
    std::replace_if(line.begin(), line.end(), [](char c) { return c == '\n' || c == '\r'; }, ' ');
    return line;
}

void writeComment(std::string& text, const std::string& comment)
{
    std::size_t from = 0;
    for (;;) {
        const std::size_t end = comment.find('\n', from);
        text += "* " + comment.substr(from, end - from) + "\n";
        if (end == std::string::npos) {
            break;
        }
        from = end + 1;
    }
}

char spiceLetter(std::uint16_t kind)
{
    switch (kind) {
    case KIND_RESISTOR:
        return 'R';
    case KIND_CURRENT_SOURCE:
        return 'I';
    case KIND_VOLTAGE_SOURCE:
    case KIND_AMMETER:
        return 'V';
    default:
        return 0;
    }
}

// Kirvolt's letter of a kind becomes SPICE's, so that E1 is V1 again after a round trip;
// any other name is kept behind SPICE's letter.
std::string spiceName(char letter, const NetlistElement& e)
{
    const char kirvolts = e.kind == KIND_RESISTOR ? 'R' : e.kind == KIND_VOLTAGE_SOURCE ? 'E' : e.kind == KIND_CURRENT_SOURCE ? 'J' : 0;
    if (kirvolts != 0 && e.name.size() >= 2 && e.name[0] == kirvolts) {
        return letter + e.name.substr(1);
    }
    // A 0 V source named like an ammeter's would be read back as one.
    if (isAmmeterSourceName(letter + e.name)) {
        return letter + ("_" + e.name);
    }
    return letter + e.name;
}

}  // namespace

SpiceText writeSpiceNetlist(const Netlist& netlist)
{
    SpiceText spice;
    spice.text = titleLine(netlist.title) + "\n";
    for (const std::string& note : netlist.notes) {
        writeComment(spice.text, note);
    }
    // gnd is ground to ngspice as well.
    UniqueNames nodeNames({"0", "gnd"});
    for (std::size_t k = 0; k < netlist.nodes.size(); ++k) {
        spice.nodeNames.push_back(k == 0 ? std::string("0") : nodeNames.take(netlist.nodes[k]));
    }
    UniqueNames elementNames;
    for (const NetlistElement& e : netlist.elements) {
        const std::string& start = spice.nodeNames.at(static_cast<std::size_t>(e.start));
        const std::string& finish = spice.nodeNames.at(static_cast<std::size_t>(e.finish));
        const char letter = spiceLetter(e.kind);
        if (letter == 0) {
            spice.elementNames.emplace_back();
            writeComment(spice.text, e.name + " is a voltmeter between " + start + " and " + finish +
                                         "; it reads the p.d. of the first over the second.");
            continue;
        }
        const std::string name =
            e.kind == KIND_AMMETER ? elementNames.takeAmmeter(e.name) : elementNames.take(spiceName(letter, e));
        const double value = e.kind == KIND_AMMETER ? 0.0 : e.value;
        if (!std::isfinite(value)) {
            spice.elementNames.emplace_back();
            writeComment(spice.text, name + " has no value SPICE can read.");
            continue;
        }
        spice.elementNames.push_back(name);
        if (e.kind == KIND_AMMETER) {
            writeComment(spice.text,
                         name + " is the ammeter " + e.name + ", a 0 V source here; its current is the reading.");
        }
        spice.text += name + " " + start + " " + finish + (letter == 'R' ? " " : " DC ") + spiceNumberText(value) + "\n";
    }
    spice.text += ".op\n.end\n";
    return spice;
}

}  // namespace kirvolt
