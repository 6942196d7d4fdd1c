// Dynamic libraries by Windows path: ELF shared objects that keep their Windows names.
#include "platform/sys/library.h"

#include "platform/sys/files.h"
#include "platform/sys/prefix.h"

#include <dlfcn.h>
#include <sys/stat.h>
#include <vector>

namespace sys {

namespace {

thread_local std::string lastError;

bool IsRegularFile(const std::filesystem::path& host) {
    struct stat info {};
    return ::stat(host.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

// A bare name is looked for in the executable's folder, the current folder and the Windows
// folder, in that order; a path is taken as it is.
std::optional<std::filesystem::path> FindLibrary(const std::string& windowsPath) {
    std::vector<std::string> candidates;
    if (windowsPath.find_first_of("\\/:") != std::string::npos) {
        candidates.push_back(windowsPath);
    } else {
        try {
            candidates.push_back(ExeFolder() + windowsPath);
        } catch (const std::exception&) {
            // a program outside every drive has no folder to search
        }
        candidates.push_back(IncludeTrailingPathDelimiter(GetCurrentDir()) + windowsPath);
        candidates.push_back(IncludeTrailingPathDelimiter(GetWindowsDirectory()) + windowsPath);
    }
    for (const auto& candidate : candidates)
        if (const auto host = ToHostPath(candidate); host && IsRegularFile(*host))
            return host;
    return std::nullopt;
}

} // namespace

HMODULE LoadLibrary(const std::string& windowsPath) {
    const auto host = windowsPath.empty() ? std::nullopt : FindLibrary(windowsPath);
    if (!host) {
        lastError = "The library " + windowsPath + " was not found";
        return nullptr;
    }
    void* module = ::dlopen(host->c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!module) {
        const char* reason = ::dlerror();
        lastError = "The library " + windowsPath +
                    " cannot be loaded: " + (reason ? reason : "unknown reason");
    }
    return module;
}

void* GetProcAddress(HMODULE module, const std::string& name) {
    if (!module) {
        lastError = "No library";
        return nullptr;
    }
    ::dlerror();
    void* address = ::dlsym(module, name.c_str());
    if (!address) {
        const char* reason = ::dlerror();
        lastError = "The entry point " + name + " was not found" +
                    (reason ? std::string(": ") + reason : std::string());
    }
    return address;
}

bool FreeLibrary(HMODULE module) {
    if (!module)
        return false;
    if (::dlclose(module) == 0)
        return true;
    const char* reason = ::dlerror();
    lastError = reason ? reason : "The library cannot be freed";
    return false;
}

std::string LastLibraryError() {
    return lastError;
}

} // namespace sys
