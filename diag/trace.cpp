#include "diag/trace.h"

#include "platform/sys/errors.h"
#include "platform/sys/files.h"
#include "platform/sys/text_file.h"

#include <cstdio>
#include <ctime>
#include <memory>

namespace Trace {

bool TraceEnabled = false;
bool TraceReopenEachLine = true;
int32_t TraceDepth = 0;

namespace {
std::string logPath;
std::unique_ptr<sys::TextFile> openLog; // kept between lines only when they are not reopened

std::string Repeat(const char* unit, int32_t times) {
    std::string out;
    for (int32_t i = 0; i < times; ++i)
        out += unit;
    return out;
}

std::string NestPrefix(const char* word) {
    return TraceDepth == 0 ? std::string(word) : Repeat(" |", TraceDepth + 1) + word;
}
} // namespace

void TraceStartup(const std::string& folder) {
    const std::string base = sys::IncludeTrailingPathDelimiter(folder);
    logPath = base + LogFileName;
    try {
        TraceEnabled = sys::FileExists(base + SwitchFileName);
    } catch (...) {
        TraceEnabled = false;
    }
}

const std::string& TraceFilePath() {
    return logPath;
}

int64_t LocalMsSinceMidnight() {
    using namespace std::chrono;
    const auto now = system_clock::now();
    const std::time_t seconds = system_clock::to_time_t(now);
    std::tm local{};
    localtime_r(&seconds, &local);
    const int64_t ms = duration_cast<milliseconds>(now.time_since_epoch()).count() % 1000;
    return ((local.tm_hour * 60LL + local.tm_min) * 60 + local.tm_sec) * 1000 + ms;
}

std::string TraceTimeStamp(int64_t ms) {
    char text[64];
    std::snprintf(text, sizeof text, " <TIMP %02lld:%02lld:%02lld.%03lld > ",
                  static_cast<long long>(ms / 3600000),
                  static_cast<long long>(ms % 3600000 / 60000),
                  static_cast<long long>(ms % 60000 / 1000), static_cast<long long>(ms % 1000));
    return text;
}

void TraceWrite(const std::string& line) {
    if (TraceReopenEachLine || !openLog) {
        openLog = std::make_unique<sys::TextFile>(logPath);
        try {
            openLog->Append();
        } catch (const sys::EInOutError&) {
            openLog.reset();
            TraceEnabled = false;
            return;
        }
    }
    try {
        openLog->WriteLn(line + TraceTimeStamp(LocalMsSinceMidnight()));
    } catch (const sys::EInOutError&) {
        TraceEnabled = false;
        return;
    }
    if (TraceReopenEachLine) {
        const auto file = std::move(openLog);
        file->Close(); // a failing close reaches the traced step
    }
}

void TraceEnter(const std::string& name) {
    if (!TraceEnabled)
        return;
    TraceWrite(NestPrefix("BEGIN => ") + name);
    ++TraceDepth;
}

void TraceLeave(const std::string& name) {
    if (!TraceEnabled)
        return;
    --TraceDepth;
    TraceWrite(NestPrefix("END <- ") + name);
}

void TraceNote(const std::string& text) {
    if (!TraceEnabled)
        return;
    TraceWrite(Repeat("  ", TraceDepth + 1) + "*       " + text);
}

} // namespace Trace
