#include "engine/catalogue/textlines.h"

#include "engine/common/encoding.h"

#include <cstring>
#include <functional>

namespace {

constexpr char kCtrlZ = 0x1A;
constexpr size_t kMarkEvery = 64;

// Where the file ends for a reader: its physical end, or a Ctrl-Z where a
// line would begin.
size_t readableEnd(std::string_view bytes)
{
    size_t pos = 0;
    while (pos < bytes.size() && bytes[pos] != kCtrlZ) {
        const size_t end = bytes.find_first_of("\r\n", pos);
        if (end == std::string_view::npos)
            return bytes.size();
        pos = end + 1;
        if (bytes[end] == '\r' && pos < bytes.size() && bytes[pos] == '\n')
            ++pos;
    }
    return pos;
}

size_t lineEnd(const std::string& text, size_t start)
{
    const void* nl = std::memchr(text.data() + start, '\n', text.size() - start);
    return static_cast<const char*>(nl) - text.data();
}

} // namespace

TextLines TextLines::fromBytes(std::string bytes)
{
    TextLines lines;
    std::string& text = lines.text_;
    // Converted where they are when they need no converting (ASCII), so a
    // file costs its own size once.
    bytes.resize(readableEnd(bytes));
    text = cp1251ToUtf8(std::move(bytes));
    // CR LF, a lone CR and a lone LF each end a line: all become "\n".
    size_t w = 0;
    for (size_t r = 0; r < text.size(); ++r) {
        if (text[r] == '\r') {
            text[w++] = '\n';
            if (r + 1 < text.size() && text[r + 1] == '\n')
                ++r;
        } else {
            text[w++] = text[r];
        }
    }
    text.resize(w);
    if (!text.empty() && text.back() != '\n')
        text += '\n';
    for (size_t start = 0; start < text.size(); start = lineEnd(text, start) + 1) {
        if (lines.count_ % kMarkEvery == 0)
            lines.marks_.push_back(static_cast<std::uint32_t>(start));
        ++lines.count_;
    }
    return lines;
}

TextLines TextLines::fromLines(const std::vector<std::string>& lines)
{
    TextLines t;
    for (const std::string& line : lines)
        t.add(line);
    return t;
}

void TextLines::add(std::string_view line)
{
    if (count_ % kMarkEvery == 0)
        marks_.push_back(static_cast<std::uint32_t>(text_.size()));
    text_.append(line);
    text_ += '\n';
    ++count_;
    indexed_ = false;
}

std::string_view TextLines::operator[](size_t k) const
{
    size_t start = marks_[k / kMarkEvery];
    for (size_t skip = k % kMarkEvery; skip > 0; --skip)
        start = lineEnd(text_, start) + 1;
    return next(start);
}

std::string_view TextLines::next(size_t& offset) const
{
    const size_t start = offset;
    const size_t end = lineEnd(text_, start);
    offset = end + 1;
    return std::string_view(text_).substr(start, end - start);
}

std::vector<std::string> TextLines::toVector() const
{
    std::vector<std::string> out;
    out.reserve(count_);
    for (size_t offset = 0; offset < end();)
        out.emplace_back(next(offset));
    return out;
}

std::optional<size_t> TextLines::find(std::string_view wanted) const
{
    const auto lineAt = [this](std::uint32_t start) {
        size_t offset = start;
        return next(offset);
    };
    // The slot of `line`: where it stands, or the free one where it would.
    const auto slotOf = [&](std::string_view line) {
        const size_t mask = table_.size() - 1;
        for (size_t slot = std::hash<std::string_view> {}(line)&mask;; slot = (slot + 1) & mask)
            if (table_[slot].second == 0 || lineAt(table_[slot].first) == line)
                return slot;
    };
    if (!indexed_) {
        table_.assign(16, { 0, 0 });
        distinct_ = 0;
        size_t k = 0;
        for (size_t offset = 0; offset < end(); ++k) {
            const auto start = static_cast<std::uint32_t>(offset);
            const std::string_view line = next(offset);
            auto& slot = table_[slotOf(line)];
            if (slot.second != 0)
                continue; // the first of equal lines stays
            slot = { start, static_cast<std::uint32_t>(k + 1) };
            if (++distinct_ * 2 > table_.size()) {
                auto old = std::move(table_);
                table_.assign(old.size() * 2, { 0, 0 });
                for (const auto& entry : old)
                    if (entry.second != 0)
                        table_[slotOf(lineAt(entry.first))] = entry;
            }
        }
        indexed_ = true;
    }
    const auto& slot = table_[slotOf(wanted)];
    if (slot.second == 0)
        return std::nullopt;
    return slot.second - 1;
}
