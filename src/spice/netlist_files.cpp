#include "spice/netlist_files.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <filesystem>

#include "spice/circuit_layout.h"
#include "spice/circuit_netlist.h"
#include "spice/spice_reader.h"
#include "spice/spice_writer.h"

namespace kirvolt {

bool isNetlistPath(const std::string& path)
{
    std::string extension = std::filesystem::path(path).extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; });
    static const std::array<const char*, 4> netlists = {".cir", ".net", ".sp", ".spice"};
    return std::find(netlists.begin(), netlists.end(), extension) != netlists.end();
}

FileResult importNetlistText(std::string_view text, CKirvoltDoc& doc)
{
    const NetlistReading reading = readSpiceNetlist(text);
    if (!reading.netlist) {
        return failure(reading.message);
    }
    if (const CircuitLayout drawn = layoutCircuit(*reading.netlist, doc); drawn.refusal) {
        return failure(*drawn.refusal);
    }
    return {};
}

FileResult importNetlist(const std::string& path, CKirvoltDoc& doc)
{
    std::vector<std::uint8_t> bytes;
    if (FileResult read = readWholeFile(path, bytes); !read.ok) {
        return read;
    }
    return importNetlistText(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()), doc);
}

std::string exportNetlistText(CKirvoltDoc& doc, const std::string& title)
{
    return writeSpiceNetlist(circuitNetlist(doc, title).netlist).text;
}

FileResult exportNetlist(CKirvoltDoc& doc, const std::string& path, const std::string& title)
{
    std::string text;
    try {
        text = exportNetlistText(doc, title);
    } catch (const std::exception&) {
        return fileErrorResult(path, ENOMEM, FileAction::save);
    }
    return replaceFile(path, std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
}

}  // namespace kirvolt
