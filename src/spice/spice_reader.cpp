#include "spice/spice_reader.h"

#include <algorithm>
#include <array>
#include <map>
#include <set>
#include <utility>
#include <vector>

#include "document/blank_text.h"
#include "document/codes.h"
#include "document/value_range.h"
#include "document/wording.h"
#include "spice/ammeter_source_name.h"
#include "spice/layout_plan.h"
#include "spice/spice_number.h"

namespace kirvolt {
namespace {

// The sentences a refusal may end with, after a blank.
std::string kirvoltReads()
{
    return " " + wording("SpiceReader", "Kirvolt reads only resistors (R), voltage sources (V) and current sources (I).");
}

std::string dcOnly() { return " " + wording("SpiceReader", "Kirvolt analyses DC circuits only."); }

// A card of the netlist: one line and the "+" lines that continue it.
struct Card {
    int line = 0;
    std::vector<std::string> words;
};

struct Refusal {
    std::string message;
};

std::string lowered(std::string_view text)
{
    std::string result(text);
    std::transform(result.begin(), result.end(), result.begin(),
                   [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; });
    return result;
}

// Words between blanks; "=" is a word of its own, so that "dc=5" reads as "dc = 5".
void appendWords(std::string_view text, std::vector<std::string>& words)
{
    std::string word;
    const auto flush = [&] {
        if (!word.empty()) {
            words.push_back(std::exchange(word, {}));
        }
    };
    for (char c : text) {
        if (isBlank(c)) {
            flush();
        } else if (c == '=') {
            flush();
            words.emplace_back("=");
        } else {
            word += c;
        }
    }
    flush();
}

// A refusal of a line: "Line 3: ..." and the sentence.
std::string onLine(int line, const std::string& sentence)
{
    return fillIn(wording("SpiceReader", "Line %1: %2"), {std::to_string(line), sentence});
}

// What SPICE takes a card for, by its first letter, for the cards Kirvolt does not read.
std::string elementDescription(char letter)
{
    static const std::map<char, const char*> descriptions = {
        {'a', WORDING_NOOP("SpiceReader", "an XSPICE code model")},
        {'b', WORDING_NOOP("SpiceReader", "a behavioural source")},
        {'c', WORDING_NOOP("SpiceReader", "a capacitor")},
        {'d', WORDING_NOOP("SpiceReader", "a diode")},
        {'e', WORDING_NOOP("SpiceReader", "a voltage-controlled voltage source")},
        {'f', WORDING_NOOP("SpiceReader", "a current-controlled current source")},
        {'g', WORDING_NOOP("SpiceReader", "a voltage-controlled current source")},
        {'h', WORDING_NOOP("SpiceReader", "a current-controlled voltage source")},
        {'j', WORDING_NOOP("SpiceReader", "a junction field-effect transistor")},
        {'k', WORDING_NOOP("SpiceReader", "a coupling of inductors")},
        {'l', WORDING_NOOP("SpiceReader", "an inductor")},
        {'m', WORDING_NOOP("SpiceReader", "a MOSFET")},
        {'n', WORDING_NOOP("SpiceReader", "a device of a model library")},
        {'o', WORDING_NOOP("SpiceReader", "a lossy transmission line")},
        {'p', WORDING_NOOP("SpiceReader", "a coupled transmission line")},
        {'q', WORDING_NOOP("SpiceReader", "a bipolar transistor")},
        {'s', WORDING_NOOP("SpiceReader", "a voltage-controlled switch")},
        {'t', WORDING_NOOP("SpiceReader", "a transmission line")},
        {'u', WORDING_NOOP("SpiceReader", "a uniform RC line")},
        {'w', WORDING_NOOP("SpiceReader", "a current-controlled switch")},
        {'x', WORDING_NOOP("SpiceReader", "a subcircuit")},
        {'y', WORDING_NOOP("SpiceReader", "a transmission line")},
        {'z', WORDING_NOOP("SpiceReader", "a MESFET")},
    };
    const auto found = descriptions.find(letter);
    return found == descriptions.end() ? std::string() : wording("SpiceReader", found->second);
}

bool isTransientFunction(const std::string& word)
{
    static const std::array<const char*, 8> functions = {"sin", "pulse", "exp", "pwl", "sffm", "am", "trnoise",
                                                         "trrandom"};
    return std::find(functions.begin(), functions.end(), word) != functions.end();
}

// The letters a word starts with, in lower case: "sin(0" gives "sin".
std::string leadingLetters(const std::string& word)
{
    std::string letters;
    for (char c : word) {
        const bool letter = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
        if (!letter) {
            break;
        }
        letters += c;
    }
    return lowered(letters);
}

std::string joined(const std::vector<std::string>& words, std::size_t from)
{
    std::string text;
    for (std::size_t i = from; i < words.size(); ++i) {
        text += (i > from ? " " : "") + words[i];
    }
    return text;
}

std::string kirvoltPrefix(std::uint16_t kind)
{
    return kind == KIND_RESISTOR ? "R" : kind == KIND_VOLTAGE_SOURCE ? "E" : "J";
}

// A source's SPICE letter becomes Kirvolt's, so that V1 is E1 and I2 J2 and no source's name
// reads as a node voltage; "VE1" and "IJ2", as earlier versions wrote E1 and J2, are E1 and J2.
std::string kirvoltName(const std::string& spiceName, std::uint16_t kind)
{
    const std::string rest = spiceName.substr(1);
    const bool kirvolts = rest.size() >= 2 && rest.starts_with(kirvoltPrefix(kind)) && rest[1] >= '0' && rest[1] <= '9';
    if (kirvolts) {
        return rest;
    }
    return kind == KIND_RESISTOR ? spiceName : kirvoltPrefix(kind) + rest;
}

class NetlistReader {
public:
    Netlist netlist;

    NetlistReader() { netlist.nodes.emplace_back("0"); }

    void readElement(const Card& card)
    {
        const std::string& name = card.words[0];
        const char letter = lowered(name.substr(0, 1))[0];
        const std::uint16_t kind = letter == 'r'   ? KIND_RESISTOR
                                   : letter == 'v' ? KIND_VOLTAGE_SOURCE
                                   : letter == 'i' ? KIND_CURRENT_SOURCE
                                                   : 0;
        if (kind == 0) {
            refuseUnknownElement(card);
        }
        noteName(card);
        const bool resistor = kind == KIND_RESISTOR;
        if (card.words.size() < (resistor ? 4u : 3u) || card.words[1] == "=" || card.words[2] == "=") {
            throw Refusal{onLine(card.line, fillIn(resistor ? wording("SpiceReader", "%1 needs two nodes and a resistance.")
                                                            : wording("SpiceReader", "%1 needs two nodes."),
                                                   {name}))};
        }
        const double value = resistor ? resistance(card) : sourceValue(card);
        if (const auto why = valueRangeRefusal(kind, name, value)) {
            throw Refusal{onLine(card.line, *why)};
        }
        if (kind == KIND_VOLTAGE_SOURCE && value == 0.0 && isAmmeterSourceName(name)) {
            netlist.elements.push_back({KIND_AMMETER, uniqueName("Am" + name.substr(3)), node(card.words[1]),
                                        node(card.words[2]), 0.0});
            return;
        }
        netlist.elements.push_back({kind, uniqueName(kirvoltName(name, kind)), node(card.words[1]), node(card.words[2]), value});
    }

private:
    [[noreturn]] static void refuseUnknownElement(const Card& card)
    {
        const std::string& name = card.words[0];
        const std::string what = elementDescription(lowered(name.substr(0, 1))[0]);
        if (what.empty()) {
            throw Refusal{onLine(card.line, fillIn(wording("SpiceReader", "%1 is not an element SPICE knows."), {name}) + kirvoltReads())};
        }
        throw Refusal{onLine(card.line, fillIn(wording("SpiceReader", "%1 is %2."), {name, what}) + kirvoltReads())};
    }

    // V1 and VE1 are two sources to SPICE and both E1 to Kirvolt: the second becomes E1_2, so
    // that the results never show one source's values for the other.
    std::string uniqueName(const std::string& wanted)
    {
        std::string name = wanted;
        for (int n = 2; !kirvoltNames.insert(lowered(name)).second; ++n) {
            name = wanted + "_" + std::to_string(n);
        }
        return name;
    }

    void noteName(const Card& card)
    {
        const auto [earlier, fresh] = elementLines.try_emplace(lowered(card.words[0]), card.line);
        if (!fresh) {
            throw Refusal{onLine(card.line, fillIn(wording("SpiceReader", "%1 is named a second time; the first is on line %2."),
                                                   {card.words[0], std::to_string(earlier->second)}))};
        }
    }

    int node(const std::string& name)
    {
        const std::string key = lowered(name);
        if (key == "0" || key == "gnd") {
            return 0;
        }
        const auto [found, fresh] = nodeIndex.try_emplace(key, static_cast<int>(netlist.nodes.size()));
        if (fresh) {
            netlist.nodes.push_back(name);
        }
        return found->second;
    }

    static double number(const Card& card, const std::string& text)
    {
        const SpiceNumber read = readSpiceNumber(text);
        switch (read.status) {
        case SpiceNumber::Status::Read:
            return read.value;
        case SpiceNumber::Status::DigitsAfterScale:
            throw Refusal{onLine(card.line, fillIn(wording("SpiceReader", "%1 has the value %2, which SPICE reads as %3%4."),
                                                   {card.words[0], text, std::string(read.number) + std::string(read.scale),
                                                    suggestion(read)}))};
        case SpiceNumber::Status::NotANumber:
            break;
        }
        throw Refusal{onLine(card.line, fillIn(wording("SpiceReader", "%1 has the value %2, which is not a number."), {card.words[0], text}))};
    }

    // "4k7" was most likely meant as 4.7k.
    static std::string suggestion(const SpiceNumber& read)
    {
        const bool wholeNumber = std::all_of(read.number.begin(), read.number.end(), [](char c) {
            return (c >= '0' && c <= '9') || c == '-' || c == '+';
        });
        const bool digitsAfter =
            !read.rest.empty() && std::all_of(read.rest.begin(), read.rest.end(), [](char c) { return c >= '0' && c <= '9'; });
        if (!wholeNumber || read.scale.empty() || !digitsAfter) {
            return "";
        }
        return fillIn(wording("SpiceReader", "; write %1 if that is what is meant"),
                      {std::string(read.number) + "." + std::string(read.rest) + std::string(read.scale)});
    }

    static double resistance(const Card& card)
    {
        if (card.words.size() > 4) {
            throw Refusal{onLine(card.line, fillIn(wording("SpiceReader", "%1 has more than a resistance (%2)."),
                                                   {card.words[0], joined(card.words, 4)}))};
        }
        return number(card, card.words[3]);
    }

    // [DC [=] value], then nothing: an AC value or a transient function is refused.
    static double sourceValue(const Card& card)
    {
        const std::vector<std::string>& words = card.words;
        const std::string& name = words[0];
        std::size_t at = 3;
        bool keyword = false;
        if (at < words.size() && lowered(words[at]) == "dc") {
            keyword = true;
            ++at;
            if (at < words.size() && words[at] == "=") {
                ++at;
            }
        }
        double value = 0.0;
        if (at < words.size() && !isAnalysisWord(words[at])) {
            value = number(card, words[at]);
            ++at;
        } else if (keyword) {
            throw Refusal{onLine(card.line, fillIn(wording("SpiceReader", "%1 has DC but no value."), {name}))};
        }
        if (at < words.size()) {
            const std::string word = leadingLetters(words[at]);
            if (word == "ac") {
                throw Refusal{onLine(card.line, fillIn(wording("SpiceReader", "%1 has an AC value."), {name}) + dcOnly())};
            }
            if (isTransientFunction(word)) {
                throw Refusal{onLine(card.line, fillIn(wording("SpiceReader", "%1 is a %2 source."), {name, uppercase(word)}) + dcOnly())};
            }
            throw Refusal{onLine(card.line, fillIn(wording("SpiceReader", "%1 has more than a DC value (%2)."), {name, joined(words, at)}))};
        }
        return value;
    }

    static bool isAnalysisWord(const std::string& word)
    {
        const std::string letters = leadingLetters(word);
        return letters == "ac" || isTransientFunction(letters);
    }

    static std::string uppercase(std::string text)
    {
        std::transform(text.begin(), text.end(), text.begin(),
                       [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; });
        return text;
    }

    std::map<std::string, int> nodeIndex;
    std::map<std::string, int> elementLines;
    std::set<std::string> kirvoltNames;
};

constexpr std::size_t MOST_ELEMENT_CARDS = MOST_NETLIST_ELEMENTS;

// The cards after the title, comments gone and continuations joined, up to .end; the lines
// of a .control block are commands for the simulator and no cards. Reading stops at one
// element card more than any drawing can hold.
std::vector<Card> readCards(const std::vector<std::string_view>& lines)
{
    std::size_t elementCards = 0;
    std::vector<Card> cards;
    bool inControl = false;
    bool lastWasControl = false;
    for (std::size_t i = 1; i < lines.size(); ++i) {
        const int line = static_cast<int>(i) + 1;
        std::string_view text = lines[i];
        text = text.substr(0, text.find(';'));
        text = trimmed(text);
        if (text.empty() || text.front() == '*') {
            continue;
        }
        if (text.front() == '+') {
            if (inControl || lastWasControl) {
                continue;
            }
            if (cards.empty()) {
                throw Refusal{onLine(line, wording("SpiceReader", "a continuation line (+) must follow an element."))};
            }
            appendWords(text.substr(1), cards.back().words);
            continue;
        }
        Card card{line, {}};
        appendWords(text, card.words);
        const std::string first = lowered(card.words.front());
        lastWasControl = false;
        if (inControl) {
            inControl = first != ".endc";
            lastWasControl = true;
            continue;
        }
        if (first == ".control") {
            inControl = true;
            lastWasControl = true;
            continue;
        }
        if (first == ".end") {
            break;
        }
        elementCards += first.front() == '.' ? 0 : 1;
        cards.push_back(std::move(card));
        if (elementCards > MOST_ELEMENT_CARDS) {
            break;
        }
    }
    return cards;
}

void readDotCommand(const Card& card)
{
    const std::string command = lowered(card.words.front());
    if (command == ".subckt" || command == ".ends") {
        throw Refusal{onLine(card.line, fillIn(wording("SpiceReader", "%1 belongs to a subcircuit."), {card.words.front()}) + kirvoltReads())};
    }
    if (command == ".include" || command == ".inc" || command == ".lib") {
        throw Refusal{onLine(card.line, fillIn(wording("SpiceReader", "%1 reads another file, which Kirvolt does not follow."),
                                               {card.words.front()}))};
    }
}

std::vector<std::string_view> splitLines(std::string_view text)
{
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        lines.push_back(text.substr(0, end));
        if (end == std::string_view::npos) {
            break;
        }
        text.remove_prefix(end + 1);
    }
    return lines;
}

}  // namespace

NetlistReading readSpiceNetlist(std::string_view text)
{
    const std::vector<std::string_view> lines = splitLines(text);
    if (std::all_of(lines.begin(), lines.end(), [](std::string_view line) { return trimmed(line).empty(); })) {
        return {std::nullopt, wording("SpiceReader", "The netlist is empty.")};
    }
    try {
        NetlistReader reader;
        reader.netlist.title = std::string(trimmed(lines.front()));
        for (const Card& card : readCards(lines)) {
            if (card.words.front().front() == '.') {
                readDotCommand(card);
            } else if (reader.netlist.elements.size() == MOST_ELEMENT_CARDS) {
                return {std::nullopt, wording("Layout", TOO_LARGE_TO_DRAW)};
            } else {
                reader.readElement(card);
            }
        }
        if (reader.netlist.elements.empty()) {
            return {std::nullopt, wording("SpiceReader", "The netlist has no resistors, voltage sources or current sources.")};
        }
        return {std::move(reader.netlist), {}};
    } catch (const Refusal& refusal) {
        return {std::nullopt, refusal.message};
    }
}

}  // namespace kirvolt
