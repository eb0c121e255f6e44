#include "equations/equation_reader.h"

#include <array>
#include <cmath>
#include <utility>

#include "document/blank_text.h"
#include "document/engineering_number.h"

namespace kirvolt {
namespace {

// Deeper nesting than any equation needs would only spend the stack.
constexpr int MAXIMUM_NESTING = 64;

bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_'; }
bool isNameCharacter(char c) { return isLetter(c) || isDigit(c); }

std::string quoted(std::string_view text)
{
    return "\xE2\x80\x9C" + std::string(text) + "\xE2\x80\x9D";
}

struct Stop {
    ReadFailure failure;
};

// Signs people type besides the ASCII ones, with what they stand for.
struct Spelling {
    std::string_view text;
    char stands;
};
constexpr std::array<Spelling, 4> OTHER_SPELLINGS{{{"\xE2\x88\x92", '-'},  // minus sign
                                                   {"\xC3\x97", '*'},      // multiplication sign
                                                   {"\xC2\xB7", '*'},      // middle dot
                                                   {"\xC3\xB7", '/'}}};    // division sign

constexpr std::array<std::string_view, 11> PREFIXES{"p", "n", "u", "\xC2\xB5", "\xCE\xBC", "m",
                                                    "k", "K", "M", "G", "T"};

class Reader {
public:
    Reader(std::string_view text, const NameResolver& resolve, const UnknownWording& wording)
        : text(text), resolve(resolve), wording(wording)
    {
    }

    ReadEquation equation()
    {
        ReadEquation read;
        read.left = sum(0);
        if (peek() != '=') {
            stopHere(atEnd() ? "the equation needs one \xE2\x80\x9C=\xE2\x80\x9D between its two sides."
                             : "an operator (+ - * /), \xE2\x80\x9C)\xE2\x80\x9D or \xE2\x80\x9C=\xE2\x80\x9D "
                               "should come here.");
        }
        advance();
        read.right = sum(0);
        if (!atEnd()) {
            stopHere(peek() == '=' ? "an equation has only one \xE2\x80\x9C=\xE2\x80\x9D."
                                   : "an operator (+ - * /) or the end of the equation should come here.");
        }
        return read;
    }

private:
    LinearForm sum(int depth)
    {
        LinearForm total = product(depth);
        while (peek() == '+' || peek() == '-') {
            const bool adding = peek() == '+';
            advance();
            const LinearForm term = product(depth);
            if (adding) {
                total += term;
            } else {
                total -= term;
            }
        }
        return total;
    }

    LinearForm product(int depth)
    {
        LinearForm total = signedFactor(depth);
        while (peek() == '*' || peek() == '/') {
            const bool multiplying = peek() == '*';
            const std::size_t operatorAt = position;
            advance();
            const LinearForm factor = signedFactor(depth);
            if (multiplying) {
                if (!total.isConstant() && !factor.isConstant()) {
                    stopAt(operatorAt, "it multiplies " + wording.many + " together, and a " + wording.law +
                                           " equation is linear in the " + wording.many + ".");
                }
                total = total.isConstant() ? scaled(factor, total.constant) : scaled(total, factor.constant);
            } else {
                if (!factor.isConstant()) {
                    stopAt(operatorAt, "it divides by " + wording.one + ", and a " + wording.law +
                                           " equation is linear in the " + wording.many + ".");
                }
                if (factor.constant == 0.0) {
                    stopAt(operatorAt, "it divides by zero.");
                }
                total = scaled(total, 1.0 / factor.constant);
            }
            checkFinite(total, operatorAt);
        }
        return total;
    }

    // Any run of signs is read in one loop, so that no length of it can exhaust the stack.
    LinearForm signedFactor(int depth)
    {
        bool negative = false;
        while (peek() == '-' || peek() == '+') {
            negative = negative != (peek() == '-');
            advance();
        }
        LinearForm factor = operand(depth);
        return negative ? scaled(std::move(factor), -1.0) : factor;
    }

    LinearForm operand(int depth)
    {
        const char next = peek();
        if (next == '(') {
            if (depth >= MAXIMUM_NESTING) {
                stopHere("the parentheses are nested too deeply.");
            }
            advance();
            LinearForm inside = sum(depth + 1);
            if (peek() != ')') {
                stopHere("a closing \xE2\x80\x9C)\xE2\x80\x9D should come here.");
            }
            advance();
            return inside;
        }
        if (isDigit(next) || next == '.') {
            return number();
        }
        if (isLetter(next)) {
            return name();
        }
        stopHere("a number, " + wording.example + ", an element name such as R1, or \xE2\x80\x9C(\xE2\x80\x9D should "
                 "come here.");
    }

    LinearForm number()
    {
        const std::size_t start = position;
        std::size_t end = position;
        while (end < text.size() && (isDigit(text[end]) || text[end] == '.')) {
            ++end;
        }
        if (end < text.size() && (text[end] == 'e' || text[end] == 'E')) {
            std::size_t digitsAt = end + 1;
            if (digitsAt < text.size() && (text[digitsAt] == '+' || text[digitsAt] == '-')) {
                ++digitsAt;
            }
            if (digitsAt < text.size() && isDigit(text[digitsAt])) {
                end = digitsAt;
                while (end < text.size() && isDigit(text[end])) {
                    ++end;
                }
            }
        }
        for (std::string_view prefix : PREFIXES) {
            const std::size_t after = end + prefix.size();
            if (text.substr(end, prefix.size()) == prefix && (after >= text.size() || !isNameCharacter(text[after]))) {
                end = after;
                break;
            }
        }
        const std::string_view written = text.substr(start, end - start);
        const auto value = parseEngineeringNumber(written);
        if (!value || !value->unit.empty()) {
            stopAt(start, quoted(written) + " is not a number Kirvolt can read.");
        }
        if (end < text.size() && isNameCharacter(text[end])) {
            stopAt(end, "an operator should come between a number and a name, as in 2*R1.");
        }
        position = end;
        LinearForm form;
        form.constant = value->value;
        return form;
    }

    LinearForm name()
    {
        const std::size_t start = position;
        std::size_t end = position;
        while (end < text.size() && isNameCharacter(text[end])) {
            ++end;
        }
        std::string written(text.substr(start, end - start));
        std::size_t after = end;
        // The letter with a name in parentheses, V(node a), reaches names that are not one word.
        const bool unknownLetter = written.size() == 1 && (written[0] == wording.letter || written[0] == lowerLetter());
        if (unknownLetter && end < text.size() && text[end] == '(') {
            const std::size_t closing = text.find(')', end);
            if (closing == std::string_view::npos) {
                stopAt(end + 1, "a closing \xE2\x80\x9C)\xE2\x80\x9D should end " + wording.nameEnd + ".");
            }
            written += trimmed(text.substr(end + 1, closing - end - 1));
            after = closing + 1;
        }
        const std::optional<NameMeaning> meaning = resolve(written);
        if (!meaning) {
            stopAt(start, "there is no " + wording.owner + " or element called " +
                              quoted(text.substr(start, after - start)) + " in this circuit (" + wording.spelling + ").");
        }
        position = after;
        LinearForm form;
        if (meaning->unknown) {
            form.coefficients[*meaning->unknown] = 1.0;
        } else {
            form.constant = meaning->value;
        }
        return form;
    }

    char lowerLetter() const
    {
        return wording.letter >= 'A' && wording.letter <= 'Z' ? static_cast<char>(wording.letter - 'A' + 'a')
                                                              : wording.letter;
    }

    static LinearForm scaled(LinearForm form, double factor)
    {
        form *= factor;
        return form;
    }

    void checkFinite(const LinearForm& form, std::size_t at) const
    {
        bool finite = std::isfinite(form.constant);
        for (const auto& [node, coefficient] : form.coefficients) {
            finite = finite && std::isfinite(coefficient);
        }
        if (!finite) {
            stopAt(at, "the numbers grow too large to work with.");
        }
    }

    // The next character, with blanks skipped and other spellings of the signs read as theirs;
    // 0 at the end.
    char peek()
    {
        skipBlanks();
        if (atEnd()) {
            return '\0';
        }
        for (const Spelling& spelling : OTHER_SPELLINGS) {
            if (text.substr(position, spelling.text.size()) == spelling.text) {
                return spelling.stands;
            }
        }
        return text[position];
    }

    void advance()
    {
        for (const Spelling& spelling : OTHER_SPELLINGS) {
            if (text.substr(position, spelling.text.size()) == spelling.text) {
                position += spelling.text.size();
                return;
            }
        }
        ++position;
    }

    void skipBlanks()
    {
        while (position < text.size() && isBlank(text[position])) {
            ++position;
        }
    }

    bool atEnd()
    {
        skipBlanks();
        return position >= text.size();
    }

    [[noreturn]] void stopHere(const std::string& reason) { stopAt(position, reason); }
    [[noreturn]] void stopAt(std::size_t at, const std::string& reason) const { throw Stop{{at, reason}}; }

    std::string_view text;
    const NameResolver& resolve;
    const UnknownWording& wording;
    std::size_t position = 0;
};

}  // namespace

const UnknownWording& nodeVoltageWording()
{
    static const UnknownWording wording{'V',
                                        "a node voltage such as V2",
                                        "a node voltage",
                                        "node voltages",
                                        "KCL",
                                        "the node's name",
                                        "node",
                                        "a node voltage is V followed by the node's name, such as V2"};
    return wording;
}

std::variant<ReadEquation, ReadFailure> readEquation(std::string_view text, const NameResolver& resolve,
                                                     const UnknownWording& wording)
{
    try {
        Reader reader(text, resolve, wording);
        ReadEquation read = reader.equation();
        return read;
    } catch (const Stop& stop) {
        return stop.failure;
    }
}

std::string readFailureMessage(std::string_view text, const ReadFailure& failure)
{
    const std::string_view before = trimmed(text.substr(0, std::min(failure.position, text.size())));
    if (before.empty()) {
        return "Kirvolt could not read the equation from its start: " + failure.reason;
    }
    return "Kirvolt could not read the equation after " + quoted(before) + ": " + failure.reason;
}

}  // namespace kirvolt
