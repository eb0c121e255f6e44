#include "support/xml_reader.h"

#include <cctype>
#include <cstdint>

namespace kirvolt::testing {
namespace {

bool validUtf8AndChars(const std::string& text)
{
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<std::uint8_t>(text[i]);
        if (lead < 0x80) {
            if (lead < 0x20 && lead != '\t' && lead != '\n' && lead != '\r') {
                return false;
            }
            ++i;
            continue;
        }
        const std::size_t length = lead >= 0xC2 && lead < 0xE0 ? 2 : lead >= 0xE0 && lead < 0xF0 ? 3 : lead >= 0xF0 && lead < 0xF5 ? 4 : 0;
        if (length == 0 || i + length > text.size()) {
            return false;
        }
        for (std::size_t k = 1; k < length; ++k) {
            if ((static_cast<std::uint8_t>(text[i + k]) & 0xC0) != 0x80) {
                return false;
            }
        }
        i += length;
    }
    return true;
}

class Reader {
public:
    explicit Reader(const std::string& text) : s(text) {}

    std::optional<std::vector<XmlElement>> read()
    {
        if (s.compare(0, 5, "<?xml") == 0) {
            const std::size_t end = s.find("?>");
            if (end == std::string::npos) {
                return std::nullopt;
            }
            i = end + 2;
        }
        std::vector<std::size_t> open;
        bool rootSeen = false;
        while (i < s.size()) {
            if (s[i] != '<') {
                std::string text;
                if (!readText(text) || (open.empty() && text.find_first_not_of(" \t\r\n") != std::string::npos)) {
                    return std::nullopt;
                }
                if (!open.empty()) {
                    elements[open.back()].text += text;
                }
                continue;
            }
            if (s.compare(i, 2, "</") == 0) {
                const std::size_t end = s.find('>', i);
                if (end == std::string::npos || open.empty() || s.substr(i + 2, end - i - 2) != elements[open.back()].name) {
                    return std::nullopt;
                }
                open.pop_back();
                i = end + 1;
                continue;
            }
            if (open.empty() && rootSeen) {
                return std::nullopt;
            }
            bool selfClosing = false;
            if (!readTag(selfClosing)) {
                return std::nullopt;
            }
            rootSeen = true;
            if (!selfClosing) {
                open.push_back(elements.size() - 1);
            }
        }
        if (!open.empty() || !rootSeen) {
            return std::nullopt;
        }
        return elements;
    }

private:
    static bool nameChar(char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '-' || c == '_' || c == ':' || c == '.'; }

    std::string readName()
    {
        const std::size_t start = i;
        while (i < s.size() && nameChar(s[i])) {
            ++i;
        }
        return s.substr(start, i - start);
    }

    void skipBlanks()
    {
        while (i < s.size() && (s[i] == ' ' || s[i] == '\n' || s[i] == '\t' || s[i] == '\r')) {
            ++i;
        }
    }

    // Text up to the next '<' or, inside an attribute, up to the quote.
    bool readText(std::string& out, char stop = '<')
    {
        while (i < s.size() && s[i] != stop) {
            if (s[i] == '<') {
                return false;
            }
            if (s[i] == '&') {
                const std::size_t end = s.find(';', i);
                if (end == std::string::npos) {
                    return false;
                }
                const std::string entity = s.substr(i + 1, end - i - 1);
                static const std::map<std::string, std::string> named = {
                    {"amp", "&"}, {"lt", "<"}, {"gt", ">"}, {"quot", "\""}, {"apos", "'"}};
                if (const auto found = named.find(entity); found != named.end()) {
                    out += found->second;
                } else if (entity.size() > 1 && entity[0] == '#' && entity.find_first_not_of("0123456789", 1) == std::string::npos) {
                    out += static_cast<char>(std::stoi(entity.substr(1)) & 0x7F);
                } else {
                    return false;
                }
                i = end + 1;
            } else {
                out += s[i++];
            }
        }
        return stop == '<' || i < s.size();
    }

    bool readTag(bool& selfClosing)
    {
        ++i;
        XmlElement element{readName(), {}, {}};
        if (element.name.empty()) {
            return false;
        }
        for (;;) {
            skipBlanks();
            if (i >= s.size()) {
                return false;
            }
            if (s[i] == '>' || s.compare(i, 2, "/>") == 0) {
                selfClosing = s[i] == '/';
                i += selfClosing ? 2 : 1;
                elements.push_back(std::move(element));
                return true;
            }
            const std::string attribute = readName();
            skipBlanks();
            if (attribute.empty() || i + 1 >= s.size() || s[i] != '=') {
                return false;
            }
            ++i;
            skipBlanks();
            const char quote = s[i];
            if (quote != '"' && quote != '\'') {
                return false;
            }
            ++i;
            std::string value;
            if (!readText(value, quote) || element.attributes.count(attribute) != 0) {
                return false;
            }
            ++i;
            element.attributes[attribute] = value;
        }
    }

    const std::string& s;
    std::size_t i = 0;
    std::vector<XmlElement> elements;
};

}  // namespace

std::optional<std::vector<XmlElement>> readXml(const std::string& text)
{
    if (!validUtf8AndChars(text)) {
        return std::nullopt;
    }
    return Reader(text).read();
}

}  // namespace kirvolt::testing
