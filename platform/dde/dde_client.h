#pragma once
// The DDE client conversation (TDdeClientConv). The only DDE servers on this platform are the
// ones built into it: "ProgMan" (ProgmanServer) with the empty topic or "PROGMAN", unless the
// prefix switches it off (dde_settings.h). Service and topic names compare without regard to
// case. The built-in server runs a macro before ExecuteMacro returns, so every execution waits.
#include <memory>
#include <string>
#include <vector>

namespace dde {

class ProgmanServer;

enum TDdeConnectMode { ddeAutomatic, ddeManual };

class TDdeClientConv {
public:
    TDdeClientConv();
    ~TDdeClientConv(); // ends the conversation
    TDdeClientConv(const TDdeClientConv&) = delete;
    TDdeClientConv& operator=(const TDdeClientConv&) = delete;

    TDdeConnectMode ConnectMode() const { return Mode; }
    void SetConnectMode(TDdeConnectMode mode) { Mode = mode; }

    // Names the server and topic; in automatic mode the conversation opens at once and the
    // result tells whether it did, in manual mode the result is true.
    bool SetLink(const std::string& service, const std::string& topic);
    const std::string& DdeService() const { return Service; }
    const std::string& DdeTopic() const { return Topic; }

    // True when a conversation with the named server started (or was open already).
    bool OpenLink();
    void CloseLink();
    bool Connected() const { return Server != nullptr; }

    // Sends commands to the server; true when it carried out all of them. False without an
    // open conversation.
    bool ExecuteMacro(const std::string& cmd, bool waitFlg);
    // The lines joined with CR LF, as one macro.
    bool ExecuteMacroLines(const std::vector<std::string>& lines, bool waitFlg);

    // Why the last OpenLink or ExecuteMacro failed; "" after a success.
    const std::string& LastError() const { return Error; }

private:
    TDdeConnectMode Mode = ddeAutomatic;
    std::string Service;
    std::string Topic;
    std::unique_ptr<ProgmanServer> Server;
    std::string Error;
};

} // namespace dde
