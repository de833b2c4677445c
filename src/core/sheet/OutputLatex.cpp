#include "core/sheet/OutputLatex.h"

#include "core/tikz/TexText.h"

std::string latexOfItem(const OutputItem& item) { return texText(item.text) + "\\par\n"; }

std::string latexOfSegment(std::string_view text, const OutputSegment& segment) {
    if (!segment.block) return texText(std::string(text.substr(segment.begin, segment.end - segment.begin))) + "\\par\n";
    std::string out;
    for (const OutputItem& item : segment.block->items) out += latexOfItem(item);
    return out;
}

std::string outputLatex(std::string_view text, const std::vector<OutputBlock>& blocks) {
    return outputLatex(text, blocks, 0, text.size());
}

std::string outputLatex(std::string_view text, const std::vector<OutputBlock>& blocks, std::size_t from,
                        std::size_t to) {
    std::string out;
    for (const OutputSegment& segment : segmentOutput(text, blocks))
        if (segment.begin < to && segment.end > from) out += latexOfSegment(text, segment);
    return out;
}
