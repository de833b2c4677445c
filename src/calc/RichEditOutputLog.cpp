#include "calc/RichEditOutputLog.h"

#include <cmath>

#include <QColor>
#include <QFontMetricsF>
#include <QScrollBar>
#include <QTextCharFormat>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

namespace {

QColor ToQColor(Colour colour) {
    return QColor(static_cast<int>(ColourRed(colour)), static_cast<int>(ColourGreen(colour)),
                  static_cast<int>(ColourBlue(colour)));
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

QTextCharFormat FormatFor(Colour colour) {
    QTextCharFormat format;
    format.setFont(RichEditOutputLog::OutputFont());
    format.setForeground(ToQColor(colour));
    return format;
}

}  // namespace

QFont RichEditOutputLog::OutputFont() {
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

int RichEditOutputLog::WidthForColumns(const QTextEdit* edit, int columns) {
    const QFontMetricsF metrics(OutputFont());
    const qreal text = metrics.horizontalAdvance(QString(columns, QChar('x'))) + 2 * edit->document()->documentMargin();
    const int scrollBar = edit->verticalScrollBar() ? edit->verticalScrollBar()->sizeHint().width() : 0;
    return static_cast<int>(std::ceil(text)) + 2 * edit->frameWidth() + scrollBar + 2;  // + the text cursor
}

void RichEditOutputLog::ConfigureOutputArea(QTextEdit* edit) {
    if (!edit) return;
    if (!dynamic_cast<ClosedTextDocument*>(edit->document())) edit->setDocument(new ClosedTextDocument(edit));
    edit->setReadOnly(false);
    edit->setAcceptRichText(true);
    edit->setLineWrapMode(QTextEdit::NoWrap);
    edit->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    edit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    edit->document()->setDefaultFont(OutputFont());
    edit->setFont(OutputFont());
    edit->setCurrentCharFormat(FormatFor(OutputColours::Default));
}

RichEditOutputLog::RichEditOutputLog(QTextEdit* edit) : edit_(edit) {
    ConfigureOutputArea(edit);
}

void RichEditOutputLog::AppendText(std::string_view text) {
    if (!edit_ || text.empty()) return;
    QTextCursor cursor(edit_->document());
    cursor.movePosition(QTextCursor::End);
    cursor.insertText(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())),
                      FormatFor(colour_));
}

void RichEditOutputLog::AppendLines(const std::vector<std::string>& lines) {
    if (!edit_ || lines.empty()) return;
    QTextCursor cursor(edit_->document());
    cursor.movePosition(QTextCursor::End);
    const QTextCharFormat format = FormatFor(colour_);
    cursor.beginEditBlock();
    for (const std::string& line : lines) {
        if (!line.empty())
            cursor.insertText(QString::fromUtf8(line.data(), static_cast<qsizetype>(line.size())), format);
        cursor.insertBlock(cursor.blockFormat(), format);
    }
    cursor.endEditBlock();
    ShowEnd();
}

void RichEditOutputLog::AppendParagraphBreak() {
    if (!edit_) return;
    QTextCursor cursor(edit_->document());
    cursor.movePosition(QTextCursor::End);
    cursor.insertBlock(cursor.blockFormat(), FormatFor(colour_));
    if (!replacing_) ShowEnd();
}

void RichEditOutputLog::ReplaceContents(const std::vector<OutputRun>& runs) {
    if (!edit_) return;
    // One edit block: the area is laid out once, not after every line.
    DeleteAllText();
    QTextCursor batch(edit_->document());
    batch.beginEditBlock();
    replacing_ = true;
    OutputLog::ReplaceContents(runs);
    replacing_ = false;
    batch.endEditBlock();
    ShowEnd();
}

std::vector<OutputRun> RichEditOutputLog::Contents() const {
    std::vector<OutputRun> runs;
    if (!edit_) return runs;
    Colour last = OutputColours::Default;
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
                                      ? MakeColour(unsigned(format.foreground().color().red()),
                                                   unsigned(format.foreground().color().green()),
                                                   unsigned(format.foreground().color().blue()))
                                      : OutputColours::Default;
            add(colour, text);
        }
    }
    return runs;
}

void RichEditOutputLog::SetOutputColour(Colour colour) {
    colour_ = colour;
    if (edit_) edit_->setCurrentCharFormat(FormatFor(colour_));
}

void RichEditOutputLog::DeleteAllText() {
    if (!edit_) return;
    edit_->clear();
    edit_->setCurrentCharFormat(FormatFor(colour_));
}

void RichEditOutputLog::ShowEnd() {
    // Like a caret placed at the end: the newest result is in view.
    QTextCursor cursor = edit_->textCursor();
    cursor.movePosition(QTextCursor::End);
    edit_->setTextCursor(cursor);
    edit_->ensureCursorVisible();
    if (QScrollBar* bar = edit_->horizontalScrollBar()) bar->setValue(bar->minimum());
}
