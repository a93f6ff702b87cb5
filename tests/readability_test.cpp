// Every word reads. The recorded games are played again and each label is
// looked at in every state it takes: its letters must stand out from the
// pixels right around them, at scales 1 and 2. Text longer than its box
// shows whole lines only, and the rest is a scroll away.
#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyleFactory>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <sstream>

#include "app/options.h"
#include "frontend/game.h"
#include "frontend/links.h"
#include "frontend/settings.h"
#include "platform/qt/drawn.h"
#include "platform/qt/legibility.h"
#include "platform/qt/render.h"
#include "platform/qt/widgets.h"
#include "platform/qt/window_view.h"
#include "replay/runner.h"
#include "replay/script.h"
#include "ui/program.h"
#include "ui/virtual/session.h"
#include "ui/window.h"

namespace {

using platform::qt::contrastRatio;
using platform::qt::px;

const std::string kGolden = DRIFTWING_GOLDEN_DIR;

const ui::Element* holderOf(const ui::Window& w, const ui::Element& e) {
  for (const ui::Element& c : w.elements())
    if (!e.container.empty() && c.id() == e.container) return &c;
  return nullptr;
}

bool shownOnScreen(const ui::Window& w, const ui::Element& e) {
  for (const ui::Element* x = &e; x != nullptr; x = holderOf(w, *x))
    if (!x->Visible) return false;
  return true;
}

// Where an element is drawn in its window at a scale: the design places it
// in twips from its container's inner corner (inside the border of a
// bordered picture area), and a container shows only what lies within it.
QRect placeOf(const ui::Window& w, const ui::Element& e, int scale) {
  QRect r(px(e.Left, scale), px(e.Top, scale), px(e.Width, scale), px(e.Height, scale));
  for (const ui::Element* c = holderOf(w, e); c != nullptr; c = holderOf(w, *c)) {
    const int inset = c->Border ? 2 * scale : 0;
    r.translate(inset, inset);
    r &= QRect(0, 0, px(c->Width, scale), px(c->Height, scale));
    r.translate(px(c->Left, scale), px(c->Top, scale));
  }
  const ui::Design& d = w.design();
  return r & QRect(0, 0, px(static_cast<float>(d.width), scale),
                   px(static_cast<float>(d.height), scale));
}

// ---- how well a label reads ----------------------------------------------

struct Reading {
  std::string what;     // window, label, caption and scale, for messages
  double contrast = 0;  // the figure judged
  int letterPixels = 0;
};

// How much of a pixel of colour `c` the letters cover, if it is a blend of
// the text colour and `under`; -1 when it is no such blend.
double coverage(QColor c, QColor fore, QColor under) {
  const double dr = fore.red() - under.red(), dg = fore.green() - under.green(),
               db = fore.blue() - under.blue();
  const double span = dr * dr + dg * dg + db * db;
  if (span < 24.0 * 24.0) return -1;  // the letters cannot be told from it
  const double cr = c.red() - under.red(), cg = c.green() - under.green(),
               cb = c.blue() - under.blue();
  const double t = std::clamp((cr * dr + cg * dg + cb * db) / span, 0.0, 1.0);
  const double er = cr - t * dr, eg = cg - t * dg, eb = cb - t * db;
  return er * er + eg * eg + eb * eb <= 12.0 * 12.0 ? t : -1;
}

// The letters are the pixels the caption changed (against the same window
// drawn without captions) that are its text colour laid, wholly or in part,
// over what lies under it there: the window's own pixels, or the outline
// the desktop draws behind letters. Their body is where they cover at least
// a quarter of a pixel; their faint rims are neither letter nor background.
// The ring is every other pixel within one pixel a scale step of the body:
// what the eye meets at the edge of each stroke.
//
// The figure is the contrast that nine ring pixels in ten reach (the 10th
// percentile of the ring's contrast ratios against the text colour). Not the
// worst pixel, for the odd corner where two rims meet; a low percentile, as
// letters that melt into their surroundings along a tenth of their edge
// already read badly: red letters over dark leaves fail it, the same
// letters in their outline pass.
Reading readLabel(const QImage& shot, const QImage& bare, QRect area, QColor fore, int scale) {
  Reading r;
  const int w = area.width(), h = area.height();
  if (w <= 0 || h <= 0) return r;
  const QColor outline = platform::qt::outlineColour(fore);
  enum : char { kAround, kRim, kBody };
  std::vector<char> kind(static_cast<std::size_t>(w) * h, kAround);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      const QPoint p = area.topLeft() + QPoint(x, y);
      const QRgb c = shot.pixel(p);
      if (c == bare.pixel(p)) continue;
      const double t = std::max(coverage(QColor(c), fore, QColor(bare.pixel(p))),
                                coverage(QColor(c), fore, outline));
      char& k = kind[static_cast<std::size_t>(y) * w + x];
      if (t >= 0.25) {
        k = kBody;
        ++r.letterPixels;
      } else if (t >= 0.04) {
        k = kRim;
      }
    }
  std::vector<double> ring;
  const int reach = scale;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      if (kind[static_cast<std::size_t>(y) * w + x] != kAround) continue;
      bool close = false;
      for (int dy = -reach; dy <= reach && !close; ++dy)
        for (int dx = -reach; dx <= reach && !close; ++dx) {
          const int sx = x + dx, sy = y + dy;
          close = sx >= 0 && sy >= 0 && sx < w && sy < h && dx * dx + dy * dy <= reach * reach &&
                  kind[static_cast<std::size_t>(sy) * w + sx] == kBody;
        }
      if (close)
        ring.push_back(contrastRatio(fore, QColor(shot.pixel(area.topLeft() + QPoint(x, y)))));
    }
  if (ring.empty()) return r;
  std::sort(ring.begin(), ring.end());
  r.contrast = ring[ring.size() / 10];
  return r;
}

// ---- the recorded games, looked at tick by tick ---------------------------

struct Survey {
  std::set<std::string> seen;       // label states already read
  std::vector<Reading> readings;    // every reading, both scales
  std::set<std::string> captions;   // "window|caption" of every state read
  std::set<std::string> backdrops;  // "window|picture" of picture areas behind states read
};

// Numbers count as one state, whatever their value.
std::string shape(const std::string& caption) {
  std::string s = caption;
  for (char& c : s)
    if (c >= '0' && c <= '9') c = '#';
  return s;
}

bool blank(const std::string& s) { return s.find_first_not_of(' ') == std::string::npos; }

// Reads every label of `w` whose state has not been read before.
void look(ui::Window& w, Survey& survey) {
  std::string backdrop;
  for (const ui::Element& e : w.elements())
    if (e.kind == ui::Kind::PictureArea && shownOnScreen(w, e)) backdrop += e.Picture + ";";
  std::vector<ui::Element*> fresh;
  for (ui::Element& e : w.elements()) {
    if (e.kind != ui::Kind::Label || blank(e.Caption) || !shownOnScreen(w, e)) continue;
    if (placeOf(w, e, 1).isEmpty()) continue;
    std::ostringstream key;
    key << w.name() << '|' << e.id() << '|' << shape(e.Caption) << '|' << e.ForeColor << '|'
        << e.FontSize << '|' << e.Left << '|' << backdrop;
    if (survey.seen.insert(key.str()).second) fresh.push_back(&e);
  }
  if (fresh.empty()) return;
  for (int scale : {1, 2}) {
    const QImage shot =
        platform::qt::renderWindow(w.program(), w, scale).convertToFormat(QImage::Format_RGB32);
    // The same moment without any caption: what lies behind the letters.
    std::vector<std::pair<ui::Element*, std::string>> captions;
    for (ui::Element& e : w.elements())
      if (e.kind == ui::Kind::Label) captions.push_back({&e, std::exchange(e.Caption, "")});
    const QImage bare =
        platform::qt::renderWindow(w.program(), w, scale).convertToFormat(QImage::Format_RGB32);
    for (auto& [e, caption] : captions) e->Caption = caption;
    for (ui::Element* e : fresh) {
      Reading r =
          readLabel(shot, bare, placeOf(w, *e, scale), platform::qt::toQColor(e->ForeColor), scale);
      r.what = w.name() + " " + e->id() + " \"" + e->Caption + "\" at scale " +
               std::to_string(scale) + " over " + backdrop;
      survey.readings.push_back(r);
    }
  }
  for (ui::Element* e : fresh) survey.captions.insert(w.name() + "|" + e->Caption);
  for (const ui::Element& e : w.elements())
    if (e.kind == ui::Kind::PictureArea && shownOnScreen(w, e))
      survey.backdrops.insert(w.name() + "|" + e.Picture);
}

std::vector<replay::ScriptLine> readScript(const std::string& file) {
  std::ifstream in(file);
  std::string error;
  auto script = replay::parseScript(in, error);
  EXPECT_TRUE(script.has_value()) << file << ": " << error;
  return script.value_or(std::vector<replay::ScriptLine>{});
}

// Plays a recorded game (its options on its first line, as the golden
// tests read them), looking at the front window every tick.
void playAndLook(const std::string& name, Survey& survey) {
  const std::string file = kGolden + "/" + name + ".script";
  replay::Options opt;
  std::ifstream in(file);
  std::string head;
  std::getline(in, head);
  if (head.rfind("#!", 0) == 0) {
    std::istringstream words(head.substr(2));
    std::string option, value;
    while (words >> option >> value) {
      if (option == "--screen") opt.screen = value;
      if (option == "--peer") opt.peerScript = readScript(kGolden + "/" + value);
      if (option == "--peer-screen") opt.peerScreen = value;
      if (option == "--latency") opt.latency = std::stoi(value);
      if (option == "--until") opt.until = std::stoll(value);
      if (option == "--set") {
        ui::Setting s;
        ASSERT_TRUE(app::parseSetting(value, s)) << head;
        opt.sets.push_back(s);
      }
    }
  }
  const auto script = readScript(file);
  std::int64_t end = opt.until.value_or(script.empty() ? 0 : script.back().t);
  if (opt.peerScript && !opt.peerScript->empty() && !opt.until)
    end = std::max(end, opt.peerScript->back().t);
  for (std::int64_t t = 0; t <= end; t += 25) opt.pngs.push_back({t, ""});
  replay::PngWriter looker = [&survey](ui::Window& w, int, const std::string&, std::string&) {
    look(w, survey);
    return true;
  };
  std::string error;
  const int status = replay::run(opt, script, frontend::addWindows, nullptr, looker, error);
  // Looking stops when the game has closed its last window.
  const bool closed = status == 2 && error.find("no window is shown") != std::string::npos;
  EXPECT_TRUE(status == 0 || closed) << name << ": " << error;
}

TEST(Contrast, MeasuresAsTheGuidelinesDo) {
  EXPECT_NEAR(contrastRatio(Qt::black, Qt::white), 21.0, 1e-9);
  EXPECT_NEAR(contrastRatio(Qt::white, Qt::white), 1.0, 1e-9);
  EXPECT_NEAR(contrastRatio(QColor(255, 0, 0), Qt::black), 5.25, 0.01);
  EXPECT_NEAR(contrastRatio(QColor(118, 118, 118), Qt::white), 4.54, 0.01);
  EXPECT_EQ(platform::qt::outlineColour(QColor(255, 255, 0)), QColor(Qt::black));
  EXPECT_EQ(platform::qt::outlineColour(QColor(0, 0, 255)), QColor(Qt::white));
}

// One survey of the recorded games, read once: playing them takes a while.
TEST(Readability, EveryLabelStandsOutInEveryStateOfTheRecordedGames) {
  Survey survey;
  for (const char* game :
       {"story_normal", "title_sequence", "stage1_pass_pause", "stage2_overheat", "stage5_second",
        "battle_red_wins", "battle_blue_wins_turbo", "battle_overheat", "net_race_host_wins",
        "net_race_guest_wins", "net_chat", "bonus_1p_clear", "bonus_2p_gameover"})
    playAndLook(game, survey);

  ASSERT_FALSE(survey.readings.empty());
  for (const Reading& r : survey.readings) {
    EXPECT_GT(r.letterPixels, 0) << r.what << ": no letters to be seen";
    EXPECT_GE(r.contrast, platform::qt::kReadableContrast) << r.what;
  }
  if (std::getenv("DRIFTWING_SHOW_CONTRAST") != nullptr)
    for (const Reading& r : survey.readings)
      std::printf("%6.2f %6d  %s\n", r.contrast, r.letterPixels, r.what.c_str());

  // The survey saw every state the races show.
  const std::set<std::string>& c = survey.captions;
  for (int stage = 1; stage <= 5; ++stage) {
    const std::string frm = "frm" + std::to_string(stage);
    for (const char* s :
         {"  Press Space       to Start", "3", "   GO!", "極速!!", "Speed:", "Rank :"})
      EXPECT_TRUE(c.count(frm + "|" + s)) << frm << " " << s;
  }
  for (int stage = 1; stage <= 4; ++stage)
    EXPECT_TRUE(c.count("frm" + std::to_string(stage) + "|You Pass (Press Space)")) << stage;
  EXPECT_TRUE(c.count("frm5|You Win ! (Press Space)"));
  EXPECT_TRUE(c.count("frm5|Game Over (Press Space)"));
  EXPECT_TRUE(c.count("frm1|  Pause"));
  EXPECT_TRUE(c.count("frm2|Over Heat !"));
  for (const char* s : {"3", "Go", "Red Win !", "Blue Win !", "1P Speed:", "Time"})
    EXPECT_TRUE(c.count(std::string("Form3|") + s)) << s;
  for (const char* s :
       {"Go", "You Win !", "You loss!", "極速 !!", "My speed", "Hello 小明", "你好, Rin!"})
    EXPECT_TRUE(c.count(std::string("Form5|") + s)) << s;
  for (const char* s : {"Player's HP", "Game Over", "Level  Clear please use mouse click here"})
    EXPECT_TRUE(c.count(std::string("frmMain|") + s)) << s;
  // The title screen's link and credit, over the title and every scene.
  for (const char* picture : {"title", "scene-1", "scene-2", "scene-3", "scene-4", "scene-5"})
    EXPECT_TRUE(survey.backdrops.count(std::string("Form1|") + picture)) << picture;
  EXPECT_TRUE(c.count("Form1|" + std::string(13, ' ') + frontend::kHomePage));
}

// The outline is a round pen around the letters: solid wherever a letter
// lies within its radius, and nothing at all past its soft rim.
TEST(Outline, HugsTheLettersAsARoundPen) {
  for (const int radius : {1, 2, 3}) {
    QImage letters(160, 60, QImage::Format_ARGB32_Premultiplied);
    letters.fill(Qt::transparent);
    {
      QPainter p(&letters);
      p.setFont(platform::qt::gameFont(14, true, radius));
      p.setPen(Qt::white);
      p.drawText(letters.rect(), Qt::AlignCenter, QStringLiteral("8Ag 極"));
    }
    const QImage outline = platform::qt::outlineOf(letters, radius, Qt::black);
    ASSERT_EQ(outline.size(), letters.size());
    // The nearest letter pixel to each pixel: a whole one (a quarter
    // covered already reads as whole) and any at all.
    int solidMisses = 0, strays = 0;
    for (int y = 0; y < letters.height(); ++y)
      for (int x = 0; x < letters.width(); ++x) {
        double nearestWhole = 1e9, nearestAny = 1e9;
        for (int dy = -radius - 1; dy <= radius + 1; ++dy)
          for (int dx = -radius - 1; dx <= radius + 1; ++dx) {
            const int sx = x + dx, sy = y + dy;
            if (!letters.rect().contains(sx, sy)) continue;
            const int alpha = qAlpha(letters.pixel(sx, sy));
            const double d = std::hypot(dx, dy);
            if (alpha >= 64) nearestWhole = std::min(nearestWhole, d);
            if (alpha > 0) nearestAny = std::min(nearestAny, d);
          }
        const int shown = qAlpha(outline.pixel(x, y));
        if (nearestWhole <= radius && shown != 255) ++solidMisses;
        if (nearestAny >= radius + 1 && shown != 0) ++strays;
      }
    EXPECT_EQ(solidMisses, 0) << "radius " << radius;
    EXPECT_EQ(strays, 0) << "radius " << radius;
  }
}

// A readout that changes a few letters has its outline worked out again
// only around them: the result is the outline drawn afresh, whether the
// change is one digit, a longer or shorter text, or the letters moving over.
TEST(Outline, RedoneAroundAChangeIsTheOutlineDrawnAfresh) {
  auto lettersOf = [](const QString& text, int scale, Qt::Alignment align) {
    QImage letters(140, 40, QImage::Format_ARGB32_Premultiplied);
    letters.fill(Qt::transparent);
    QPainter p(&letters);
    p.setFont(platform::qt::gameFont(14, true, scale));
    p.setPen(Qt::yellow);
    p.drawText(letters.rect(), static_cast<int>(align | Qt::AlignVCenter), text);
    return letters;
  };
  const QStringList readouts{"199", "200", "201", "1001", "8", "", "Over Heat !", "0"};
  for (const int radius : {1, 2, 3})
    for (const Qt::Alignment align : {Qt::AlignLeft, Qt::AlignRight, Qt::AlignHCenter}) {
      QImage earlier = lettersOf(readouts[0], radius, align);
      QImage outline = platform::qt::outlineOf(earlier, radius, Qt::black);
      for (const QString& text : readouts) {
        const QImage letters = lettersOf(text, radius, align);
        QRect changed;
        for (int y = 0; y < letters.height(); ++y)
          for (int x = 0; x < letters.width(); ++x)
            if (letters.pixel(x, y) != earlier.pixel(x, y)) changed |= QRect(x, y, 1, 1);
        platform::qt::redoOutline(outline, letters, changed, radius, Qt::black);
        EXPECT_EQ(outline, platform::qt::outlineOf(letters, radius, Qt::black))
            << "\"" << text.toStdString() << "\" at radius " << radius << ", alignment " << align;
        earlier = letters;
      }
    }
}

// ---- text longer than its box ----------------------------------------------

// The runs of rows holding letters, top to bottom: one run a line of text.
struct Band {
  int top, height;
  bool operator==(const Band&) const = default;
};
std::vector<Band> bands(const QImage& image, const std::function<bool(QRgb)>& ink) {
  std::vector<Band> out;
  bool in = false;
  for (int y = 0; y < image.height(); ++y) {
    bool any = false;
    for (int x = 0; x < image.width() && !any; ++x) any = ink(image.pixel(x, y));
    if (any && !in) out.push_back({y, 0});
    if (any) ++out.back().height;
    in = any;
  }
  return out;
}
std::vector<int> heights(const std::vector<Band>& b, std::size_t from, std::size_t count) {
  std::vector<int> h;
  for (std::size_t i = from; i < from + count && i < b.size(); ++i) h.push_back(b[i].height);
  return h;
}

template <class W>
W* widgetOf(platform::qt::WindowView& view, const std::string& name, int index = -1) {
  for (W* w : view.findChildren<W*>())
    if (const ui::Element* e = view.elementOf(w); e && e->name == name && e->index == index)
      return w;
  return nullptr;
}

// Turns the wheel over `to` at `at`, by default its middle.
void wheel(QWidget* to, int notches, std::optional<QPointF> over = std::nullopt) {
  const QPointF at = over.value_or(QPointF(to->width() / 2.0, to->height() / 2.0));
  QWheelEvent ev(at, to->mapToGlobal(at), QPoint(), QPoint(0, 120 * notches), Qt::NoButton,
                 Qt::NoModifier, Qt::NoScrollPhase, false);
  QApplication::sendEvent(to, &ev);
}

// Forty characters, as wide as a name gets.
const std::string kLongName =
    "龍騰雲霄風馳電掣星耀天際月映長河山高水遠日出東方海闊天空花開富貴竹報平安鵬程萬里";

TEST(WholeLines, AStoryLineWithALongNameWrapsAndScrollsToItsEnd) {
  ASSERT_EQ(QString::fromStdString(kLongName).size(), 40);
  ui::VirtualSession game(frontend::addWindows);
  game.start("Form1");
  ui::Window& title = game.front();
  // Past the title sequence, at Quellan's challenge, as the story tells it.
  title.vars().set("titleClicks", 10);
  title.el("Text2").Text = kLongName;
  game.program().module<frontend::Settings>().storyStep = 11;
  game.click("Command1");
  const std::string line = title.el("Text1").Text;
  ASSERT_NE(line.find(kLongName), std::string::npos);

  for (int scale : {1, 2}) {
    SCOPED_TRACE("scale " + std::to_string(scale));
    platform::qt::WindowView view(game.program(), title, scale, true);
    view.setAttribute(Qt::WA_DontShowOnScreen);
    view.show();
    auto* box = widgetOf<platform::qt::TextBoxWidget>(view, "Text1");
    ASSERT_NE(box, nullptr);
    // The same text in a box of the same width and room for all of it.
    platform::qt::TextBoxWidget whole(nullptr);
    whole.setAttribute(Qt::WA_DontShowOnScreen);
    whole.setFont(box->font());
    whole.setPlainText(box->toPlainText());
    whole.resize(box->width(), box->height() * 8);
    whole.show();
    const QColor base = box->palette().color(QPalette::Base);
    auto ink = [base](QRgb c) { return std::abs(qGray(c) - qGray(base.rgb())) > 96; };
    const std::vector<Band> all = bands(whole.viewport()->grab().toImage(), ink);
    ASSERT_GE(all.size(), 3u) << "the long name makes the line wrap";

    // At the top: the first lines, each whole, and no part of the next.
    std::vector<Band> shown = bands(box->viewport()->grab().toImage(), ink);
    ASSERT_FALSE(shown.empty());
    ASSERT_LT(shown.size(), all.size()) << "the box is smaller than the text";
    EXPECT_EQ(heights(shown, 0, shown.size()), heights(all, 0, shown.size()));
    EXPECT_EQ(box->firstShownLine(), 0);
    EXPECT_LT(box->shownLineCount(), box->lineCount());

    // The wheel goes on to the end, whole lines all the way.
    for (int turn = 0; turn < 20; ++turn) {
      wheel(box->viewport(), -1);
      shown = bands(box->viewport()->grab().toImage(), ink);
      ASSERT_FALSE(shown.empty());
      const std::size_t first = static_cast<std::size_t>(box->firstShownLine());
      EXPECT_EQ(heights(shown, 0, shown.size()), heights(all, first, shown.size()))
          << "from line " << first;
    }
    EXPECT_EQ(box->firstShownLine() + box->shownLineCount(), box->lineCount())
        << "the last line is reached";
    EXPECT_EQ(heights(shown, 0, shown.size()),
              heights(all, all.size() - shown.size(), shown.size()));

    // And the keys go back to the start.
    box->setFocus();
    for (int i = 0; i < 10; ++i) {
      QKeyEvent up(QEvent::KeyPress, Qt::Key_Up, Qt::NoModifier);
      QApplication::sendEvent(box, &up);
    }
    EXPECT_EQ(box->firstShownLine(), 0);
  }
}

TEST(WholeLines, ALongChatLineShowsWholeLinesAndTellsTheRestInATip) {
  ui::VirtualSession game(frontend::addWindows);
  game.start("Form5");
  ui::Window& race = game.front();
  ui::Element& chat = race.el("Label3", 1);
  chat.Caption = "Rin, " + kLongName +
                 " says: the last corner before the finish is the "
                 "one to watch, brake early and keep your turbo for the straight!";
  const QColor fore = platform::qt::toQColor(chat.ForeColor);
  // The chat's letters are the only reddish pixels there, thin strokes too.
  auto ink = [fore](QRgb c) { return qRed(c) - qBlue(c) > (fore.red() - fore.blue()) / 2; };
  for (int scale : {1, 2}) {
    SCOPED_TRACE("scale " + std::to_string(scale));
    platform::qt::WindowView view(game.program(), race, scale, true);
    view.setAttribute(Qt::WA_DontShowOnScreen);
    view.show();
    auto* label = dynamic_cast<platform::qt::DrawnLabel*>(view.drawnOf(chat));
    ASSERT_NE(label, nullptr);
    // Over the middle of the label, on the canvas it is drawn on.
    const QPointF middle = QRectF(view.rectOf(chat)).center() - view.canvas()->pos();
    EXPECT_TRUE(label->toolTip().contains(QString::fromStdString(kLongName)))
        << "the whole line is there to read";
    platform::qt::DrawnLabel whole(scale);
    whole.resize(QSize(label->width(), label->height() * 12));
    whole.setLook(chat);
    const std::vector<Band> all = bands(whole.picture(), ink);
    ASSERT_GE(all.size(), 2u) << "the chat line wraps";

    std::vector<Band> shown = bands(label->picture(), ink);
    ASSERT_EQ(shown.size(), 1u) << "one whole line fits, and nothing of the next";
    EXPECT_EQ(heights(shown, 0, 1), heights(all, 0, 1));
    for (int turn = 0; turn < 12; ++turn) {
      wheel(view.canvas(), -1, middle);
      shown = bands(label->picture(), ink);
      ASSERT_EQ(shown.size(), 1u);
      EXPECT_EQ(heights(shown, 0, 1),
                heights(all, static_cast<std::size_t>(label->firstLine()), 1));
    }
    EXPECT_EQ(label->firstLine() + label->shownLines(), label->lineCount())
        << "the wheel reaches the end";
    wheel(view.canvas(), 12, middle);
    EXPECT_EQ(label->firstLine(), 0);
  }
}

}  // namespace

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QApplication app(argc, argv);
  if (QStyle* fusion = QStyleFactory::create("Fusion")) QApplication::setStyle(fusion);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
