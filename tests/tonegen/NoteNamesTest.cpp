// Note names: the parser's accepted forms and its remembered octave, and how SetNote and
// SetAMNote store the result.
#include "tonegen/NoteNames.h"
#include "RecordingSoundService.h"
#include "tonegen/ToneGen.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <utility>
#include <vector>

namespace quellar::test {
namespace {

std::int32_t ParseAt4(const std::string& text) {
    std::int32_t octave = 4;
    return ParseNote(text, octave);
}

// Out of range too: an absolute index past 64 bits, and the flat of A of octave 0.
TEST(NoteNames, NotesThatDoNotExistAreRejected) {
    for (const char* text : {"E#", "B+", "C-",  "F-",  "H",   "A4", "O",    "OXA",  "",    "  ", "A#-",
                             "AA", "N",  "N-1", "N+5", "N 5", "Nx", "N122", "N115", "O9E", "5A", "<A>"}) {
        EXPECT_EQ(ParseAt4(text), 0) << '"' << text << '"';
    }
    EXPECT_EQ(ParseAt4("N99999999999999999999"), 0);
    EXPECT_EQ(ParseAt4("O0A-"), 0);
}

// From octave 4: letters, accidentals and case ("C" lies above its A, "A-" is the G sharp of
// octave 3), octave prefixes held to 0 .. 9 ("<<<<<<<<<<A" is octave 0, 27.5 Hz rounded up), the
// absolute form counted from A of octave 0, and "O9D#", the highest letter note.
TEST(NoteNames, LettersAccidentalsOctavesAndAbsoluteIndices) {
    const std::pair<std::int32_t, std::vector<std::string>> cases[] = {
        {440, {"A", "a", "  A \t", "N48", "N000000000048"}},
        {466, {"A#", "A+", "B-"}},
        {28, {"<<<<<<<<<<A", "N0", "O0A"}},
        {19912, {"N114", "O9D#"}},
        {523, {"C"}},
        {554, {"c#"}},
        {831, {"G#"}},
        {415, {"A-"}},
        {880, {">A"}},
        {16744, {">>>>>>>>>>C"}},
        {740, {"n057"}}};
    for (const auto& [hz, texts] : cases) {
        for (const std::string& text : texts) {
            EXPECT_EQ(ParseAt4(text), hz) << '"' << text << '"';
        }
    }
}

TEST(NoteNames, TheOctaveIsWrittenOnlyForANote) {
    std::int32_t octave = 4;
    EXPECT_EQ(ParseNote("O5A", octave), 880);
    EXPECT_EQ(octave, 5);
    EXPECT_EQ(ParseNote("A", octave), 880);
    EXPECT_EQ(ParseNote("<<A-", octave), 208);
    EXPECT_EQ(octave, 2) << "the flat of A lowers the octave";
    EXPECT_EQ(ParseNote("N96", octave), 7040);
    EXPECT_EQ(octave, 2) << "the absolute form keeps the octave";
    EXPECT_EQ(ParseNote("O7H", octave), 0);
    EXPECT_EQ(octave, 2);
    octave = 8;
    EXPECT_EQ(ParseNote(">E", octave), 0) << "21,096 Hz is out of range";
    EXPECT_EQ(octave, 9) << "but the text was a note";
    octave = 0;
    EXPECT_EQ(ParseNote("O1<A", octave), 0) << "only one prefix";
}

TEST(NoteNames, SetNoteSetsTheFrequencyAndRemembersTheOctave) {
    TRecordingSoundService sound;
    TToneGen t(nullptr, &sound);
    EXPECT_EQ(t.SetNote("O5A"), 880);
    EXPECT_EQ(t.Frequency(), 880);
    EXPECT_EQ(t.Octave(), 5);
    EXPECT_EQ(t.SetNote("C"), 1047);
    EXPECT_EQ(t.SetNote("O9E"), 0);
    EXPECT_EQ(t.Frequency(), 1047);
    EXPECT_EQ(t.Octave(), 5) << "a rejected note stores nothing";
}

TEST(NoteNames, SetAMNoteStoresAMultiplierOrHertzInTheEntryOnly) {
    TRecordingSoundService sound;
    TToneGen t(nullptr, &sound);
    const float m = t.SetAMNote(tgAMLevel1, "A#");
    EXPECT_EQ(m, static_cast<float>(466.0 / 440.0));
    EXPECT_NEAR(m, 1.0590909f, 1e-7f);
    EXPECT_EQ(t.AMEntry(tgAMLevel1).frequency, m);
    EXPECT_EQ(t.AMFrequency(), 0.5f) << "the selected copy is not touched";
    EXPECT_EQ(t.SetAMNote(tgAMLevel2, ">A"), 2.0f);
    EXPECT_EQ(t.AMEntry(tgAMLevel2).octave, 5);
    EXPECT_EQ(t.AMEntry(tgAMLevel1).octave, 4);
    EXPECT_EQ(t.Octave(), 4) << "the entries keep their own octaves";
    t.SetAMUseMultiplier(false);
    EXPECT_EQ(t.SetAMNote(tgAMLevel3, "C"), 523.0f);
    EXPECT_EQ(t.SetAMNote(tgAMLevel3, "X"), 0.0f);
    EXPECT_EQ(t.AMEntry(tgAMLevel3).frequency, 523.0f);
    t.ResetAM();
    EXPECT_EQ(t.AMEntry(tgAMLevel2).octave, 5) << "ResetAM leaves the remembered octaves";
    EXPECT_EQ(t.AMEntry(tgAMLevel2).frequency, 1.0f);
}

// 466 / 440 stored as a float makes the render's Trunc(440 x 1.0590909) a 465 Hz oscillator.
TEST(NoteNames, AMNoteMultiplierRendersOneHertzBelowTheNote) {
    TRecordingSoundService sound;
    TToneGen t(nullptr, &sound);
    t.SetAMNote(tgAMLevel1, "A#");
    t.SetAMParameter(tgAMLevel1, 100, t.AMEntry(tgAMLevel1).frequency, tgSquare);
    t.SetDuration(1000);
    ASSERT_TRUE(t.RenderWave(false));
    // 465 Hz square: 465 troughs begin in one second (a rise from the halved peak to T).
    const std::uint8_t* d = t.GetDataBuffer() + 44;
    int starts = 0;
    std::int16_t prev = 32767;
    for (int i = 0; i < 96000; ++i) {
        std::int16_t v;
        std::memcpy(&v, d + 2 * i, 2);
        starts += v < 0 && prev > 0;
        prev = v;
    }
    EXPECT_EQ(starts, 465);
}

} // namespace
} // namespace quellar::test
