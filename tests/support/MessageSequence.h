#pragma once
// A recorded sequence of messages and calls, the table of rows it is expected to show, and the
// comparison of the two with a two-column dump of both when they differ.
#include <windows.h>

#include <gtest/gtest.h>

#include <span>
#include <string>

namespace quellar::test {

// What an entry is. A recorded entry has exactly one of kSent, kPosted, kCall, kHook.
constexpr unsigned kSent = 1u << 0;   // reached the window by a send or a direct call of its procedure
constexpr unsigned kPosted = 1u << 1; // reached the window from its queue: posted, input, timer, paint
constexpr unsigned kCall = 1u << 2;   // a call our code made, written by a test seam under a name
constexpr unsigned kHook = 1u << 3;   // a hook saw it; the message field holds the hook code
// Expected rows only: what else must hold.
constexpr unsigned kWParam = 1u << 4;   // wParam must equal the row's
constexpr unsigned kLParam = 1u << 5;   // lParam must equal the row's
constexpr unsigned kOptional = 1u << 6; // the entry may be absent

struct RecordedMessage {
    UINT message = 0; // the message id, the hook code, or what the seam passed for a call
    WPARAM wParam = 0;
    LPARAM lParam = 0;
    unsigned flags = 0;
    std::string call; // the call's name ("SetWindowRgn") for kCall
};

// One row of an expected table. A row without kSent or kPosted accepts either; a kCall row
// matches a recorded call of the same name, a kHook row a hook entry with the same code.
struct ExpectedMessage {
    UINT message = 0;
    unsigned flags = 0;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
    const char* call = nullptr;
};

// A row for a recorded call: ExpectCall("SetWindowPos", kWParam, SWP_NOMOVE).
constexpr ExpectedMessage ExpectCall(const char* name, unsigned flags = 0, WPARAM wParam = 0,
                                     LPARAM lParam = 0) {
    return {0, flags | kCall, wParam, lParam, name};
}

enum class Match {
    Exact,       // every recorded entry is accounted for by a row, in order (our own messages)
    Subsequence, // the rows appear in order; entries between them are allowed (the platform's)
};

bool RowMatches(const ExpectedMessage& row, const RecordedMessage& entry);

// Success, or a failure whose message lays the rows beside the entries: matched pairs first,
// then the first difference marked '>', then what is left of both.
::testing::AssertionResult CompareSequence(std::span<const RecordedMessage> recorded,
                                           std::span<const ExpectedMessage> expected, Match mode);

} // namespace quellar::test
