// Edits of a settings file's text that keep every line they do not own byte for byte: other
// sections, comments, blank lines and line ends. Section and key names match without regard to
// case, as the system's profile functions read them: a line ends at '\r' or '\n', a section line
// is "[name]" after leading blanks, and names go without the blanks around them. Only the first section
// of a name counts, as for reading. New lines end with "\r\n". Platform-free.
#pragma once
#include <string>
#include <string_view>

// The text with the first section named section holding exactly body (whole lines, each ended
// by "\r\n"); a missing section is added at the end.
std::string ReplaceIniSection(std::string_view text, std::string_view section, std::string_view body);

// The text with "key=value" in the first section named section: the key's first line there is
// replaced, or the line added after the section's last line that is not blank; a missing
// section is added at the end.
std::string SetIniKey(std::string_view text, std::string_view section, std::string_view key, std::string_view value);
