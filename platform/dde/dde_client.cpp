#include "platform/dde/dde_client.h"

#include "platform/dde/dde_settings.h"
#include "platform/dde/progman_server.h"
#include "platform/sys/ascii.h"
#include "platform/sys/prefix.h"

namespace dde {

namespace {

constexpr const char* ProgmanService = "ProgMan";

} // namespace

TDdeClientConv::TDdeClientConv() = default;

TDdeClientConv::~TDdeClientConv() {
    CloseLink();
}

bool TDdeClientConv::SetLink(const std::string& service, const std::string& topic) {
    CloseLink();
    Service = service;
    Topic = topic;
    if (Mode == ddeAutomatic)
        return OpenLink();
    return true;
}

bool TDdeClientConv::OpenLink() {
    Error.clear();
    if (Server)
        return true;
    if (!sys::EqualsNoCase(Service, ProgmanService) ||
        !(Topic.empty() || sys::EqualsNoCase(Topic, ProgmanService))) {
        Error = "no DDE server answers service \"" + Service + "\" topic \"" + Topic + "\"";
        return false;
    }
    try {
        const std::filesystem::path prefix = sys::EnsurePrefix();
        if (!IsDdeServerEnabled(prefix, ProgmanService)) {
            Error = "the Program Manager DDE server is switched off in " +
                    (prefix / DdeSettingsFile).string();
            return false;
        }
        Server = std::make_unique<ProgmanServer>(prefix);
    } catch (const std::exception& error) {
        Error = std::string("the Program Manager DDE server cannot start: ") + error.what();
        return false;
    }
    return true;
}

void TDdeClientConv::CloseLink() {
    Server.reset();
}

bool TDdeClientConv::ExecuteMacro(const std::string& cmd, bool) {
    if (!Server) {
        Error = "no open DDE conversation";
        return false;
    }
    const bool done = Server->Execute(cmd);
    Error = Server->LastError();
    return done;
}

bool TDdeClientConv::ExecuteMacroLines(const std::vector<std::string>& lines, bool waitFlg) {
    std::string macro;
    for (const std::string& line : lines)
        macro += line + "\r\n";
    return ExecuteMacro(macro, waitFlg);
}

} // namespace dde
