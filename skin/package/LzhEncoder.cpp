#include "skin/package/LzhEncoder.h"

#include "skin/package/LzhTree.h"

#include <array>
#include <memory>
#include <stdexcept>

namespace quellar {

using namespace lzh;

namespace {

constexpr int NIL = N; // "no node" in the search trees

class BitWriter {
public:
    explicit BitWriter(std::vector<std::uint8_t>& out) : out_(out) {}
    // Appends the lowest `count` bits of `bits`, most significant first.
    void Put(std::uint32_t bits, int count) {
        for (int i = count - 1; i >= 0; --i) {
            acc_ = static_cast<std::uint8_t>(acc_ << 1 | ((bits >> i) & 1u));
            if (++used_ == 8) {
                out_.push_back(acc_);
                acc_ = 0;
                used_ = 0;
            }
        }
    }
    void Flush() {
        if (used_ > 0) {
            out_.push_back(static_cast<std::uint8_t>(acc_ << (8 - used_)));
            acc_ = 0;
            used_ = 0;
        }
    }

private:
    std::vector<std::uint8_t>& out_;
    std::uint8_t acc_ = 0;
    int used_ = 0;
};

class Encoder {
public:
    explicit Encoder(std::vector<std::uint8_t>& out) : bits_(out) { tree_.StartHuff(); }
    void Run(std::span<const std::uint8_t> data);

private:
    void InitTree();
    void InsertNode(int r);
    void DeleteNode(int p);
    void EncodeChar(int symbol);
    void EncodePosition(int position);

    BitWriter bits_;
    THuffTree tree_;
    std::array<std::uint8_t, N + F - 1> text_{};
    std::array<int, N + 1> lson_{};
    std::array<int, N + 257> rson_{};
    std::array<int, N + 1> dad_{};
    int matchPosition_ = 0;
    int matchLength_ = 0;
};

void Encoder::InitTree() {
    for (int i = N + 1; i <= N + 256; ++i) {
        rson_[i] = NIL;
    }
    for (int i = 0; i < N; ++i) {
        dad_[i] = NIL;
    }
}

// Inserts the string at r into the tree of its first byte and finds the longest match on the
// way (the nearest one among equals); a full-length match replaces the old node.
void Encoder::InsertNode(int r) {
    const std::uint8_t* key = &text_[r];
    int p = N + 1 + key[0];
    int cmp = 1;
    rson_[r] = lson_[r] = NIL;
    matchLength_ = 0;
    for (;;) {
        if (cmp >= 0) {
            if (rson_[p] == NIL) {
                rson_[p] = r;
                dad_[r] = p;
                return;
            }
            p = rson_[p];
        } else {
            if (lson_[p] == NIL) {
                lson_[p] = r;
                dad_[r] = p;
                return;
            }
            p = lson_[p];
        }
        int i = 1;
        for (; i < F; ++i) {
            cmp = key[i] - text_[p + i];
            if (cmp != 0) {
                break;
            }
        }
        if (i > THRESHOLD) {
            const int distance = ((r - p) & (N - 1)) - 1;
            if (i > matchLength_) {
                matchPosition_ = distance;
                matchLength_ = i;
                if (matchLength_ >= F) {
                    break;
                }
            } else if (i == matchLength_ && distance < matchPosition_) {
                matchPosition_ = distance;
            }
        }
    }
    dad_[r] = dad_[p];
    lson_[r] = lson_[p];
    rson_[r] = rson_[p];
    dad_[lson_[p]] = r;
    dad_[rson_[p]] = r;
    if (rson_[dad_[p]] == p) {
        rson_[dad_[p]] = r;
    } else {
        lson_[dad_[p]] = r;
    }
    dad_[p] = NIL;
}

void Encoder::DeleteNode(int p) {
    if (dad_[p] == NIL) {
        return;
    }
    int q;
    if (rson_[p] == NIL) {
        q = lson_[p];
    } else if (lson_[p] == NIL) {
        q = rson_[p];
    } else {
        q = lson_[p];
        if (rson_[q] != NIL) {
            do {
                q = rson_[q];
            } while (rson_[q] != NIL);
            rson_[dad_[q]] = lson_[q];
            dad_[lson_[q]] = dad_[q];
            lson_[q] = lson_[p];
            dad_[lson_[p]] = q;
        }
        rson_[q] = rson_[p];
        dad_[rson_[p]] = q;
    }
    dad_[q] = dad_[p];
    if (rson_[dad_[p]] == p) {
        rson_[dad_[p]] = q;
    } else {
        lson_[dad_[p]] = q;
    }
    dad_[p] = NIL;
}

// The code of a symbol is the path from the root to its leaf: 1 for a right (odd) child.
void Encoder::EncodeChar(int symbol) {
    std::array<std::uint8_t, T> path{};
    int depth = 0;
    for (int k = tree_.prnt[symbol + T]; k != R; k = tree_.prnt[k]) {
        path[depth++] = static_cast<std::uint8_t>(k & 1);
    }
    // Collected leaf first; sent root first.
    for (int i = depth - 1; i >= 0; --i) {
        bits_.Put(path[i], 1);
    }
    tree_.UpdateTree(symbol);
}

void Encoder::EncodePosition(int position) {
    const TPositionTables& pt = PositionTables();
    const int u = position >> 6;
    bits_.Put(static_cast<std::uint32_t>(pt.p_code[u] >> (8 - pt.p_len[u])), pt.p_len[u]);
    bits_.Put(static_cast<std::uint32_t>(position & 63), 6);
}

void Encoder::Run(std::span<const std::uint8_t> data) {
    std::size_t next = 0;
    auto read = [&](int& c) {
        if (next >= data.size()) {
            return false;
        }
        c = data[next++];
        return true;
    };
    InitTree();
    int s = 0;
    int r = N - F;
    for (int i = s; i < r; ++i) {
        text_[i] = ' ';
    }
    int len = 0;
    for (int c = 0; len < F && read(c); ++len) {
        text_[r + len] = static_cast<std::uint8_t>(c);
    }
    for (int i = 1; i <= F; ++i) {
        InsertNode(r - i);
    }
    InsertNode(r);
    while (len > 0) {
        if (matchLength_ > len) {
            matchLength_ = len;
        }
        if (matchLength_ <= THRESHOLD) {
            matchLength_ = 1;
            EncodeChar(text_[r]);
        } else {
            EncodeChar(255 - THRESHOLD + matchLength_);
            EncodePosition(matchPosition_);
        }
        const int lastMatchLength = matchLength_;
        int i = 0;
        for (int c = 0; i < lastMatchLength && read(c); ++i) {
            DeleteNode(s);
            text_[s] = static_cast<std::uint8_t>(c);
            if (s < F - 1) {
                text_[s + N] = static_cast<std::uint8_t>(c);
            }
            s = (s + 1) & (N - 1);
            r = (r + 1) & (N - 1);
            InsertNode(r);
        }
        for (; i < lastMatchLength; ++i) {
            DeleteNode(s);
            s = (s + 1) & (N - 1);
            r = (r + 1) & (N - 1);
            if (--len > 0) {
                InsertNode(r);
            }
        }
    }
    bits_.Flush();
}

} // namespace

std::vector<std::uint8_t> LzhCompress(std::span<const std::uint8_t> data) {
    if (data.size() > 0x7FFFFFFF) {
        throw std::length_error("LZH : data too large for a 32-bit length field");
    }
    const auto size = static_cast<std::uint32_t>(data.size());
    std::vector<std::uint8_t> out = {static_cast<std::uint8_t>(size), static_cast<std::uint8_t>(size >> 8),
                                     static_cast<std::uint8_t>(size >> 16),
                                     static_cast<std::uint8_t>(size >> 24)};
    if (size == 0) {
        return out;
    }
    auto encoder = std::make_unique<Encoder>(out);
    encoder->Run(data);
    return out;
}

} // namespace quellar
