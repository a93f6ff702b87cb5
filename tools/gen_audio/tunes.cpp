// Title and ending themes, and the list of tune files.
#include "tools/gen_audio/tunes.h"

#include "tools/gen_audio/audiogen.h"

namespace audiogen {
namespace {

const Groove kTomFill = {{kKick, "x.....x.x......."},    {kSnare, "....x..........."},
                         {kHighTom, "........xx......"}, {kMidTom, "..........xx...."},
                         {kLowTom, "............x.x."},  {kFloorTom, ".............x.X"}};

}  // namespace

// Heroic title theme: brass fanfare intro, the trumpet tune twice (the second time
// climbing higher, with glockenspiel), then a fanfare turnaround on G and A.
std::vector<std::uint8_t> titleTheme() {
  Song s("Driftwing Title", 120, 24);
  const auto [lead, brass, strings, glock, bass] = s.addBand({{"Trumpet", 0, 56, 112, 64, 0.92},
                                                              {"Brass", 1, 61, 96, 44, 0.85},
                                                              {"Strings", 2, 48, 84, 84, 1.0},
                                                              {"Glockenspiel", 3, 9, 100, 96, 0.5},
                                                              {"Bass", 4, 33, 96, 64, 0.85}});
  const int drums = s.addKit(104);

  s.chords(0, "D G Em A | D A Bm G D A G A | D A Bm G D A G:8 A:8 D | G A G A");

  s.melody(lead, 4,
           "A4:4 D5:6 E5:2 F#5:4 | E5:6 C#5:2 A4:8 | B4:4 D5:4 F#5:4 B5:4 | B5:6 A5:2 G5:4 D5:4 |"
           "A4:4 D5:6 E5:2 F#5:4 | E5:4 A5:6 G5:2 E5:4 | D5:4 E5:2 F#5:2 G5:4 B5:4 | A5:12 r:4 |",
           94);
  s.melody(lead, 12,
           "A4:2 A4:2 D5:6 E5:2 F#5:4 | E5:6 C#5:2 A4:4 C#5:2 E5:2 |"
           "D5:2 F#5:2 B5:4 A5:2 F#5:2 D5:4 | G5:6 A5:2 B5:4 D6:4 |"
           "D6:6 C#6:2 A5:4 F#5:4 | E5:4 A5:4 C#6:6 B5:2 | B5:4 G5:4 A5:4 C#6:4 | D6:12 r:4 |",
           100);
  s.melody(lead, 20,
           "D5:3 D5:3 D5:2 G5:8 | E5:3 E5:3 E5:2 A5:8 | B5:3 A5:3 G5:2 D5:4 G5:4 | A5:8 r:8 |",
           104);

  const char* fanfare = "x--x--x-x-------";
  s.comp(brass, 57, {{0, 4, fanfare, 92}, {12, 8, "........x--x....", 66}, {20, 4, fanfare, 96}});
  s.comp(strings, 55, {{0, 24, "x-------x-------", 64}});
  s.arp(glock, 74, {{12, 8, "0.1.2.1.3.2.1.2.", 70}});

  s.bass(bass, {{0, 4, "R-------R---5---", 92},
                {4, 8, "R-R-R-R-R-R-5-O-", 96},
                {12, 8, "R--RR-R-R--R5-O-", 98},
                {20, 4, "R-R-R-R-R-R-5-O-", 100}});

  const Groove intro = {{kKick, "x.......x......."}, {kClosedHat, "x.x.x.x.x.x.x.x."}};
  const Groove beat = {
      {kKick, "x.....x.x.x....."}, {kSnare, "....x.......x..."}, {kClosedHat, "x.x.x.x.x.x.x.x."}};
  const Groove lift = {{kKick, "x.....x.x.x....."},
                       {kSnare, "....x.......x..."},
                       {kRide, "x.x.x.x.x.x.x.x."},
                       {kTambourine, "....x.......x..."}};
  s.drums(drums, {{0, 4, &intro, 84, &kTomFill},
                  {4, 8, &beat, 94, &kTomFill},
                  {12, 8, &lift, 98, &kTomFill},
                  {20, 4, &beat, 100, &kTomFill}});
  for (int bar : {0, 4, 12, 20}) s.drums(drums, bar, 1, kCrashOnOne, 96);
  return s.toMidi();
}

// Warm closing tune: piano arpeggios, the horn sings the tune, then the flute takes a
// brighter variation over the horn's long notes; ends on Bb and C to loop back home.
std::vector<std::uint8_t> endingTheme() {
  Song s("Driftwing Ending", 96, 20);
  const auto [horn, flute, piano, strings, bass] =
      s.addBand({{"French Horn", 0, 60, 110, 56, 0.95},
                 {"Flute", 1, 73, 104, 76, 0.9},
                 {"Piano", 2, 0, 112, 40, 1.0},
                 {"Strings", 3, 49, 84, 90, 1.0},
                 {"Fretless Bass", 4, 35, 104, 64, 0.9}});
  const int drums = s.addKit(100);

  s.chords(0, "F Bb:8 C:8 | F C Dm Bb F C Bb:8 C:8 F | Bb C Am Dm Gm C Am:8 Dm:8 Gm:8 C:8 | Bb C");

  s.melody(horn, 2,
           "A4:4 C5:4 F5:6 E5:2 | D5:4 C5:4 G4:8 | A4:4 D5:4 F5:6 E5:2 | D5:6 C5:2 Bb4:8 |"
           "A4:4 C5:4 F5:4 A5:4 | G5:6 F5:2 E5:4 C5:4 | D5:4 F5:4 E5:4 G5:4 | F5:12 r:4 |",
           90);
  s.melody(horn, 10, "D5:16 | E5:16 | E5:16 | F5:16 | D5:16 | E5:16 | C5:8 D5:8 | Bb4:8 C5:8 |",
           68);
  s.melody(horn, 18, "F5:4 D5:4 Bb4:4 D5:4 | C5:4 E5:4 G5:8 |", 86);
  s.melody(flute, 10,
           "F5:4 D5:2 F5:2 Bb5:6 A5:2 | G5:4 E5:2 G5:2 C6:8 | C6:4 A5:2 C6:2 E6:6 D6:2 | D6:4 A5:4 "
           "F5:8 |"
           "G5:4 Bb5:4 D6:6 C6:2 | C6:4 Bb5:4 G5:4 E5:4 | A5:4 C6:4 D6:4 F6:4 | D6:6 Bb5:2 C6:8 |",
           92);

  s.arp(piano, 53,
        {{0, 10, "0-1-2-3-2-1-2-3-", 86},
         {10, 8, "0-1-2-3-4-3-2-1-", 90},
         {18, 2, "0-1-2-3-2-1-2-3-", 86}});
  s.comp(strings, 60, {{0, 20, "x-------x-------", 60}});

  s.bass(bass, {{0, 2, "R-------R-------", 88},
                {2, 8, "R-----R-R-----5-", 92},
                {10, 8, "R-----R-R---O-5-", 96},
                {18, 2, "R-------R-----5-", 90}});

  const Groove soft = {{kKick, "x.......x.x....."},
                       {kSideStick, "....x.......x..."},
                       {kClosedHat, "x.x.x.x.x.x.x.x."}};
  const Groove full = {{kKick, "x.......x.x....."},
                       {kSnare, "....x.......x..."},
                       {kRide, "x.x.x.x.x.x.x.x."},
                       {kTambourine, "..x...x...x...x."}};
  const Groove fill = {{kKick, "x.......x......."}, {kSnare, "....x.....o.xoxx"}};
  s.drums(drums, {{2, 8, &soft, 80, &fill}, {10, 8, &full, 88, &fill}, {18, 2, &soft, 80, &fill}});
  for (int bar : {2, 10}) s.drums(drums, bar, 1, kCrashOnOne, 84);
  return s.toMidi();
}

std::vector<AudioFile> makeTunes() {
  return {{"tvop.Mid", titleTheme()},
          {"2.mid", raceTheme()},
          {"4.mid", chaseTheme()},
          {"3.mid", battleTheme()},
          {"come_orl.mid", endingTheme()}};
}

}  // namespace audiogen
