#include "app/core/run_program.h"

#include "platform/sys/process.h"

int32_t RunProgram(const std::string& commandLine, uint16_t showWindow, bool wait) {
    const auto process = sys::CreateProcess(commandLine, showWindow);
    if (!process)
        return -1;
    if (!wait) {
        sys::CloseProcess(*process);
        return 0;
    }
    return static_cast<int32_t>(sys::WaitForProcess(*process));
}
