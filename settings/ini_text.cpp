#include "ini_text.h"

#include <vector>

namespace {
constexpr std::string_view kBlanks = " \t\n\v\f\r\x1a";

std::string_view Trimmed(std::string_view s) {
    const size_t first = s.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) return {};
    return s.substr(first, s.find_last_not_of(kBlanks) - first + 1);
}

bool SameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        char x = a[i], y = b[i];
        if (x >= 'A' && x <= 'Z') x = static_cast<char>(x - 'A' + 'a');
        if (y >= 'A' && y <= 'Z') y = static_cast<char>(y - 'A' + 'a');
        if (x != y) return false;
    }
    return true;
}

// The lines of the text, each with its own end: '\n', or '\r' with the '\n' after it if any. The
// system's profile functions end a line at either.
std::vector<std::string_view> Lines(std::string_view text) {
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const size_t end = text.find_first_of("\r\n");
        size_t n = end == std::string_view::npos ? text.size() : end + 1;
        if (end != std::string_view::npos && text[end] == '\r' && n < text.size() && text[n] == '\n') ++n;
        lines.push_back(text.substr(0, n));
        text.remove_prefix(n);
    }
    return lines;
}

// The section a line opens, or false when it opens none: '[' first, and the name up to the
// last ']', without the blanks around it. A UTF-8 byte order mark before the first line does
// not hide it.
bool SectionOf(std::string_view line, std::string_view& name) {
    if (line.starts_with("\xEF\xBB\xBF")) line.remove_prefix(3);
    line = Trimmed(line);
    const size_t close = line.rfind(']');
    if (!line.starts_with('[') || close == std::string_view::npos) return false;
    name = Trimmed(line.substr(1, close - 1));
    return true;
}

// Where the first section of the name runs: its header line and the line after its last one.
struct Span {
    size_t header, end;
    bool found;
};
Span FindSection(const std::vector<std::string_view>& lines, std::string_view section) {
    for (size_t i = 0; i < lines.size(); ++i) {
        std::string_view name;
        if (!SectionOf(lines[i], name) || !SameName(name, section)) continue;
        size_t end = i + 1;
        while (end < lines.size() && !SectionOf(lines[end], name)) ++end;
        return {i, end, true};
    }
    return {lines.size(), lines.size(), false};
}

// Builds the new text: lines kept, new ones put in.
struct Writer {
    const std::vector<std::string_view>& lines;
    std::string out;

    void Keep(size_t from, size_t to) {
        for (size_t i = from; i < to; ++i) out += lines[i];
    }
    void Put(std::string_view newLines) {
        // A last line without its end would run into the new ones.
        if (!out.empty() && out.back() != '\n' && out.back() != '\r') out += "\r\n";
        out += newLines;
    }
};

// The text with a new section holding newLines at its end.
std::string WithSectionAdded(const std::vector<std::string_view>& lines, std::string_view section, std::string_view newLines) {
    Writer w{lines, {}};
    w.Keep(0, lines.size());
    std::string header(1, '[');
    w.Put(header.append(section).append("]\r\n").append(newLines));
    return w.out;
}
}  // namespace

std::string ReplaceIniSection(std::string_view text, std::string_view section, std::string_view body) {
    const std::vector<std::string_view> lines = Lines(text);
    const Span s = FindSection(lines, section);
    if (!s.found) return WithSectionAdded(lines, section, body);
    Writer w{lines, {}};
    w.Keep(0, s.header + 1);
    w.Put(body);
    w.Keep(s.end, lines.size());
    return w.out;
}

std::string SetIniKey(std::string_view text, std::string_view section, std::string_view key, std::string_view value) {
    const std::vector<std::string_view> lines = Lines(text);
    const Span s = FindSection(lines, section);
    std::string line(key);
    line.append(1, '=').append(value).append("\r\n");
    if (!s.found) return WithSectionAdded(lines, section, line);
    size_t at = s.end;  // the line that the new one replaces or goes before
    bool replace = false;
    for (size_t i = s.header + 1; i < s.end && !replace; ++i) {
        const size_t equals = lines[i].find('=');
        replace = equals != std::string_view::npos && SameName(Trimmed(lines[i].substr(0, equals)), key);
        if (replace) at = i;
    }
    if (!replace)
        while (at > s.header + 1 && Trimmed(lines[at - 1]).empty()) --at;
    Writer w{lines, {}};
    w.Keep(0, at);
    w.Put(line);
    w.Keep(replace ? at + 1 : at, lines.size());
    return w.out;
}
