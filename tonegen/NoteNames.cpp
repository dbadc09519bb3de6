#include "tonegen/NoteNames.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace quellar {

namespace {

constexpr int kNotAccepted = -1;
constexpr int kHighestIndex = 121;

// Semitones within the octave of the letters A..G, natural, sharp and flat (kNotAccepted where
// the accidental does not exist; the flat of A is 11 of the octave below).
struct TLetter {
    char letter;
    int natural;
    int sharp;
    int flat;
};
constexpr TLetter kLetters[] = {{'A', 0, 1, 11}, {'B', 2, kNotAccepted, 1}, {'C', 3, 4, kNotAccepted},
                                {'D', 5, 6, 4},  {'E', 7, kNotAccepted, 6}, {'F', 8, 9, kNotAccepted},
                                {'G', 10, 11, 9}};

std::string TrimUpper(std::string_view text) {
    std::size_t begin = 0, end = text.size();
    while (begin < end && static_cast<unsigned char>(text[begin]) <= ' ') {
        ++begin;
    }
    while (end > begin && static_cast<unsigned char>(text[end - 1]) <= ' ') {
        --end;
    }
    std::string s(text.substr(begin, end - begin));
    for (char& c : s) {
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 'a' + 'A');
        }
    }
    return s;
}

// "N" followed by plain decimal digits naming an index 0..121; anything else is not accepted.
int AbsoluteIndex(std::string_view digits) {
    if (digits.empty()) {
        return kNotAccepted;
    }
    int n = 0;
    for (char c : digits) {
        if (c < '0' || c > '9') {
            return kNotAccepted;
        }
        n = std::min(n * 10 + (c - '0'), kHighestIndex + 1); // held above the range, never overflowing
    }
    return n <= kHighestIndex ? n : kNotAccepted;
}

// Reads the octave prefix of s at i: O<digit>, or any run of < and >. False when O is not
// followed by a digit.
bool ReadOctavePrefix(const std::string& s, std::size_t& i, int& octave) {
    if (i < s.size() && s[i] == 'O') {
        if (i + 1 >= s.size() || s[i + 1] < '0' || s[i + 1] > '9') {
            return false;
        }
        octave = s[i + 1] - '0';
        i += 2;
        return true;
    }
    for (; i < s.size() && (s[i] == '<' || s[i] == '>'); ++i) {
        octave = s[i] == '<' ? std::max(octave - 1, 0) : std::min(octave + 1, 9);
    }
    return true;
}

// Reads a letter and its accidental at i; the note index, or kNotAccepted.
int ReadLetter(const std::string& s, std::size_t& i, int& octave) {
    const TLetter* found = nullptr;
    for (const TLetter& l : kLetters) {
        if (i < s.size() && s[i] == l.letter) {
            found = &l;
        }
    }
    if (found == nullptr) {
        return kNotAccepted;
    }
    ++i;
    int semitone = found->natural;
    if (i < s.size() && (s[i] == '+' || s[i] == '#')) {
        semitone = found->sharp;
        ++i;
    } else if (i < s.size() && s[i] == '-') {
        semitone = found->flat;
        ++i;
        if (found->letter == 'A') {
            --octave;
        }
    }
    if (semitone == kNotAccepted || octave < 0) {
        return kNotAccepted;
    }
    return semitone + 12 * octave;
}

} // namespace

std::int32_t ParseNote(std::string_view note, std::int32_t& octave) {
    const std::string s = TrimUpper(note);
    int o = octave;
    int n = kNotAccepted;
    if (!s.empty() && s[0] == 'N') {
        n = AbsoluteIndex(std::string_view(s).substr(1));
    } else {
        std::size_t i = 0;
        if (!ReadOctavePrefix(s, i, o)) {
            return 0;
        }
        n = ReadLetter(s, i, o);
        if (i != s.size()) {
            n = kNotAccepted;
        }
    }
    if (n < 0) {
        return 0;
    }
    octave = o;
    const auto f = static_cast<std::int32_t>(440.0 * std::pow(2.0, (n - 48) / 12.0) + 0.5);
    return f >= 20 && f <= 20000 ? f : 0;
}

} // namespace quellar
