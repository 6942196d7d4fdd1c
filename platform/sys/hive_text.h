#pragma once
// system.reg: the hive as readable text, one key per "[path]" line and one value per line.
//
//   KESTRIX REGISTRY 1
//   [SOFTWARE\Microsoft\Windows\CurrentVersion]
//   "ProgramFilesDir"="C:\\Program Files"
//   "Count"=dword:00000003
//   "Path"=expand:"%SystemRoot%\\x"
//   "List"=multi:"a","b"
//   @=hex:01,02
//   "Other"=hex(b):00,01,00,00,00,00,00,00
//
// Strings escape \\ \" \n \r \t \0 and \xHH; "[]" holds values of the hive's root.
#include "platform/sys/registry.h"

#include <string>
#include <string_view>

namespace sys {

std::string FormatHive(const RegistryHive& hive);
// Parses the text strictly; anything else raises EParseError(fileName, line).
RegistryHive ParseHive(std::string_view text, const std::string& fileName);

} // namespace sys
