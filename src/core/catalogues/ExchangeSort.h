#pragma once
// The sort every catalogue list uses: for each position i from `first`, for
// each later position j, swap when the key at i is greater than the key at
// j. Keys compare by character code. It is not stable, and items with equal
// keys (unused device types all have an empty name) end in the order this
// exchange gives them, so it is kept exactly rather than replaced by
// std::sort.

#include <cstddef>
#include <utility>
#include <vector>

template <typename Item, typename KeyOf>
void ExchangeSort(std::vector<Item>& items, size_t first, KeyOf keyOf)
{
    for (size_t i = first; i < items.size(); ++i)
        for (size_t j = i + 1; j < items.size(); ++j)
            if (keyOf(items[j]) < keyOf(items[i]))
                std::swap(items[i], items[j]);
}
