#include "tests/support/MessageSequence.h"

#include "tests/support/MessageNames.h"

#include <cstdint>
#include <cstdio>
#include <utility>
#include <vector>

namespace quellar::test {

namespace {

// How a state (rows consumed, entries consumed) was first reached.
enum Step : unsigned char { kUnreached, kStart, kMatched, kRowLeftOut, kEntryPassed };

// Every state the comparison can reach, row-major over rows 0..n and entries 0..m. One byte a
// state, filled forward: each step leads to a later state, so one pass in order finds them all.
// Greedy matching is not enough: an optional row may take an entry a later row needs.
class Reachable {
public:
    Reachable(std::span<const RecordedMessage> recorded, std::span<const ExpectedMessage> expected,
              Match mode)
        : rows_(expected.size()), entries_(recorded.size()),
          steps_((rows_ + 1) * (entries_ + 1), kUnreached) {
        At(0, 0) = kStart;
        for (std::size_t i = 0; i <= rows_; ++i) {
            for (std::size_t j = 0; j <= entries_; ++j) {
                if (At(i, j) == kUnreached) {
                    continue;
                }
                if (i < rows_ && j < entries_ && RowMatches(expected[i], recorded[j])) {
                    Mark(i + 1, j + 1, kMatched);
                }
                if (i < rows_ && (expected[i].flags & kOptional) != 0) {
                    Mark(i + 1, j, kRowLeftOut);
                }
                if (mode == Match::Subsequence && j < entries_) {
                    Mark(i, j + 1, kEntryPassed);
                }
            }
        }
    }
    bool Complete() const { return At(rows_, entries_) != kUnreached; }
    // The state with the most rows accounted for, at the earliest entry: where the tables part.
    std::pair<std::size_t, std::size_t> Furthest() const {
        for (std::size_t i = rows_ + 1; i-- > 0;) {
            for (std::size_t j = 0; j <= entries_; ++j) {
                if (At(i, j) != kUnreached) {
                    return {i, j};
                }
            }
        }
        return {0, 0};
    }
    // The steps from the start to state (i, j), first step first.
    std::vector<Step> PathTo(std::size_t i, std::size_t j) const {
        std::vector<Step> path;
        for (Step step = At(i, j); step != kStart && step != kUnreached; step = At(i, j)) {
            path.push_back(step);
            i -= step == kEntryPassed ? 0 : 1;
            j -= step == kRowLeftOut ? 0 : 1;
        }
        return {path.rbegin(), path.rend()};
    }

private:
    Step& At(std::size_t i, std::size_t j) { return steps_[i * (entries_ + 1) + j]; }
    Step At(std::size_t i, std::size_t j) const { return steps_[i * (entries_ + 1) + j]; }
    void Mark(std::size_t i, std::size_t j, Step step) {
        if (At(i, j) == kUnreached) {
            At(i, j) = step;
        }
    }
    std::size_t rows_, entries_;
    std::vector<Step> steps_;
};

std::string Hex(std::uintptr_t value) {
    char text[24];
    std::snprintf(text, sizeof text, "0x%llX", static_cast<unsigned long long>(value));
    return text;
}

std::string What(UINT message, unsigned flags, const char* call) {
    if ((flags & kCall) != 0) {
        return std::string(call != nullptr ? call : "?") + "()";
    }
    if ((flags & kHook) != 0) {
        return HookCodeName(static_cast<int>(message)) + " hook";
    }
    return MessageName(message);
}

std::string Describe(const RecordedMessage& entry) {
    std::string text = What(entry.message, entry.flags, entry.call.c_str());
    text += (entry.flags & kPosted) != 0 ? " posted" : (entry.flags & kSent) != 0 ? " sent" : "";
    return text + " w=" + Hex(entry.wParam) + " l=" + Hex(static_cast<std::uintptr_t>(entry.lParam));
}

std::string Describe(const ExpectedMessage& row) {
    std::string text = What(row.message, row.flags, row.call);
    text += (row.flags & kSent) != 0 ? " sent" : "";
    text += (row.flags & kPosted) != 0 ? " posted" : "";
    text += (row.flags & kWParam) != 0 ? " w=" + Hex(row.wParam) : "";
    text += (row.flags & kLParam) != 0 ? " l=" + Hex(static_cast<std::uintptr_t>(row.lParam)) : "";
    return text + ((row.flags & kOptional) != 0 ? " (optional)" : "");
}

void AddLine(std::string& dump, char mark, const std::string& left, const std::string& right) {
    constexpr std::size_t kLeftWidth = 44;
    dump += ' ';
    dump += mark;
    dump += ' ';
    dump += left;
    dump.append(left.size() < kLeftWidth ? kLeftWidth - left.size() : 1, ' ');
    dump += "| " + right + "\n";
}

// Marks: ' ' a row and its entry, '?' an optional row left out, '+' an entry passed over
// between rows, '>' the first difference; the lines after it pair up what is left. In a
// subsequence the row at the difference is missing from the rest of the recording, so it is not
// set beside an entry it has nothing to do with.
std::string Dump(std::span<const RecordedMessage> recorded, std::span<const ExpectedMessage> expected,
                 const Reachable& reachable, Match mode) {
    const auto [row, entry] = reachable.Furthest();
    std::string dump;
    AddLine(dump, ' ', "expected", "recorded");
    std::size_t i = 0, j = 0;
    for (const Step step : reachable.PathTo(row, entry)) {
        const bool takesRow = step != kEntryPassed, takesEntry = step != kRowLeftOut;
        const char mark = step == kMatched ? ' ' : step == kRowLeftOut ? '?' : '+';
        AddLine(dump, mark, takesRow ? Describe(expected[i]) : "", takesEntry ? Describe(recorded[j]) : "");
        i += takesRow ? 1 : 0;
        j += takesEntry ? 1 : 0;
    }
    if (mode == Match::Subsequence) {
        AddLine(dump, '>', Describe(expected[i++]), "(not found in the rest)");
    } else {
        AddLine(dump, '>', i < expected.size() ? Describe(expected[i++]) : "(end)",
                j < recorded.size() ? Describe(recorded[j++]) : "(end)");
    }
    while (i < expected.size() || j < recorded.size()) {
        AddLine(dump, ' ', i < expected.size() ? Describe(expected[i++]) : "",
                j < recorded.size() ? Describe(recorded[j++]) : "");
    }
    return dump;
}

} // namespace

bool RowMatches(const ExpectedMessage& row, const RecordedMessage& entry) {
    constexpr unsigned kKind = kCall | kHook;
    if ((row.flags & kKind) != (entry.flags & kKind)) {
        return false;
    }
    if ((row.flags & kCall) != 0 ? row.call == nullptr || entry.call != row.call
                                 : row.message != entry.message) {
        return false;
    }
    const unsigned delivery = row.flags & (kSent | kPosted);
    return (delivery == 0 || (entry.flags & delivery) != 0) &&
           ((row.flags & kWParam) == 0 || row.wParam == entry.wParam) &&
           ((row.flags & kLParam) == 0 || row.lParam == entry.lParam);
}

::testing::AssertionResult CompareSequence(std::span<const RecordedMessage> recorded,
                                           std::span<const ExpectedMessage> expected, Match mode) {
    const Reachable reachable(recorded, expected, mode);
    if (reachable.Complete()) {
        return ::testing::AssertionSuccess();
    }
    const auto [row, entry] = reachable.Furthest();
    return ::testing::AssertionFailure()
           << (mode == Match::Exact ? "exact" : "subsequence") << " match fails at expected row " << row
           << " of " << expected.size() << ", recorded entry " << entry << " of " << recorded.size() << ":\n"
           << Dump(recorded, expected, reachable, mode);
}

} // namespace quellar::test
