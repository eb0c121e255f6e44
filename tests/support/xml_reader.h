#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace kirvolt::testing {

// One element of a document read by readXml, with the text directly inside it (entities
// resolved) and its attributes.
struct XmlElement {
    std::string name;
    std::map<std::string, std::string> attributes;
    std::string text;
};

// Reads a well-formed XML document (declaration, elements, attributes in quotes, the five
// predefined entities and numeric references); every element in document order. None when
// the text is not well-formed: a tag left open or closed out of turn, a bare '&' or '<', an
// unknown entity, a repeated attribute, bytes that are not UTF-8 or characters XML forbids.
std::optional<std::vector<XmlElement>> readXml(const std::string& text);

}  // namespace kirvolt::testing
