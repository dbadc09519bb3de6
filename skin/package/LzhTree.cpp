#include "skin/package/LzhTree.h"

#include <algorithm>

namespace quellar::lzh {

void THuffTree::StartHuff() {
    for (int i = 0; i < N_CHAR; ++i) {
        freq[i] = 1;
        son[i] = static_cast<std::uint16_t>(i + T);
        prnt[i + T] = static_cast<std::uint16_t>(i);
    }
    int i = 0;
    for (int j = N_CHAR; j <= R; ++j) {
        freq[j] = static_cast<std::uint16_t>(freq[i] + freq[i + 1]);
        son[j] = static_cast<std::uint16_t>(i);
        prnt[i] = prnt[i + 1] = static_cast<std::uint16_t>(j);
        i += 2;
    }
    freq[T] = 0xFFFF;
    prnt[R] = 0;
}

void THuffTree::RebuildTree() {
    // Gather the leaves in the lower half with halved frequencies (at least 1).
    int j = 0;
    for (int i = 0; i < T; ++i) {
        if (son[i] >= T) {
            freq[j] = static_cast<std::uint16_t>((freq[i] + 1) / 2);
            son[j] = son[i];
            ++j;
        }
    }
    // Rebuild the inner nodes, each inserted where the ascending order wants it.
    int i = 0;
    for (j = N_CHAR; j < T; ++j, i += 2) {
        const auto f = static_cast<std::uint16_t>(freq[i] + freq[i + 1]);
        freq[j] = f;
        int k = j - 1;
        while (f < freq[k]) {
            --k;
        }
        ++k;
        std::copy_backward(freq.begin() + k, freq.begin() + j, freq.begin() + j + 1);
        std::copy_backward(son.begin() + k, son.begin() + j, son.begin() + j + 1);
        freq[k] = f;
        son[k] = static_cast<std::uint16_t>(i);
    }
    // Reconnect the parents.
    for (i = 0; i < T; ++i) {
        const int k = son[i];
        prnt[k] = static_cast<std::uint16_t>(i);
        if (k < T) {
            prnt[k + 1] = static_cast<std::uint16_t>(i);
        }
    }
}

void THuffTree::UpdateTree(int symbol) {
    if (freq[R] == MAX_FREQ) {
        RebuildTree();
    }
    int n = prnt[symbol + T];
    do {
        const int k = ++freq[n];
        if (k > freq[n + 1]) {
            // Swap node n with the last node whose frequency is still below k.
            int l = n + 1;
            while (k > freq[l + 1]) {
                ++l;
            }
            freq[n] = freq[l];
            freq[l] = static_cast<std::uint16_t>(k);

            const int i = son[n];
            prnt[i] = static_cast<std::uint16_t>(l);
            if (i < T) {
                prnt[i + 1] = static_cast<std::uint16_t>(l);
            }
            const int j = son[l];
            son[l] = static_cast<std::uint16_t>(i);
            prnt[j] = static_cast<std::uint16_t>(n);
            if (j < T) {
                prnt[j + 1] = static_cast<std::uint16_t>(n);
            }
            son[n] = static_cast<std::uint16_t>(j);
            n = l;
        }
        n = prnt[n];
    } while (n != 0);
}

namespace {
TPositionTables BuildPositionTables() {
    // Code lengths of u = 0..63: 1 of 3 bits, 3 of 4, 8 of 5, 12 of 6, 24 of 7, 16 of 8 bits.
    struct Group {
        int count;
        int len;
    };
    constexpr Group groups[] = {{1, 3}, {3, 4}, {8, 5}, {12, 6}, {24, 7}, {16, 8}};
    TPositionTables t;
    int entry = 0;
    int u = 0;
    for (const Group& g : groups) {
        for (int c = 0; c < g.count; ++c, ++u) {
            t.p_code[u] = static_cast<std::uint8_t>(entry);
            t.p_len[u] = static_cast<std::uint8_t>(g.len);
            const int span = 1 << (8 - g.len);
            for (int k = 0; k < span; ++k, ++entry) {
                t.d_code[entry] = static_cast<std::uint8_t>(u);
                t.d_len[entry] = static_cast<std::uint8_t>(g.len);
            }
        }
    }
    return t;
}
} // namespace

const TPositionTables& PositionTables() {
    static const TPositionTables tables = BuildPositionTables();
    return tables;
}

} // namespace quellar::lzh
