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

namespace {

// Calls found(block, position) for each block found in order.
template <class Found>
void findBlocks(std::string_view text, const std::vector<OutputBlock>& blocks, Found found) {
    std::size_t at = 0;
    for (const OutputBlock& block : blocks) {
        if (block.text.empty()) continue;
        const std::size_t position = text.find(block.text, at);
        if (position == std::string_view::npos) continue;
        found(block, position);
        at = position + block.text.size();
    }
}

}  // namespace

std::vector<OutputSegment> segmentOutput(std::string_view text, const std::vector<OutputBlock>& blocks) {
    std::vector<OutputSegment> segments;
    std::size_t at = 0;
    findBlocks(text, blocks, [&](const OutputBlock& block, std::size_t position) {
        addPlainLines(text, at, position, segments);
        segments.push_back({position, position + block.text.size(), &block});
        at = position + block.text.size();
    });
    addPlainLines(text, at, text.size(), segments);
    return segments;
}

std::vector<OutputBlock> blocksStillShown(std::string_view text, const std::vector<OutputBlock>& blocks) {
    std::vector<OutputBlock> shown;
    findBlocks(text, blocks, [&shown](const OutputBlock& block, std::size_t) { shown.push_back(block); });
    return shown;
}
