#pragma once

#include <numeric>
#include <vector>

namespace kirvolt {

// Union-find over the numbers 0..count, with path halving.
class DisjointSets {
public:
    explicit DisjointSets(int count) : parent(static_cast<std::size_t>(count) + 1)
    {
        std::iota(parent.begin(), parent.end(), 0);
    }

    int root(int x)
    {
        while (parent[x] != x) {
            parent[x] = parent[parent[x]];
            x = parent[x];
        }
        return x;
    }

    // Joins the sets of a and b; false when they were one set already.
    bool join(int a, int b)
    {
        const int ra = root(a);
        const int rb = root(b);
        parent[ra] = rb;
        return ra != rb;
    }

private:
    std::vector<int> parent;
};

}  // namespace kirvolt
