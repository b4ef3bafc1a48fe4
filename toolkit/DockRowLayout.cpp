#include "DockRowLayout.h"

#include <algorithm>
#include <numeric>

namespace dock_rows {

float MinimumProportion(int length) {
    if (length <= 0) return 0.05f;
    return std::min(1.0f, static_cast<float>(minimumBarLength) / static_cast<float>(length));
}

void NormaliseShares(std::vector<float>& shares, int changed, float minimum) {
    const size_t n = shares.size();
    if (n == 0) return;
    if (changed >= 0 && (static_cast<size_t>(changed) >= n || shares[static_cast<size_t>(changed)] > maximumShare))
        changed = -1;
    if (changed >= 0 && n > 1) {
        float& mine = shares[static_cast<size_t>(changed)];
        mine = std::clamp(mine, std::min(minimum, maximumShare), maximumShare);
        float others = 0;
        for (size_t i = 0; i < n; ++i)
            if (static_cast<int>(i) != changed) others += std::max(shares[i], 0.0f);
        const float rest = 1.0f - mine;
        for (size_t i = 0; i < n; ++i) {
            if (static_cast<int>(i) == changed) continue;
            shares[i] = others > 0 ? std::max(shares[i], 0.0f) * rest / others : rest / static_cast<float>(n - 1);
        }
    } else {
        float total = 0;
        for (float& s : shares) total += std::max(s, 0.0f);
        for (float& s : shares) s = total > 0 ? std::max(s, 0.0f) / total : 1.0f / static_cast<float>(n);
    }
    for (float& s : shares) s = std::max(s, minimum);
}

std::vector<int> ShareLengths(const std::vector<float>& shares, int available) {
    const size_t n = shares.size();
    std::vector<int> lengths(n);
    if (n == 0) return lengths;
    const int room = available - splitterSize * static_cast<int>(n - 1);
    int used = 0;
    for (size_t i = 0; i + 1 < n; ++i) {
        lengths[i] = std::max(minimumBarLength, static_cast<int>(shares[i] * static_cast<float>(room)));
        used += lengths[i];
    }
    lengths[n - 1] = std::max(minimumBarLength, room - used);
    return lengths;
}

int MoveSplitter(std::vector<int>& lengths, int index, int delta) {
    const int n = static_cast<int>(lengths.size());
    if (index < 0 || index + 1 >= n || delta == 0) return 0;
    // The side that shrinks gives what it can, nearest bar first.
    const int step = delta > 0 ? 1 : -1;
    int wanted = delta > 0 ? delta : -delta;
    int given = 0;
    for (int i = delta > 0 ? index + 1 : index; i >= 0 && i < n && given < wanted; i += step) {
        const int take = std::min(wanted - given, std::max(0, lengths[static_cast<size_t>(i)] - minimumBarLength));
        lengths[static_cast<size_t>(i)] -= take;
        given += take;
    }
    // The bar next to the splitter on the growing side takes it all.
    lengths[static_cast<size_t>(delta > 0 ? index : index + 1)] += given;
    return delta > 0 ? given : -given;
}

std::vector<float> SharesOf(const std::vector<int>& lengths, int available) {
    const int room = available - splitterSize * static_cast<int>(lengths.size() > 0 ? lengths.size() - 1 : 0);
    std::vector<float> shares;
    for (int l : lengths) shares.push_back(room > 0 ? static_cast<float>(l) / static_cast<float>(room) : 0.0f);
    return shares;
}

}  // namespace dock_rows
