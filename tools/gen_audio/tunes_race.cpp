// The two race themes and the two-player battle theme.
#include "tools/gen_audio/tunes.h"

namespace audiogen {

// Driving A major rock: four-on-the-floor, saw lead, crunchy power chords and a
// sixteenth-note synth arpeggio when the tune comes round again.
std::vector<std::uint8_t> raceTheme() {
  Song s("Driftwing Race", 160, 28);
  const auto [lead, guitar, arp, bass] = s.addBand({{"Saw Lead", 0, 81, 56, 64, 0.9},
                                                    {"Guitar", 1, 29, 80, 36, 0.85},
                                                    {"Poly Arp", 2, 90, 62, 92, 0.6},
                                                    {"Synth Bass", 3, 38, 80, 64, 0.8}});
  const int drums = s.addKit(100);

  s.chords(0, "A A F:8 G:8 E | A G D A A G D E | A G D A F G E E | F#m D A E | F G A A");

  s.melody(lead, 4,
           "E5:2 E5:2 A5:4 E5:2 C#5:2 E5:4 | D5:2 D5:2 G5:4 D5:2 B4:2 D5:4 |"
           "F#5:4 E5:2 D5:2 A5:6 F#5:2 | E5:12 r:4 |"
           "E5:2 E5:2 A5:4 B5:2 C#6:2 B5:4 | D6:4 B5:2 G5:2 D5:4 G5:4 |"
           "F#5:2 G5:2 A5:4 F#5:2 D5:2 A4:4 | B4:4 E5:4 G#5:8 |",
           96);
  s.melody(lead, 12,
           "r:2 E5:2 A5:2 E5:2 C#6:4 A5:4 | r:2 D5:2 G5:2 D5:2 B5:4 G5:4 |"
           "A5:2 F#5:2 D5:2 F#5:2 A5:4 D6:4 | C#6:8 A5:4 E5:4 |"
           "C6:4 A5:2 F5:2 C6:4 A5:4 | D6:4 B5:2 G5:2 D6:4 B5:4 | E6:8 D6:4 B5:4 | G#5:12 r:4 |",
           100);
  s.melody(lead, 20, "C#5:6 F#5:6 A5:4 | A5:8 F#5:4 D5:4 | E5:6 A5:6 C#6:4 | B5:16 |", 92);
  s.melody(lead, 24,
           "F5:2 A5:2 C6:2 A5:2 F5:2 A5:2 C6:4 | G5:2 B5:2 D6:2 B5:2 G5:2 B5:2 D6:4 |"
           "A5:4 C#6:4 E6:8 | A5:4 r:12 |",
           100);

  s.power(guitar, 45,
          {{0, 4, "x-x-x-x-x-x-x-x-", 80},
           {4, 8, "x-----x-----x-x-", 88},
           {12, 8, "x-x-x-x-x-x-x-x-", 86},
           {20, 4, "x---------------", 84},
           {24, 4, "x-----x-----x---", 90}});
  s.arp(arp, 64, {{12, 8, "0123", 70}, {20, 4, "0-1-2-3-4-3-2-1-", 66}});

  s.bass(bass, {{0, 4, "R-R-R-R-R-R-R-R-", 94},
                {4, 16, "R-R-O-R-R-R-5-O-", 98},
                {20, 4, "R---R---R---R-5-", 96},
                {24, 4, "R-R-O-R-R-R-5-O-", 100}});

  const Groove intro = {{kKick, "x...x...x...x..."}, {kClosedHat, "x.x.x.x.x.x.x.x."}};
  const Groove beat = {{kKick, "x...x...x...x..."},
                       {kSnare, "....x.......x..."},
                       {kClosedHat, "x...x...x...x..."},
                       {kOpenHat, "..x...x...x...x."}};
  const Groove half = {
      {kKick, "x.......x.x....."}, {kSnare, "........x......."}, {kRide, "x.x.x.x.x.x.x.x."}};
  const Groove fill = {{kKick, "x...x...x...x..."}, {kSnare, "....x...xxoxxxXX"}};
  s.drums(drums, {{0, 2, &intro, 88},
                  {2, 2, &beat, 94, &fill},
                  {4, 8, &beat, 98, &fill},
                  {12, 8, &beat, 100, &fill},
                  {20, 4, &half, 94, &fill},
                  {24, 4, &beat, 100, &fill}});
  for (int bar : {4, 12, 20, 24}) s.drums(drums, bar, 1, kCrashOnOne, 100);
  return s.toMidi();
}

// Tense C minor chase: a pulsing sixteenth-note bass, harmonic-minor lead lines over
// dark chords (Ab, Db, G7) and plucked strings ticking underneath.
std::vector<std::uint8_t> chaseTheme() {
  Song s("Driftwing Chase", 172, 28);
  const auto [lead, strings, pizz, bass] = s.addBand({{"Square Lead", 0, 80, 64, 64, 0.85},
                                                      {"Synth Strings", 1, 50, 48, 40, 1.0},
                                                      {"Pizzicato", 2, 45, 60, 92, 0.9},
                                                      {"Synth Bass", 3, 39, 80, 64, 0.7}});
  const int drums = s.addKit(100);

  s.chords(0,
           "Cm Cm Ab G | Cm Ab Fm G Cm Ab Db G7 | Cm Ab Fm G Eb Ab Fm:8 G:8 G | Fm Cm Ab G | Cm Db "
           "Cm G7");

  s.melody(
      lead, 4,
      "G4:2 C5:2 Eb5:2 G5:6 F5:2 Eb5:2 | Ab4:2 C5:2 Eb5:2 Ab5:6 G5:2 F5:2 |"
      "F5:4 Eb5:2 F5:2 Ab5:4 C6:4 | B5:8 D5:4 F5:4 |"
      "G5:2 Eb5:2 C5:2 Eb5:2 G5:2 C6:2 B5:2 C6:2 | Ab5:2 Eb5:2 C5:2 Eb5:2 Ab5:2 C6:2 Bb5:2 Ab5:2 |"
      "Ab5:4 F5:4 Db5:4 F5:4 | G5:6 F5:2 D5:4 B4:4 |",
      96);
  s.melody(
      lead, 12,
      "C6:4 G5:2 Eb5:2 C6:4 D6:2 Eb6:2 | C6:4 Ab5:2 Eb5:2 C6:4 Bb5:2 Ab5:2 |"
      "C5:2 F5:2 Ab5:2 C6:2 Ab5:2 F5:2 Ab5:2 C6:2 | D6:4 B5:4 G5:4 F5:4 |"
      "G5:6 Bb5:2 Eb6:8 | Eb6:4 C6:4 Ab5:4 Eb5:4 | F5:2 Ab5:2 C6:4 B5:2 G5:2 D5:4 | G5:12 r:4 |",
      100);
  s.melody(lead, 20, "Ab5:8 G5:4 F5:4 | G5:8 Eb5:8 | C6:8 Bb5:4 Ab5:4 | B5:16 |", 94);
  s.melody(lead, 24,
           "C5:2 Eb5:2 G5:2 C6:2 G5:2 Eb5:2 C5:4 | Db5:2 F5:2 Ab5:2 Db6:2 Ab5:2 F5:2 Db5:4 |"
           "C5:2 Eb5:2 G5:2 C6:2 G5:2 Eb5:2 C5:4 | B4:4 D5:4 F5:4 G5:4 |",
           100);

  s.comp(strings, 55,
         {{2, 10, "x---------------", 66},
          {12, 8, "x-------x-------", 70},
          {20, 4, "x-x-x-x-x-x-x-x-", 72},
          {24, 4, "x---------------", 70}});
  s.arp(pizz, 60,
        {{4, 8, "0.1.2.1.0.1.2.1.", 80},
         {12, 8, "3.2.1.2.3.2.1.0.", 82},
         {24, 4, "0.1.2.1.0.1.2.1.", 80}});

  s.bass(bass, {{0, 20, "RROR", 96}, {20, 4, "R-R-R-R-R-R-5-R-", 98}, {24, 4, "RROR", 98}});

  const Groove intro = {{kKick, "x...x...x...x..."}, {kClosedHat, "xoxoxoxoxoxoxoxo"}};
  const Groove beat = {
      {kKick, "x..x..x...x..x.."}, {kSnare, "....x.......x..."}, {kClosedHat, "xoxoxoxoxoxoxoxo"}};
  const Groove toms = {{kKick, "x.....x.x......."},
                       {kSnare, "....x.......x..."},
                       {kLowTom, "...x......x..x.."},
                       {kClosedHat, "x.x.x.x.x.x.x.x."}};
  const Groove fill = {{kKick, "x..x..x........."},
                       {kSnare, "....x...xx..xx.."},
                       {kHighTom, "..........xx...."},
                       {kLowTom, "..............xX"}};
  s.drums(drums, {{0, 2, &intro, 88},
                  {2, 2, &beat, 94, &fill},
                  {4, 8, &beat, 98, &fill},
                  {12, 8, &beat, 100, &fill},
                  {20, 4, &toms, 96, &fill},
                  {24, 4, &beat, 100, &fill}});
  for (int bar : {4, 12, 20, 24}) s.drums(drums, bar, 1, kCrashOnOne, 100);
  return s.toMidi();
}

// Two-player battle in E minor: a galloping guitar riff while synth brass (left) and a
// buzzing lead (right) trade phrases, then lock together an octave apart.
std::vector<std::uint8_t> battleTheme() {
  Song s("Driftwing Battle", 140, 24);
  const auto [one, two, guitar, hits, bass] = s.addBand({{"Player One Brass", 0, 62, 80, 28, 0.9},
                                                         {"Player Two Lead", 1, 87, 66, 100, 0.9},
                                                         {"Distortion Guitar", 2, 30, 78, 64, 0.8},
                                                         {"Orchestra Hits", 3, 55, 80, 64, 0.5},
                                                         {"Pick Bass", 4, 34, 96, 64, 0.8}});
  const int drums = s.addKit(100);

  s.chords(0,
           "Em Em C:8 D:8 B | Em Em C D Em Em C B | Am Em C D Am Em F:8 D:8 B | Em:8 F:8 Em:8 F:8 "
           "Em:8 D:8 B");

  s.melody(one, 4,
           "E5:3 E5:3 G5:2 B5:4 A5:2 G5:2 | F#5:3 G5:3 F#5:2 E5:8 | r:32 |"
           "B5:2 B5:2 B5:2 E6:2 D6:2 B5:2 G5:4 | A5:2 G5:2 F#5:2 G5:2 E5:8 |",
           98);
  s.melody(two, 6,
           "E5:3 E5:3 G5:2 C6:4 B5:2 G5:2 | A5:3 B5:3 A5:2 F#5:8 | r:32 |"
           "C6:2 C6:2 C6:2 E6:2 D6:2 C6:2 G5:4 | F#5:2 A5:2 B5:2 D#6:2 B5:8 |",
           98);
  s.melody(one, 12, "A5:2 C6:2 E6:4 D6:2 C6:2 A5:4 | r:16 | E5:2 G5:2 C6:4 B5:2 G5:2 E5:4 |", 100);
  s.melody(two, 13, "G5:2 B5:2 E6:4 D6:2 B5:2 G5:4 | r:16 | F#5:2 A5:2 D6:4 C6:2 A5:2 F#5:4 |",
           100);
  const char* together =
      "A5:4 B5:2 C6:2 E6:4 C6:4 | B5:4 G5:2 B5:2 E6:8 |"
      "F5:2 A5:2 C6:4 D6:2 A5:2 F#5:4 | B5:4 A5:4 F#5:4 D#5:4 |"
      "E5:4 B4:4 F5:4 C5:4 | E5:2 G5:2 B5:4 A5:2 F5:2 C6:4 | B5:4 G5:4 A5:4 F#5:4 | D#5:4 F#5:4 "
      "B5:8 |";
  s.melody(one, 16, together, 104);
  s.melody(two, 16, together, 100, -12);

  const char* gallop = "x-xxx-xxx-xxx-xx";
  s.power(guitar, 40, {{0, 12, gallop, 84}, {12, 8, "x--x--x-x--x--x-", 88}, {20, 4, gallop, 90}});
  s.comp(hits, 60,
         {{2, 2, "x-----x-----x-x-", 96},
          {18, 2, "x-----x-----x-x-", 100},
          {23, 1, "x-----x-----x-x-", 104}});

  s.bass(bass, {{0, 12, "R-RRR-RRR-RRR-RR", 98},
                {12, 8, "R--R--R-R--R--O-", 100},
                {20, 4, "R-RRR-RRR-RRR-RR", 100}});

  const Groove count = {{kClosedHat, "x...x...x...x..."}};
  const Groove beat = {
      {kKick, "x.xxx.xxx.xxx.xx"}, {kSnare, "....x.......x..."}, {kClosedHat, "x.x.x.x.x.x.x.x."}};
  const Groove pound = {
      {kKick, "xxxxxxxxxxxxxxxx"}, {kSnare, "....X.......X..."}, {kRide, "x.x.x.x.x.x.x.x."}};
  const Groove fill = {{kKick, "x.xxx.xx........"},
                       {kSnare, "....x...xxxx...."},
                       {kMidTom, "............xx.."},
                       {kFloorTom, "..............xX"}};
  s.drums(drums, {{0, 2, &count, 84},
                  {2, 2, &beat, 96, &fill},
                  {4, 8, &beat, 98, &fill},
                  {12, 8, &pound, 96, &fill},
                  {20, 4, &pound, 100, &fill}});
  for (int bar : {2, 4, 12, 16, 20}) s.drums(drums, bar, 1, kCrashOnOne, 100);
  return s.toMidi();
}

}  // namespace audiogen
