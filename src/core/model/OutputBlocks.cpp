#include "core/model/OutputBlocks.h"

namespace {

void addPlainLines(std::string_view text, std::size_t begin, std::size_t end, std::vector<OutputSegment>& out) {
    while (begin < end) {
        const std::size_t lineEnd = text.find('\n', begin);
        const std::size_t next = lineEnd == std::string_view::npos || lineEnd >= end ? end : lineEnd + 1;
        out.push_back({begin, next, nullptr});
        begin = next;
    }
}

}  // namespace

std::vector<OutputSegment> segmentOutput(std::string_view text, const std::vector<OutputBlock>& blocks) {
    std::vector<OutputSegment> segments;
    std::size_t at = 0;
    for (const OutputBlock& block : blocks) {
        if (block.text.empty()) continue;
        const std::size_t found = text.find(block.text, at);
        if (found == std::string_view::npos) continue;
        addPlainLines(text, at, found, segments);
        segments.push_back({found, found + block.text.size(), &block});
        at = found + block.text.size();
    }
    addPlainLines(text, at, text.size(), segments);
    return segments;
}

std::vector<OutputBlock> blocksStillShown(std::string_view text, const std::vector<OutputBlock>& blocks) {
    std::vector<OutputBlock> shown;
    for (const OutputSegment& segment : segmentOutput(text, blocks))
        if (segment.block) shown.push_back(*segment.block);
    return shown;
}
