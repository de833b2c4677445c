#pragma once
// The output area RichEditOut: an editable rich-text control with both
// scroll bars and no line wrapping, written to through the OutputLog sink.
#include <QFont>
#include <QPointer>
#include <QTextEdit>

#include "core/output/OutputLog.h"

class RichEditOutputLog : public OutputLog {
public:
    // Configures the control (font, colour, scroll bars, wrapping) and
    // writes into it from then on. The control stays owned by its window.
    explicit RichEditOutputLog(QTextEdit* edit);

    void setOutputColour(Colour colour) override;
    Colour outputColour() const override { return colour_; }
    // Pictures, tables and fonts pasted into the area are not part of it:
    // only the text and its colours (a line break counts as a paragraph).
    std::vector<OutputRun> contents() const override;
    // Written at once: the end is brought into view once, not per line.
    // Every write of the program clears the area's own undo history.
    // A text of more than kShownLines lines or kShownCharacters characters
    // (a scene file may hold 10 MB of them) shows its last lines only: a
    // text document lays out a few hundred thousand lines a second, so
    // showing it all would keep the program busy for minutes. The lines
    // before them stay part of the contents, are saved with the scene and
    // go with the next clearing of the area.
    static constexpr std::size_t kShownLines = 20000;
    static constexpr std::size_t kShownCharacters = 400000;
    void replaceContents(const std::vector<OutputRun>& runs) override;

    QTextEdit* edit() const { return edit_; }

    // The area as LaTeX (outputLatex): every block and line the selection
    // touches, or everything when nothing is selected.
    std::string latex() const;

    // Sets up a control as the output area; safe to call more than once.
    static void configureOutputArea(QTextEdit* edit);
    // The one monospace font of the area. It holds every glyph of
    // SymbolGlyph at the advance of its letters, so typeset equations keep
    // their columns.
    static QFont outputFont();
    // The width the control needs to show `columns` characters of the
    // output font next to its vertical scroll bar.
    static int widthForColumns(const QTextEdit* edit, int columns);

protected:
    void insertText(std::string_view text) override;
    // All lines through one cursor, scrolled to the end once.
    void insertLines(const std::vector<std::string>& lines) override;
    void appendParagraphBreak() override;
    void deleteAllText() override;

private:
    void showEnd();
    void forgetOwnEdits();

    QPointer<QTextEdit> edit_;
    std::vector<OutputRun> unshown_;  // the head of a very long text, before what the area shows
    Colour colour_ = OutputColours::Default;
};
