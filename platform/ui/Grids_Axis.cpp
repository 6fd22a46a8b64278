#include "platform/ui/Grids.h"

#include <algorithm>
#include <bit>

void TGridAxis::SetCount(int32_t count)
{
    count = std::max(count, 0);
    if (count == FCount)
        return;
    FCount = count;
    if (!FSizes.empty()) {
        FSizes.resize(static_cast<size_t>(count), FDefaultSize);
        Rebuild();
    }
}

void TGridAxis::SetDefaultSize(int32_t size)
{
    FDefaultSize = std::max(size, 0);
    FSizes.clear();
    FTree.clear();
}

void TGridAxis::SetLineWidth(int32_t width)
{
    FLineWidth = std::max(width, 0);
    if (!FSizes.empty())
        Rebuild();
}

int32_t TGridAxis::Size(int32_t index) const
{
    if (index < 0 || index >= FCount)
        return 0;
    return FSizes.empty() ? FDefaultSize : FSizes[static_cast<size_t>(index)];
}

void TGridAxis::SetSize(int32_t index, int32_t size)
{
    if (index < 0 || index >= FCount)
        return;
    size = std::max(size, 0);
    if (FSizes.empty()) {
        if (size == FDefaultSize)
            return;
        FSizes.assign(static_cast<size_t>(FCount), FDefaultSize);
        FSizes[static_cast<size_t>(index)] = size;
        Rebuild();
        return;
    }
    const int32_t delta = size - FSizes[static_cast<size_t>(index)];
    FSizes[static_cast<size_t>(index)] = size;
    for (size_t node = static_cast<size_t>(index) + 1; node <= FTree.size(); node += node & (~node + 1))
        FTree[node - 1] += delta;
}

int32_t TGridAxis::Extent(int32_t index) const { return Size(index) + FLineWidth; }

void TGridAxis::Rebuild()
{
    FTree.assign(FSizes.size(), 0);
    for (size_t index = 0; index < FSizes.size(); ++index) {
        FTree[index] += FSizes[index] + FLineWidth;
        const size_t parent = (index + 1) + ((index + 1) & (~(index + 1) + 1));
        if (parent <= FTree.size())
            FTree[parent - 1] += FTree[index];
    }
}

int64_t TGridAxis::Offset(int32_t index) const
{
    index = std::clamp(index, 0, FCount);
    if (FSizes.empty())
        return int64_t { index } * (FDefaultSize + FLineWidth);
    int64_t sum = 0;
    for (auto node = static_cast<size_t>(index); node > 0; node &= node - 1)
        sum += FTree[node - 1];
    return sum;
}

int32_t TGridAxis::IndexAt(int64_t offset) const
{
    if (offset < 0)
        return -1;
    if (FSizes.empty()) {
        const int32_t extent = FDefaultSize + FLineWidth;
        if (extent <= 0)
            return FCount;
        return static_cast<int32_t>(std::min<int64_t>(offset / extent, FCount));
    }
    // Descend the tree for the last prefix not greater than offset.
    size_t position = 0;
    int64_t remaining = offset;
    for (size_t step = std::bit_floor(FTree.size()); step > 0; step >>= 1) {
        if (position + step <= FTree.size() && FTree[position + step - 1] <= remaining) {
            position += step;
            remaining -= FTree[position - 1];
        }
    }
    return static_cast<int32_t>(position);
}

void TGridAxis::Move(int32_t from, int32_t to)
{
    if (FSizes.empty() || from == to)
        return;
    const auto first = FSizes.begin();
    if (from < to)
        std::rotate(first + from, first + from + 1, first + to + 1);
    else
        std::rotate(first + to, first + from, first + from + 1);
    Rebuild();
}

void TGridAxis::Permute(int32_t first, const std::vector<int32_t>& order)
{
    if (FSizes.empty() || order.empty())
        return;
    std::vector<int32_t> sizes(order.size());
    for (size_t index = 0; index < order.size(); ++index)
        sizes[index] = FSizes[static_cast<size_t>(order[index])];
    std::copy(sizes.begin(), sizes.end(), FSizes.begin() + first);
    Rebuild();
}
