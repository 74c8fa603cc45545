// Reading a number field's text, typed with or without an input method, and where its arrows
// take it.
#include <gtest/gtest.h>

#include <cstdint>

#include "settings/typed_number.h"

TEST(TypedNumber, LeadingNumberOfAFieldsText) {
    const struct { const wchar_t* text; int64_t signedValue, unsignedValue; } cases[] = {
        {L"640abc", 640, 640}, {L"  -5", -5, 0}, {L"", 0, 0}, {L"abc", 0, 0}, {L"+12", 12, 0}, {L"-", 0, 0},
        {L"\t7 8", 7, 7}, {L"000000000000000000025", 25, 25},
        {L"2147483647", INT32_MAX, INT32_MAX}, {L"2147483648", INT32_MAX, 2147483648},
        {L"-2147483648", INT32_MIN, 0}, {L"-99999999999", INT32_MIN, 0},
        {L"4294967295", INT32_MAX, UINT32_MAX}, {L"4294967296", INT32_MAX, 0}, {L"99999999999", INT32_MAX, 0},
        // typed with an input method on: full-width digits and signs, mixed with ASCII ones
        {L"８００", 800, 800}, {L"０１２３４５６７８９", 123456789, 123456789}, {L"６4０ｐｘ", 640, 640},
        {L"－５", -5, 0}, {L"−５", -5, 0}, {L"＋１２", 12, 0}, {L"-８", -8, 0}, {L"－", 0, 0},
        {L"８　００", 8, 8},  // the ideographic space ends the number like any other character
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ReadTypedNumber(c.text, true), c.signedValue) << testing::PrintToString(c.text);
        EXPECT_EQ(ReadTypedNumber(c.text, false), c.unsignedValue) << testing::PrintToString(c.text);
    }
}

TEST(TypedNumber, AnArrowStepsFromWhatIsTypedHeldInTheRange) {
    const struct { int64_t typed; int delta, low, high; int32_t value; } cases[] = {
        {800, 1, 40, 5000, 801},   {800, -1, 40, 5000, 799},  {5000, 1, 40, 5000, 5000},
        {40, -1, 40, 5000, 40},    {6000, -1, 40, 5000, 5000}, {6000, 1, 40, 5000, 5000},
        {0, 1, 40, 5000, 40},      {0, -1, 40, 5000, 40},     {-5, 1, 1, 10, 1},
        {INT32_MAX, 1, 2, 101, 101}, {UINT32_MAX, 1, 1, 1000, 1000}, {INT32_MIN, -1, 1, 1000, 1},
        {10, 5, 1, 1000, 15},      // a held button steps further at a time
        {500, 1, 1000, 1, 501},    // a range given high end first
    };
    for (const auto& c : cases)
        EXPECT_EQ(StepTypedNumber(c.typed, c.delta, c.low, c.high), c.value) << c.typed << " " << c.delta;
}

// The size dialog's sides: a number from 40 to 30000 and nothing else, as typed.
TEST(TypedNumber, AWholeNumberInRangeOrNothing) {
    const struct { const wchar_t* text; bool taken; int value; } cases[] = {
        {L"800", true, 800},     {L" 800 ", true, 800},   {L"８００", true, 800},    {L"８００\u3000", true, 800},
        {L"40", true, 40},       {L"30000", true, 30000}, {L"040", true, 40},
        {L"", false, 0},         {L"   ", false, 0},      {L"abc", false, 0},      {L"800px", false, 0},
        {L"8 00", false, 0},     {L"-800", false, 0},     {L"+800", false, 0},     {L"39", false, 0},
        {L"30001", false, 0},    {L"99999999999999999999", false, 0},
    };
    for (const auto& c : cases) {
        int value = -1;
        EXPECT_EQ(ReadWholeNumberIn(c.text, 40, 30000, value), c.taken) << testing::PrintToString(c.text);
        EXPECT_EQ(value, c.taken ? c.value : -1) << testing::PrintToString(c.text);
    }
}
