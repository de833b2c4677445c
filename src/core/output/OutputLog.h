#pragma once
// The output area of the input window seen as an append-only sink: text,
// lines, a current colour, and the special characters of the result texts.
//
// The special characters are identified by a SymbolGlyph code 0..20 and are
// written as Unicode characters. Every implementation shows them in one
// monospace font that has all of them at the same advance as a letter, so a
// typeset equation keeps its columns on screen and as copied plain text:
// one character is one column.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/geometry/Colour.h"
#include "core/model/OutputBlocks.h"

enum class SymbolGlyph : int {
    RightArrow = 0,      // vector arrow over x
    Angle = 1,           // angle sign
    Cross = 2,           // multiplication cross
    Alpha = 3,
    Beta = 4,
    Gamma = 5,
    Delta = 6,
    Epsilon = 7,
    Sigma = 8,
    Summation = 9,
    Lambda = 10,
    Mu = 11,
    Dot = 12,            // multiplication dot
    Intersection = 13,
    Radical = 14,        // root sign
    UpperLeftHook = 15,  // left curly bracket, upper hook
    UpperRightHook = 16, // right curly bracket, upper hook
    LowerLeftHook = 17,  // left curly bracket, lower hook
    LowerRightHook = 18, // right curly bracket, lower hook
    LeftBar = 19,        // curly bracket extension (left bar of a middle row)
    RightBar = 20,       // right parenthesis extension (right bar of a middle row)
};

constexpr int kSymbolGlyphCount = 21;

// UTF-8 text of one glyph (exactly one Unicode character); "?" for a code
// outside 0..20.
std::string_view symbolGlyphText(SymbolGlyph glyph);
std::string_view symbolGlyphText(int code);

// Number of Unicode characters in a UTF-8 text: its width in columns.
int utf8Length(std::string_view text);

// Colours the log itself uses.
namespace OutputColours {
constexpr Colour Default = Colours::Navy;    // format of a fresh area
constexpr Colour Heading = Colours::Fuchsia; // the heading written by clearOutputLog
constexpr Colour Result = Colours::Blue;     // results
}  // namespace OutputColours

// The widest line the calculations write, in columns (characters): the
// output area likes to show this many.
inline constexpr int kOutputColumns = 60;

// Heading line written by clearOutputLog (seven leading blanks).
inline constexpr std::string_view kOutputHeading = "       Ausgaben im Textformat";

// A piece of the log's text in one colour; '\n' ends a paragraph.
struct OutputRun {
    Colour colour;
    std::string text;
    bool operator==(const OutputRun&) const = default;
};

// Rows the area shows for one item, and the item behind them.
struct WrittenItem {
    std::vector<std::string> rows;
    OutputItem item;
};

// Everything written goes into the area; between beginBlock and endBlock it
// is also kept as an OutputBlock (blocks()): sentences as the calculations
// wrote them and typeset formulas as their pieces, so that the results can
// leave the program as LaTeX without reading the area's glyphs back.
class OutputLog {
public:
    virtual ~OutputLog();

    // Inserts UTF-8 text at the end in the current colour.
    void appendText(std::string_view text);
    // appendText, then a paragraph break.
    void appendLine(std::string_view text);
    // appendLine for each, in one go (an implementation may write them
    // faster together than one by one).
    void appendLines(const std::vector<std::string>& lines);
    // The rows of each item as lines, in one go; a block being recorded
    // keeps the items themselves.
    void appendItems(const std::vector<WrittenItem>& items);
    // Colour of everything inserted from now on, until the next call.
    virtual void setOutputColour(Colour colour) = 0;
    virtual Colour outputColour() const = 0;

    void appendSymbol(SymbolGlyph glyph);
    void appendSymbol(int code);
    // n blanks, used to align the rows of typeset equations.
    void appendSymbolSpaces(int n);

    // Deletes all text and writes the heading: fuchsia heading line, then
    // blue, then a line holding one blank. The colour stays blue. The
    // recorded blocks go with the text.
    void clearOutputLog();

    // The whole text as runs of one colour each, neighbours of equal colour
    // merged; a paragraph break belongs to the run of the text before it.
    virtual std::vector<OutputRun> contents() const = 0;
    // Deletes all text and writes `runs` instead. The colour of the text
    // inserted next stays as it was. Nothing of it is recorded as a block.
    virtual void replaceContents(const std::vector<OutputRun>& runs);

    // What is written from now on until endBlock is one block, made by the
    // button `source`.
    void beginBlock(std::string_view source);
    // Ends the block; it joins blocks() when it wrote anything.
    void endBlock();
    // The blocks recorded (or set) since the area was last cleared; those
    // the user has edited since are still listed (see segmentOutput).
    const std::vector<OutputBlock>& blocks() const { return blocks_; }
    void setBlocks(std::vector<OutputBlock> blocks) { blocks_ = std::move(blocks); }

protected:
    virtual void insertText(std::string_view text) = 0;
    // Each line followed by a paragraph break.
    virtual void insertLines(const std::vector<std::string>& lines);
    virtual void appendParagraphBreak() = 0;
    virtual void deleteAllText() = 0;

private:
    void endSentence();

    std::vector<OutputBlock> blocks_;
    std::optional<OutputBlock> recording_;
    std::optional<OutputItem> sentence_;  // the line being written piece by piece
};

// Records the writes of its scope as one block of `log`.
class OutputBlockScope {
public:
    OutputBlockScope(OutputLog& log, std::string_view source) : log_(log) { log_.beginBlock(source); }
    ~OutputBlockScope() { log_.endBlock(); }
    OutputBlockScope(const OutputBlockScope&) = delete;
    OutputBlockScope& operator=(const OutputBlockScope&) = delete;

private:
    OutputLog& log_;
};

// Records everything as plain UTF-8 text with '\n' as paragraph break, and
// the colour each piece was written in. Used by the tests and by anything
// that wants the log's content as text.
class PlainTextOutputLog : public OutputLog {
public:
    using Run = OutputRun;

    void setOutputColour(Colour colour) override;
    Colour outputColour() const override { return colour_; }

    const std::string& text() const { return text_; }
    // The text split at paragraph breaks; a trailing break gives no extra
    // empty line.
    std::vector<std::string> lines() const;
    // Consecutive pieces of equal colour are merged; paragraph breaks are
    // part of the run text as '\n'.
    const std::vector<Run>& runs() const { return runs_; }
    std::vector<OutputRun> contents() const override { return runs_; }

protected:
    void insertText(std::string_view text) override;
    void appendParagraphBreak() override;
    void deleteAllText() override;

private:
    void add(std::string_view text);

    Colour colour_ = OutputColours::Default;
    std::string text_;
    std::vector<Run> runs_;
};
