#pragma once
// Note names in equal temperament around A = 440 Hz.
//
// A note index n counts semitones, with n = 48 the A of 440 Hz. Octaves 0..9 begin at A:
// octave o holds 12 o .. 12 o + 11, from A up to G sharp, so the C of octave 4 (523 Hz) lies
// above its A. Accepted texts, blanks around them and letter case ignored:
//   N<decimal 0..121>                  an absolute note index; the octave stays
//   [O<digit> | any of < and >] <A..G> [+ or # (sharp) | - (flat)]
// where O<digit> sets the octave, < and > step it down and up within 0..9, and a letter
// without a prefix uses the remembered octave.
#include <cstdint>
#include <string_view>

namespace quellar {

// The frequency of the note in whole hertz (rounded, halves up), or 0 when the text is not
// accepted or the frequency lies outside 20..20000. octave is the starting octave; when the
// text is a note it receives the octave the text left in force, even if the frequency is then
// rejected.
std::int32_t ParseNote(std::string_view note, std::int32_t& octave);

} // namespace quellar
