#include "window/BoardRecord.h"

#include "board/Scene.h"
#include "forms/OptionArray.h"
#include "forms/QBColor.h"
#include "memo/Palette.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <optional>

namespace window {

namespace {

// Another layout of the record gets another name.
constexpr std::string_view kFormat = "parallel-board-record/1";

template <class Array>
constexpr std::size_t countOf = std::size_t(Array::UBound - Array::LBound + 1);
using Parts = board::Figure;
constexpr std::size_t kLines = countOf<decltype(Parts::Line1)> + countOf<decltype(Parts::Line2)>
    + countOf<decltype(Parts::Line3)>;
constexpr std::size_t kLetters = countOf<decltype(Parts::Label2)> + countOf<decltype(Parts::Label3)>;
static_assert(kLines == 10 && kLetters == 5,
              "the figure has other parts now: the record needs another layout, with a name of its own");

// Everything a record holds.
struct Record {
    board::BoardState state;
    std::array<float, 4 * kLines> lines{};    // X1, Y1, X2, Y2 of each line, in the order eachLine visits them
    std::array<float, 2 * kLetters> labels{}; // Left, Top of each letter, in the order eachLabel visits them
    int16_t deColor = 0;            // QBColor index of DE
    int16_t drawWidth = 0;
    int16_t selected = 0; // the palette button shown selected
    int16_t paletteEnabled = 0;
};

// The fields in the order they are written: the floats, then the whole numbers.
template <class R, class Visit>
void eachField(R& r, Visit visit)
{
    auto& s = r.state;
    for (auto* v : {&s.xA, &s.yA, &s.xB, &s.yB, &s.xC, &s.yC, &s.xD, &s.yD, &s.xE, &s.dragging, &s.lastX, &s.lastY,
                    &s.memoMode, &s.penColor})
        visit(*v);
    for (auto& v : r.lines)
        visit(v);
    for (auto& v : r.labels)
        visit(v);
    for (auto* v : {&s.yE, &s.penDown, &r.deColor, &r.drawWidth, &r.selected, &r.paletteEnabled})
        visit(*v);
}

template <class F, class Visit>
void eachLine(F& figure, Visit visit)
{
    for (auto* lines : {&figure.Line1, &figure.Line2})
        for (auto& line : *lines)
            visit(line);
    for (auto& line : figure.Line3)
        visit(line);
}

template <class F, class Visit>
void eachLabel(F& figure, Visit visit)
{
    for (auto& label : figure.Label2)
        visit(label);
    for (auto& label : figure.Label3)
        visit(label);
}

// The value at `i`, then `i` moves on; past the end it stays on the last
// value, so that a visit that meets more parts than the record has spoils the
// record (which then fails to read back) and never the memory beside it.
template <class Values>
auto& nextValue(Values& values, std::size_t& i)
{
    return values[std::min(i++, values.size() - 1)];
}

int16_t colourIndex(forms::Color color)
{
    for (int16_t i = 0; i < 16; ++i)
        if (forms::QBColor(i) == color)
            return i;
    return -1;
}

Record capture(const board::Scene& scene, const forms::OptionArray& palette)
{
    Record r;
    r.state = scene.state;
    std::size_t i = 0;
    eachLine(scene.figure, [&](const forms::LineShape& l) {
        for (float v : {l.X1(), l.Y1(), l.X2(), l.Y2()})
            nextValue(r.lines, i) = v;
    });
    i = 0;
    eachLabel(scene.figure, [&](const forms::BoardLabel& l) {
        nextValue(r.labels, i) = l.Left();
        nextValue(r.labels, i) = l.Top();
    });
    r.deColor = colourIndex(scene.figure.Line2(board::kDE).BorderColor());
    r.drawWidth = scene.gamen.DrawWidth();
    r.selected = -1;
    for (int16_t b = palette.UBound(); b >= palette.LBound(); --b)
        if (palette.Value(b))
            r.selected = b;
    r.paletteEnabled = palette.Enabled(palette.LBound()) ? 1 : 0;
    return r;
}

void apply(const Record& r, board::Scene& scene, forms::OptionArray& palette)
{
    scene.state = r.state;
    std::size_t i = 0;
    eachLine(scene.figure, [&](forms::LineShape& l) {
        l.setX1(nextValue(r.lines, i));
        l.setY1(nextValue(r.lines, i));
        l.setX2(nextValue(r.lines, i));
        l.setY2(nextValue(r.lines, i));
    });
    i = 0;
    eachLabel(scene.figure, [&](forms::BoardLabel& l) {
        l.setLeft(nextValue(r.labels, i));
        l.setTop(nextValue(r.labels, i));
    });
    scene.figure.Line2(board::kDE).setBorderColor(forms::QBColor(r.deColor));
    scene.gamen.setDrawWidth(r.drawWidth);
    palette.setValue(r.selected, true);
    forms::setAllEnabled(palette, r.paletteEnabled == 1);
}

bool isFlag(float v) { return v == 0 || v == 1; }

bool isChalk(float penColor, int16_t drawWidth)
{
    bool colour = false, width = false;
    memo::Chalk chalk{};
    for (int16_t i = memo::kFirstOption; memo::chalkOf(i, chalk); ++i) {
        colour = colour || penColor == chalk.penColor;
        width = width || drawWidth == chalk.drawWidth;
    }
    return colour && width;
}

// Where a part of the figure's values begin among the record's, whose lines
// and letters are in the order of their arrays: Line1, Line2, Line3 (four
// values each); Label2, Label3 (two each).
constexpr std::size_t lineAt(int array, int index) { return std::size_t(((array - 1) * 3 + index) * 4); }
constexpr std::size_t letterAt(int array, int index) { return std::size_t((array == 2 ? index : 3 + index - 1) * 2); }

// Whether `count` values from `at` are the same in both.
template <std::size_t N>
bool same(const std::array<float, N>& mine, const std::array<float, N>& theirs, std::size_t at, std::size_t count)
{
    return std::equal(mine.begin() + at, mine.begin() + at + count, theirs.begin() + at);
}

// Whether the parts only a reset places are where the board has them:
// triangle ABC, its mark, the letters A to C, and A's ends of AD and EA.
bool fixedPartsHold(const Record& r, const Record& b)
{
    using namespace board;
    return same(r.lines, b.lines, lineAt(1, kAB), 3 * 4) && same(r.lines, b.lines, lineAt(3, kBCMarkLower), 2 * 4)
        && same(r.labels, b.labels, letterAt(2, kLetterA), 3 * 2) && same(r.lines, b.lines, lineAt(2, kAD), 2)
        && same(r.lines, b.lines, lineAt(2, kEA) + 2, 2);
}

// Whether the board can hold the record: every value one the board can hold,
// and the fixed parts of the state record and of the figure the board's own.
bool holds(const Record& r, const Record& board)
{
    bool finite = true;
    eachField(r, [&finite](const auto& v) { finite = finite && std::isfinite(float(v)); });
    const board::BoardState &s = r.state, &b = board.state;
    const bool fixedState = s.xA == b.xA && s.yA == b.yA && s.xB == b.xB && s.yB == b.yB && s.xC == b.xC
        && s.yC == b.yC && s.xD == b.xD && s.yD == b.yD && s.xE == b.xE && s.yE == b.yE;
    return finite && fixedState && fixedPartsHold(r, board) && isFlag(s.dragging) && isFlag(s.memoMode)
        && (s.penDown == 0 || s.penDown == 1) && isChalk(s.penColor, r.drawWidth)
        && (r.deColor == board::kDEAtRest || r.deColor == board::kDEHeld) && r.selected >= memo::kFirstOption
        && r.selected <= memo::kLastOption && r.paletteEnabled == s.memoMode;
}

uint32_t checksum(std::string_view text)
{
    uint32_t hash = 2166136261u; // FNV-1a
    for (unsigned char c : text)
        hash = (hash ^ c) * 16777619u;
    return hash;
}

// Each field as one word of eight hex digits: a float's bits, a whole
// number's sixteen. Exact, and the same in every build.
constexpr std::size_t kWordDigits = 8;

void putWord(std::string& out, uint32_t word)
{
    for (int shift = 28; shift >= 0; shift -= 4)
        out += "0123456789abcdef"[(word >> shift) & 15];
}

uint32_t wordOf(float v)
{
    uint32_t bits;
    std::memcpy(&bits, &v, sizeof bits);
    return bits;
}

uint32_t wordOf(int16_t v) { return uint16_t(v); }

bool takeWord(std::string_view digits, uint32_t& word)
{
    word = 0;
    for (char c : digits.substr(0, kWordDigits)) {
        const int digit = c >= '0' && c <= '9' ? c - '0' : c >= 'a' && c <= 'f' ? c - 'a' + 10 : -1;
        if (digit < 0)
            return false;
        word = word << 4 | uint32_t(digit);
    }
    return digits.size() >= kWordDigits;
}

bool fromWord(uint32_t word, float& v)
{
    std::memcpy(&v, &word, sizeof v);
    return true;
}

bool fromWord(uint32_t word, int16_t& v)
{
    v = int16_t(uint16_t(word));
    return word <= 0xffff;
}

// The format's name, a space, the words of the fields, and the checksum of
// all that comes before it.
std::optional<Record> decode(std::string_view text)
{
    Record r;
    std::size_t words = 1;
    eachField(r, [&words](auto&) { ++words; });
    const std::size_t body = kFormat.size() + 1 + (words - 1) * kWordDigits;
    uint32_t sum = 0;
    if (text.size() != body + kWordDigits || text.substr(0, kFormat.size() + 1) != std::string(kFormat) + ' '
        || !takeWord(text.substr(body), sum) || sum != checksum(text.substr(0, body)))
        return std::nullopt;
    std::size_t at = kFormat.size() + 1;
    bool ok = true;
    eachField(r, [&](auto& v) {
        uint32_t word = 0;
        ok = ok && takeWord(text.substr(at), word) && fromWord(word, v);
        at += kWordDigits;
    });
    if (!ok)
        return std::nullopt;
    return r;
}

} // namespace

std::string WriteRecord(const board::Scene& scene, const forms::OptionArray& palette)
{
    std::string text(kFormat);
    text += ' ';
    const Record record = capture(scene, palette);
    eachField(record, [&text](auto v) { putWord(text, wordOf(v)); });
    putWord(text, checksum(text));
    return text;
}

bool ReadRecord(std::string_view text, board::Scene& scene, forms::OptionArray& palette)
{
    const std::optional<Record> record = decode(text);
    if (!record || !holds(*record, capture(scene, palette)))
        return false;
    apply(*record, scene, palette);
    return true;
}

} // namespace window
