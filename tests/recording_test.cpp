// Recordings: a race kept as a replay script, written by the game and read
// back before a single event is played.
#include "replay/recording.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <random>

#include "replay/first_line.h"

namespace {

namespace fs = std::filesystem;

class ReplayRecording : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string name = (fs::temp_directory_path() / "driftwing-recording-XXXXXX").string();
    ASSERT_NE(::mkdtemp(name.data()), nullptr);
    dir = name;
  }
  void TearDown() override { fs::remove_all(dir); }

  std::string write(const std::string& bytes, const std::string& name = "race.replay") {
    const fs::path file = dir / name;
    std::ofstream(file, std::ios::binary) << bytes;
    return file.string();
  }
  // What reading `bytes` as a recording says is wrong; empty when it reads.
  std::string fault(const std::string& bytes) {
    std::string error;
    const auto r = replay::readRecording(write(bytes), error);
    EXPECT_EQ(r.has_value(), error.empty()) << error;
    return error;
  }
  // A recording of a stage race: four key presses in 61234 ms.
  static std::string race(int events = 4, const std::string& version = replay::gameVersion()) {
    replay::RecordingOptions o{
        "frm1", {{"difficultyBonus", "20"}, {"playerRank", "3"}}, 61234, events, version};
    return replay::recordingText(
        o, {{"mode", "stage1"}, {"result", "passed"}},
        {"0 keydown 32", "2511 keydown 38", "2600 keyup 38", "61234 keydown 16"});
  }

  fs::path dir;
};

TEST_F(ReplayRecording, WrittenThenReadBackIsTheSame) {
  replay::RecordingOptions o{
      "frm1", {{"difficultyBonus", "20"}, {"rivalPace", "1,-2,3"}}, 5000, 3, "0.1.0"};
  const std::map<std::string, std::string> about{{"mode", "stage1"},
                                                 {"player", "Mei \"the fox\" Lin"},
                                                 {"folder", "C:\\races\\ two"},
                                                 {"note", ""},
                                                 {"time", "83400"}};
  const std::string text = replay::recordingText(
      o, about, {"0 keydown 32", "2511 text Text1 two  words", "5000 click Com1(3)"});
  EXPECT_EQ(text.substr(0, text.find('\n')),
            "#! --screen frm1 --set difficultyBonus=20 --set rivalPace=1,-2,3 --until 5000 "
            "--events 3 --game-version 0.1.0")
      << "plain words are written as they are";

  std::string error;
  const auto r = replay::readRecording(write(text), error);
  ASSERT_TRUE(r) << error;
  EXPECT_EQ(r->options.screen, o.screen);
  EXPECT_EQ(r->options.sets, o.sets);
  EXPECT_EQ(r->options.until, 5000);
  EXPECT_EQ(r->options.events, 3);
  EXPECT_EQ(r->options.gameVersion, "0.1.0");
  EXPECT_EQ(r->about, about) << "blanks, quotes, backslashes and empty values come back";
  ASSERT_EQ(r->lines.size(), 3u);
  EXPECT_EQ(r->lines[1].text, "two  words");
  EXPECT_EQ(r->lines[2].element, "Com1");
  EXPECT_EQ(r->lines[2].index, 3);
  EXPECT_EQ(replay::readAbout(write(text)), about);
}

TEST_F(ReplayRecording, WordsWithBlanksQuotesAndLineBreaksReadBackAsWritten) {
  const std::vector<std::string> words{"--screen",    "frm 1",        "",         "say \"hi\"",
                                       "back\\slash", "two\nlines\r", "tab\there"};
  const std::string line = replay::optionsLine(words);
  EXPECT_EQ(line.find('\n'), std::string::npos) << "one line, whatever the words";
  std::string error;
  EXPECT_EQ(replay::optionWords(line, error), words) << error;
  EXPECT_EQ(replay::optionWords("#! a=\"b c\"d e", error),
            (std::vector<std::string>{"a=b cd", "e"}))
      << "quotes may sit inside a word";
  EXPECT_FALSE(replay::optionWords("#! --screen \"frm1", error));
  EXPECT_EQ(error, "a quote is never closed");
  EXPECT_TRUE(replay::isOptionsLine("#! --screen Form3"));
  EXPECT_TRUE(replay::isOptionsLine("#!"));
  EXPECT_FALSE(replay::isOptionsLine("#!/bin/sh")) << "a shell's first line is not one";
  EXPECT_FALSE(replay::isOptionsLine("# Driftwing recording:"));
}

TEST_F(ReplayRecording, ACutShortRecordingSaysHowManyEventsItKept) {
  const std::string whole = race();
  EXPECT_EQ(fault(whole), "");
  const auto lastLine = whole.rfind('\n', whole.size() - 2) + 1;
  EXPECT_EQ(fault(whole.substr(0, lastLine)), "it was cut short: 3 of 4 events")
      << "cut at a line's end";
  EXPECT_EQ(fault(whole.substr(0, lastLine + 7)), "it was cut short: 3 of 4 events")
      << "cut in the middle of the last line";
  EXPECT_EQ(fault(whole.substr(0, whole.find("2600 keyup 38") + 12)),
            "it was cut short: 3 of 4 events")
      << "a last line that still reads, but too few of them";
  EXPECT_EQ(fault(whole.substr(0, whole.find('\n', whole.find('\n') + 1) + 1)),
            "it was cut short: 0 of 4 events");
  EXPECT_EQ(fault(whole.substr(0, whole.size() - 1)), "")
      << "the last line whole but for its newline";
}

TEST_F(ReplayRecording, ADamagedRecordingNamesItsLine) {
  std::string garbled = race();
  garbled.replace(garbled.find("2511 keydown 38"), 15, "2511 keydown 3x");
  EXPECT_EQ(fault(garbled), "it is damaged at line 4: a key code 0 to 255");
  std::string backwards = race();
  backwards.replace(backwards.find("2600"), 4, "2400");
  EXPECT_EQ(fault(backwards), "it is damaged at line 5: times must not decrease");
  EXPECT_EQ(fault(race(3)), "it is damaged at line 6: more event lines than the 3 --events counts");
  EXPECT_EQ(fault(race() + "61235 keyup 16\n"),
            "it is damaged at line 7: more event lines than the 4 --events counts");
  std::string late = race(5) + "61235 keyup 16\n";
  EXPECT_EQ(fault(late), "it is damaged at line 7: an event after the race's end at 61234 ms");
  std::string firstLine = race();
  firstLine.replace(firstLine.find("--until 61234"), 13, "--until soon");
  EXPECT_EQ(fault(firstLine), "it is damaged at line 1: --until takes whole milliseconds");
  EXPECT_EQ(fault("#! --screen \"frm1\n"), "it is damaged at line 1: a quote is never closed");
  std::string setting = race();
  setting.replace(setting.find("playerRank=3"), 12, "playerRank=x");
  EXPECT_EQ(fault(setting),
            "it is damaged at line 1: --set takes NAME=VALUE or NAME=V1,V2,... in whole numbers");
}

// This game's version with one of its numbers raised by `by`.
std::string raised(std::size_t which, int by) {
  std::vector<int> n;
  std::string v = replay::gameVersion();
  for (std::size_t from = 0; from <= v.size();) {
    const auto dot = std::min(v.find('.', from), v.size());
    n.push_back(std::stoi(v.substr(from, dot - from)));
    from = dot + 1;
  }
  n.resize(std::max(n.size(), which + 1));
  n[which] += by;
  std::string out;
  for (int x : n) out += (out.empty() ? "" : ".") + std::to_string(x);
  return out;
}

TEST_F(ReplayRecording, ARecordingFromANewerGameSaysBothVersions) {
  const std::string ours = replay::gameVersion();
  EXPECT_FALSE(replay::newerThanThisGame(ours));
  EXPECT_TRUE(replay::newerThanThisGame(raised(2, 1)));
  EXPECT_TRUE(replay::newerThanThisGame(raised(1, 10))) << "a number of two figures";
  EXPECT_TRUE(replay::newerThanThisGame(raised(3, 1))) << "a fourth number";
  EXPECT_FALSE(replay::newerThanThisGame(ours + ".0"));
  EXPECT_FALSE(replay::newerThanThisGame("0" + ours)) << "leading zeros";
  EXPECT_FALSE(replay::newerThanThisGame("0.0.9"));
  for (const char* unreadable : {"", "1.x", "1..0", "2.0-beta", "v1"})
    EXPECT_TRUE(replay::newerThanThisGame(unreadable)) << unreadable;

  const std::string newer = raised(0, 1);
  const std::string says = "it was made by a newer Driftwing (" + newer + "; this is " + ours + ")";
  EXPECT_EQ(fault(race(4, newer)), says);
  // Its options and events are past this game's knowing: the version comes first.
  std::string unknown = race(5, newer) + "61234 wheelie 3\n";
  unknown.replace(unknown.find("--until"), 0, "--weather rain ");
  EXPECT_EQ(fault(unknown), says);
  std::string ownUnknown = race();
  ownUnknown.replace(ownUnknown.find("--until"), 0, "--weather rain ");
  EXPECT_EQ(fault(ownUnknown),
            "its first line has an option this Driftwing does not know, --weather (a newer "
            "game's, probably)");
}

TEST_F(ReplayRecording, AFirstLineWithoutWhatARunNeedsIsNotACompleteRecording) {
  EXPECT_EQ(fault("#! --screen frm1 --game-version 0.1.0\n0 keydown 32\n"),
            "it is not a complete recording: its first line lacks --until and --events");
  EXPECT_EQ(fault("#!\n"),
            "it is not a complete recording: its first line lacks --screen, --until, --events "
            "and --game-version");
  EXPECT_EQ(fault("#! --screen Form3\n5110 keydown 87\n"),
            "it is not a complete recording: its first line lacks --until, --events and "
            "--game-version")
      << "a test script is not a recording";
}

TEST_F(ReplayRecording, WhatIsNotARecordingSaysSo) {
  EXPECT_EQ(fault(std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16)),
            "it is not a Driftwing recording");
  EXPECT_EQ(fault(""), "the file is empty");
  std::mt19937 random(7);
  std::string noise(4096, '\0');
  for (char& c : noise) c = static_cast<char>(random());
  EXPECT_EQ(fault(noise), "it is not a Driftwing recording");
  EXPECT_EQ(fault("#!/bin/sh\necho hi\n"), "it is not a Driftwing recording");
  EXPECT_EQ(fault("0 keydown 32\n"), "it is not a Driftwing recording") << "a plain script";
  std::string latin1 = race();
  latin1.replace(latin1.find("passed"), 6, "pass\xe9");
  EXPECT_EQ(fault(latin1), "it is not a Driftwing recording") << "not UTF-8";
  std::string nul = race();
  nul[nul.size() - 3] = '\0';
  EXPECT_EQ(fault(nul), "it is not a Driftwing recording");
  std::string chinese = race();
  chinese.replace(chinese.find("passed"), 6, "\xe9\x81\x8e\xe9\x97\x9c");
  EXPECT_EQ(fault(chinese), "") << "UTF-8 is welcome";

  std::string error;
  EXPECT_FALSE(replay::readRecording((dir / "none.replay").string(), error));
  EXPECT_EQ(error, "there is no such file");
  EXPECT_FALSE(replay::readRecording(dir.string(), error));
  EXPECT_EQ(error, "it is a folder, not a recording");
  // Larger than any race: refused before a byte is read (the file is
  // sparse, so this stays quick).
  const std::string huge = write(race());
  fs::resize_file(huge, replay::kLargestRecording + 1);
  EXPECT_FALSE(replay::readRecording(huge, error));
  EXPECT_EQ(error, "it is too large to be a recording (65 MiB; a recording is at most 64 MiB)");
}

TEST_F(ReplayRecording, ListsReadOnlyTheAboutLine) {
  const std::map<std::string, std::string> about{{"mode", "stage1"}, {"result", "passed"}};
  EXPECT_EQ(replay::readAbout(write(race())), about);
  std::string cut = race();
  EXPECT_EQ(replay::readAbout(write(cut.substr(0, cut.size() - 20))), about)
      << "a cut-short recording still says what it was";
  std::string extra = race();
  extra.replace(extra.find("mode="), 0, "weather=rain ");
  EXPECT_EQ(replay::readAbout(write(extra))->at("weather"), "rain") << "unknown fields are kept";
  const std::string noAbout = "#! --screen frm1 --until 0 --events 0 --game-version 0.1.0\n";
  EXPECT_EQ(replay::readAbout(write(noAbout)), (std::map<std::string, std::string>{}));
  // The rest of a file is never read: a huge one answers at once.
  const std::string huge = write(race());
  fs::resize_file(huge, replay::kLargestRecording * 4);
  EXPECT_EQ(replay::readAbout(huge), about);

  for (const std::string& other :
       {std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16), std::string(), std::string("#!/bin/sh\n"),
        std::string("#! --screen Form3\n"),
        std::string("#! --screen \xff\n# Driftwing recording: a=1\n"),
        std::string("#! --game-version 0.1.0"), std::string(100000, '#')})
    EXPECT_FALSE(replay::readAbout(write(other))) << other.substr(0, 20);
  EXPECT_FALSE(replay::readAbout((dir / "none.replay").string()));
  EXPECT_FALSE(replay::readAbout(dir.string()));
}

}  // namespace
