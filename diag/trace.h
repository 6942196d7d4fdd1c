#pragma once
// The nested trace log: BEGIN/END lines around steps, notes between them, each line stamped with
// the time of day to the millisecond. On only when "debug.pas" lies beside the executable.
#include <chrono>
#include <cstdint>
#include <string>

namespace Trace {

extern bool TraceEnabled;
extern bool TraceReopenEachLine;
extern int32_t TraceDepth;

// The switch file and the log, both in the executable's folder.
inline constexpr const char* SwitchFileName = "debug.pas";
inline constexpr const char* LogFileName = "trace.log";

// Decides TraceEnabled from the switch file in folder (a Windows path) and sets the log's path
// to folder + LogFileName. The program calls it once with the executable's folder.
void TraceStartup(const std::string& folder);
// The log's Windows path ("" until TraceStartup ran).
const std::string& TraceFilePath();

void TraceEnter(const std::string& name);
void TraceLeave(const std::string& name);
void TraceNote(const std::string& text);
void TraceWrite(const std::string& line);

// " <TIMP hh:mm:ss.mmm > " for a time of day given in milliseconds since midnight.
std::string TraceTimeStamp(int64_t msSinceMidnight);
// Milliseconds since local midnight, now.
int64_t LocalMsSinceMidnight();

} // namespace Trace
