#include "settings_fuzz.h"

#include <windows.h>

#include <cstdlib>
#include <random>
#include <vector>

namespace {
constexpr unsigned kSeed = 20261209;

struct Maker {
    std::mt19937 random;
    std::string lineEnd;

    // 0 to n - 1, from the engine's raw output so that every library gives the same files.
    unsigned Below(unsigned n) { return random() % n; }
    bool OneIn(unsigned n) { return Below(n) == 0; }
    std::string Digits(size_t count) {
        std::string s;
        for (size_t i = 0; i < count; ++i) s += static_cast<char>('0' + Below(10));
        return s;
    }
    std::string Blanks() {
        static const char* const kBlanks[] = {"", " ", "\t", "  \t "};
        return kBlanks[Below(4)];
    }
    std::string Number() {
        static const char* const kKnown[] = {"0", "1", "39", "40", "5000", "32767", "2147483647", "2147483648",
                                             "4294967295", "4294967296", "-1", "-2147483648", "-2147483649",
                                             "18446744073709551616", "99999999999999999999999", "32768",
                                             "2147483652", "16777215", "4278190335", "1000"};
        static const char* const kOddForms[] = {"0x7FFFFFFF", "0XfFfF", "0x", "1e9", "2E31", "1.5", ".5", "+-3",
                                                "--7", "+", "-", "", "0b101", "0o17", "012", "\"300\"",
                                                "12px", "１２", "\x82\x50\x82\x51", "3\t4", "1 000"};
        switch (Below(6)) {
            case 0: return kKnown[Below(std::size(kKnown))];
            case 1: return kOddForms[Below(std::size(kOddForms))];
            case 2: return Digits(1 + Below(OneIn(8) ? 400 : 12));
            case 3: return std::string(OneIn(2) ? "-" : "+") + Digits(1 + Below(11));
            case 4: return Digits(1 + Below(3)) + (OneIn(8) ? std::string(1, '\0') : " ") + Digits(2);
            default: return std::to_string(static_cast<int32_t>(random()));
        }
    }
    std::string KeyName() {
        if (OneIn(8)) return OneIn(2) ? "\x95\x5C\x8E\xA6" : "Width2";  // "表示" and a near miss
        std::string name = kSettingsKeys[Below(kSettingsKeyCount)].name;
        if (OneIn(4))
            for (char& c : name) c = static_cast<char>(OneIn(2) ? c ^ 0x20 : c);  // names are read in any case
        return name;
    }
    std::string Line() {
        switch (Below(12)) {
            case 0: return std::string(";") + Number();
            case 1: return "\x83\x79\x83\x82\x83\x4A=\x83\x5C\x83\x74\x83\x67";  // CP932 key and value
            case 2: return OneIn(6) ? std::string("Wid\0th=7", 8) : "Width" + std::string(Below(3), '=') + "7";
            case 3: return std::string("=") + Number();
            case 4:  // rare, for time's sake: one file in a dozen or so
                if (!OneIn(40)) return KeyName();
                return OneIn(2) ? KeyName() + "=" + std::string(100 * 1024, '9') : std::string(100 * 1024, 'x');
            default: return Blanks() + KeyName() + Blanks() + "=" + Blanks() + Number() + Blanks();
        }
    }
    std::string SectionHeader() {
        static const std::string kNames[] = {"[SET]", "[set]", "[ SET ]", "[SET", "SET]", "[Other]", "[]",
                                             "[SET]junk", "[\x90\xDD\x92\xE8]", std::string("[S\0T]", 5)};
        const unsigned pick = Below(std::size(kNames) * 2);
        return pick < std::size(kNames) ? kNames[pick] : "[SET]";
    }
    std::string End() {
        static const char* const kEnds[] = {"\r\n", "\n", "\r"};
        return OneIn(10) ? kEnds[Below(3)] : lineEnd;  // now and then a line with another end
    }
};
}  // namespace

std::string FuzzedSettingsFile(unsigned index) {
    Maker m{std::mt19937(kSeed + index), ""};
    static const char* const kEnds[] = {"\r\n", "\n", "\r"};
    m.lineEnd = kEnds[m.Below(3)];
    std::string text;
    if (m.OneIn(6)) text += m.OneIn(3) ? "\xFF\xFE" : "\xEF\xBB\xBF";  // UTF-16 or UTF-8 byte-order mark
    if (m.OneIn(5)) text += m.Line() + m.End();                       // keys before any section
    const unsigned sections = m.OneIn(10) ? 0 : 1 + m.Below(3);
    for (unsigned s = 0; s < sections; ++s) {
        text += m.SectionHeader() + m.End();
        const unsigned lines = m.Below(24);
        for (unsigned l = 0; l < lines; ++l) text += m.Line() + m.End();
    }
    if (!text.empty() && m.OneIn(8)) text.pop_back();  // no line end after the last line
    return text;
}

::testing::AssertionResult HoldsRecord(const std::string& path, const Settings* expected) {
    std::vector<char> section(64 * 1024);
    GetPrivateProfileSectionA("SET", section.data(), static_cast<DWORD>(section.size()), path.c_str());
    const char* entry = section.data();
    for (const SettingsKey& key : kSettingsKeys) {
        const std::string line = entry;
        if (line.empty()) return ::testing::AssertionFailure() << "no " << key.name;
        entry += line.size() + 1;
        const std::string name = key.name + std::string("="), value = line.substr(name.size());
        const size_t digitsFrom = !key.isUnsigned && value[0] == '-' ? 1 : 0;
        const bool decimal = line.compare(0, name.size(), name) == 0 && value.size() > digitsFrom &&
                             value.size() <= 11 &&
                             value.find_first_not_of("0123456789", digitsFrom) == std::string::npos &&
                             (value[digitsFrom] != '0' || value.size() == digitsFrom + 1);
        const long long read = std::strtoll(value.c_str(), nullptr, 10);
        const long long want = !expected      ? read
                               : key.isUnsigned ? static_cast<long long>(static_cast<uint32_t>(expected->*key.value))
                                              : expected->*key.value;
        const bool inRange = key.isUnsigned ? read <= 0xFFFFFFFFll : read >= INT32_MIN && read <= INT32_MAX;
        if (!decimal || !inRange || read != want)
            return ::testing::AssertionFailure() << "\"" << line << "\" where " << key.name << " is " << want;
    }
    return ::testing::AssertionSuccess();
}
