#pragma once

#include <algorithm>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

namespace kirvolt {

// Names as a student types them: "r1" and "vA" find R1 and VA, as long as no other name of
// the table differs from that one only in case; then only the exact spelling finds either.
template <typename Meaning>
class NameTable {
public:
    // The first meaning given for a name is kept.
    void add(const std::string& name, Meaning meaning)
    {
        if (!exact.try_emplace(name, meaning).second) {
            return;
        }
        const auto [entry, fresh] = folded.try_emplace(lowered(name), meaning);
        if (!fresh) {
            entry->second.reset();
        }
    }

    std::optional<Meaning> find(std::string_view name) const
    {
        if (const auto found = exact.find(std::string(name)); found != exact.end()) {
            return found->second;
        }
        if (const auto found = folded.find(lowered(std::string(name))); found != folded.end()) {
            return found->second;
        }
        return std::nullopt;
    }

private:
    static std::string lowered(std::string text)
    {
        std::transform(text.begin(), text.end(), text.begin(),
                       [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; });
        return text;
    }

    std::unordered_map<std::string, Meaning> exact;
    std::unordered_map<std::string, std::optional<Meaning>> folded;  // empty where two names fold alike
};

}  // namespace kirvolt
