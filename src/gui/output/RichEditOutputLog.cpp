#include "gui/output/RichEditOutputLog.h"

#include <cmath>
#include <optional>
#include <utility>

#include <QColor>
#include <QFontMetricsF>
#include <QScrollBar>
#include <QTextCharFormat>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include "core/sheet/OutputLatex.h"

namespace {

QColor toQColor(Colour colour) {
    return QColor(static_cast<int>(colourRed(colour)), static_cast<int>(colourGreen(colour)),
                  static_cast<int>(colourBlue(colour)));
}

// The area's document. Its text may come from a scene file or the clipboard
// and name files as pictures or style sheets; it never reads them (a device
// or a pipe named there could block the program or fill its memory).
class ClosedTextDocument : public QTextDocument {
public:
    using QTextDocument::QTextDocument;

protected:
    QVariant loadResource(int, const QUrl&) override { return {}; }
};

QTextCharFormat formatFor(Colour colour) {
    QTextCharFormat format;
    format.setFont(RichEditOutputLog::outputFont());
    format.setForeground(toQColor(colour));
    return format;
}

}  // namespace

QFont RichEditOutputLog::outputFont() {
    // "Courier New" resolves to Liberation Mono here, which lacks the angle
    // sign and the bracket pieces; a fallback font for those would break the
    // columns. DejaVu Sans Mono has them all at the mono advance.
    QFont font(QStringLiteral("DejaVu Sans Mono"));
    font.setStyleHint(QFont::Monospace, QFont::PreferDefault);
    font.setFixedPitch(true);
    font.setPixelSize(11);  // 8 points at 96 dpi, as "height 11 pixels"
    font.setKerning(false);
    return font;
}

int RichEditOutputLog::widthForColumns(const QTextEdit* edit, int columns) {
    const QFontMetricsF metrics(outputFont());
    const qreal text = metrics.horizontalAdvance(QString(columns, QChar('x'))) + 2 * edit->document()->documentMargin();
    const int scrollBar = edit->verticalScrollBar() ? edit->verticalScrollBar()->sizeHint().width() : 0;
    return static_cast<int>(std::ceil(text)) + 2 * edit->frameWidth() + scrollBar + 2;  // + the text cursor
}

void RichEditOutputLog::configureOutputArea(QTextEdit* edit) {
    if (!edit) return;
    if (!dynamic_cast<ClosedTextDocument*>(edit->document())) edit->setDocument(new ClosedTextDocument(edit));
    edit->setReadOnly(false);
    edit->setAcceptRichText(true);
    edit->setLineWrapMode(QTextEdit::NoWrap);
    edit->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    edit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    edit->document()->setDefaultFont(outputFont());
    edit->setFont(outputFont());
    edit->setCurrentCharFormat(formatFor(OutputColours::Default));
}

RichEditOutputLog::RichEditOutputLog(QTextEdit* edit) : edit_(edit) {
    configureOutputArea(edit);
}

void RichEditOutputLog::insertText(std::string_view text) {
    if (!edit_ || text.empty()) return;
    QTextCursor cursor(edit_->document());
    cursor.movePosition(QTextCursor::End);
    cursor.insertText(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())),
                      formatFor(colour_));
    forgetOwnEdits();
}

void RichEditOutputLog::insertLines(const std::vector<std::string>& lines) {
    if (!edit_ || lines.empty()) return;
    QTextCursor cursor(edit_->document());
    cursor.movePosition(QTextCursor::End);
    const QTextCharFormat format = formatFor(colour_);
    cursor.beginEditBlock();
    for (const std::string& line : lines) {
        if (!line.empty())
            cursor.insertText(QString::fromUtf8(line.data(), static_cast<qsizetype>(line.size())), format);
        cursor.insertBlock(cursor.blockFormat(), format);
    }
    cursor.endEditBlock();
    forgetOwnEdits();
    showEnd();
}

void RichEditOutputLog::appendParagraphBreak() {
    if (!edit_) return;
    QTextCursor cursor(edit_->document());
    cursor.movePosition(QTextCursor::End);
    cursor.insertBlock(cursor.blockFormat(), formatFor(colour_));
    forgetOwnEdits();
    showEnd();
}

namespace {

// Where the shown tail of `runs` starts: the run and the byte in it. The
// tail has at most `lines` line breaks and `characters` bytes, and starts
// at the start of a line unless its last line alone is longer than that.
std::pair<std::size_t, std::size_t> tailStart(const std::vector<OutputRun>& runs, std::size_t lines,
                                              std::size_t characters) {
    std::size_t breaks = 0, bytes = 0;
    std::optional<std::pair<std::size_t, std::size_t>> lineStart;  // of the longest whole-line tail so far
    for (std::size_t r = runs.size(); r-- > 0;) {
        const std::string& text = runs[r].text;
        for (std::size_t end = text.size();;) {
            const std::size_t at = end == 0 ? std::string::npos : text.rfind('\n', end - 1);
            const std::size_t from = at == std::string::npos ? 0 : at + 1;
            bytes += end - from;
            if (bytes > characters) {
                if (lineStart) return *lineStart;
                std::size_t cut = end - (characters - (bytes - (end - from)));
                while (cut < text.size() && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80) ++cut;
                return {r, cut};
            }
            if (at == std::string::npos) break;
            if (++breaks > lines) return {r, at + 1};
            ++bytes;
            lineStart = std::pair{r, at + 1};
            end = at;
        }
    }
    return {0, 0};
}

}  // namespace

void RichEditOutputLog::replaceContents(const std::vector<OutputRun>& all) {
    if (!edit_) return;
    const Colour next = colour_;
    deleteAllText();
    const auto [run, at] = tailStart(all, kShownLines, kShownCharacters);
    unshown_.assign(all.begin(), all.begin() + std::ptrdiff_t(run));
    std::vector<OutputRun> runs(all.begin() + std::ptrdiff_t(run), all.end());
    if (!runs.empty() && at > 0) {
        unshown_.push_back({runs.front().colour, runs.front().text.substr(0, at)});
        runs.front().text.erase(0, at);
    }
    QTextDocument* document = edit_->document();
    // Nothing of this is the user's to undo, and an undo record per line
    // would cost more than the text. One edit block and one insertion per
    // run (its line breaks become paragraphs): a file of millions of lines
    // opens in linear time and is laid out once.
    document->setUndoRedoEnabled(false);
    QTextCursor cursor(document);
    cursor.beginEditBlock();
    for (const OutputRun& run : runs) {
        if (run.text.empty()) continue;
        cursor.insertText(QString::fromStdString(run.text), formatFor(run.colour));
    }
    cursor.endEditBlock();
    document->setUndoRedoEnabled(true);
    setOutputColour(next);
    showEnd();
}

void RichEditOutputLog::forgetOwnEdits() {
    // The area's own undo then only ever takes back what the user typed
    // since the program last wrote: never a result line or an opened file.
    edit_->document()->clearUndoRedoStacks();
}

std::vector<OutputRun> RichEditOutputLog::contents() const {
    std::vector<OutputRun> runs = unshown_;
    if (!edit_) return runs;
    // A line break takes the colour of the text before it.
    Colour last = runs.empty() ? OutputColours::Default : runs.back().colour;
    auto add = [&runs, &last](Colour colour, const QString& text) {
        if (text.isEmpty()) return;
        last = colour;
        if (!runs.empty() && runs.back().colour == colour)
            runs.back().text += text.toStdString();
        else
            runs.push_back({colour, text.toStdString()});
    };
    const QTextDocument* document = edit_->document();
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        if (block != document->begin()) add(last, QStringLiteral("\n"));
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            QString text = it.fragment().text();
            text.remove(QChar::ObjectReplacementCharacter);
            text.replace(QChar::LineSeparator, QLatin1Char('\n'));
            const Colour colour = format.hasProperty(QTextFormat::ForegroundBrush)
                                      ? makeColour(unsigned(format.foreground().color().red()),
                                                   unsigned(format.foreground().color().green()),
                                                   unsigned(format.foreground().color().blue()))
                                      : OutputColours::Default;
            add(colour, text);
        }
    }
    return runs;
}

std::string RichEditOutputLog::latex() const {
    std::string text;
    for (const OutputRun& run : contents()) text += run.text;
    if (!edit_ || !edit_->textCursor().hasSelection()) return outputLatex(text, blocks());
    std::size_t unshown = 0;
    for (const OutputRun& run : unshown_) unshown += run.text.size();
    // A position of the document as a byte of the text contents() gives.
    const auto byteAt = [this, unshown](int position) {
        QTextCursor cursor(edit_->document());
        cursor.setPosition(position, QTextCursor::KeepAnchor);
        QString before = cursor.selectedText();
        before.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
        before.replace(QChar::LineSeparator, QLatin1Char('\n'));
        before.remove(QChar::ObjectReplacementCharacter);
        return unshown + std::size_t(before.toUtf8().size());
    };
    const QTextCursor selection = edit_->textCursor();
    return outputLatex(text, blocks(), byteAt(selection.selectionStart()), byteAt(selection.selectionEnd()));
}

void RichEditOutputLog::setOutputColour(Colour colour) {
    colour_ = colour;
    if (edit_) edit_->setCurrentCharFormat(formatFor(colour_));
}

void RichEditOutputLog::deleteAllText() {
    unshown_.clear();
    if (!edit_) return;
    edit_->clear();
    edit_->setCurrentCharFormat(formatFor(colour_));
    forgetOwnEdits();
}

void RichEditOutputLog::showEnd() {
    // Like a caret placed at the end: the newest result is in view.
    QTextCursor cursor = edit_->textCursor();
    cursor.movePosition(QTextCursor::End);
    edit_->setTextCursor(cursor);
    edit_->ensureCursorVisible();
    if (QScrollBar* bar = edit_->horizontalScrollBar()) bar->setValue(bar->minimum());
}
