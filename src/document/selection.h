#pragma once

#include <cstdint>
#include <vector>

#include "document/circuit_document.h"

namespace kirvolt {

// The elements chosen in one window, known by their record ids. It is painted over the circuit
// and never written into the records; ids of records that an undo has taken away are passed
// over and forgotten.
class Selection {
public:
    bool empty() const { return ids.empty(); }
    std::size_t size() const { return ids.size(); }
    bool contains(std::uint64_t id) const;
    bool contains(const CComponent& record) const { return contains(record.recordId); }

    void clear() { ids.clear(); }
    void add(std::uint64_t id);
    void remove(std::uint64_t id);
    void toggle(std::uint64_t id);
    void replace(std::vector<std::uint64_t> chosen);

    // The selected records of the document in list order; forgets the ids it no longer holds.
    std::vector<CComponent*> records(CKirvoltDoc& doc);
    std::vector<const CComponent*> records(const CKirvoltDoc& doc) const;

private:
    std::vector<std::uint64_t> ids;  // ascending
};

}  // namespace kirvolt
