// Made-up settings files for trying the reader and everything that uses what it reads, and the
// check of what a write leaves behind. The same index always gives the same bytes.
#pragma once
#include <gtest/gtest.h>

#include <string>

#include "settings/settings_record.h"

constexpr unsigned kFuzzedFileCount = 500;

// Missing, repeated and misnamed sections and keys; numbers with signs, blanks, hex, exponents,
// overflow and any number of digits; CP932 and NUL bytes, lines of 100 KB, byte-order marks,
// and CR LF, LF or CR line ends.
std::string FuzzedSettingsFile(unsigned index);

// Whether section "SET" of the file begins with the 16 keys in order, each a decimal number
// (unsigned for the first four) whose value is the record's. Lines that the system's reader
// could not take apart (a NUL byte, a header "[]") may stay after them; a reader finds the
// first of each key.
// Without a record, only the form is checked.
::testing::AssertionResult HoldsRecord(const std::string& path, const Settings* expected = nullptr);
