#pragma once
#include <chrono>
#include <string_view>
#include <thread>

#include "args.h"
#include "json.h"

// Exit codes the harness relies on.
constexpr int kOk = 0;
constexpr int kNotFound = 1;
constexpr int kError = 2;

int Fail(Json& json, int code, std::string_view message);

// Polls until ready() holds or the time is up; windows of another process change asynchronously.
template <class Ready>
bool WaitFor(int timeoutMs, Ready ready) {
    auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    for (;;) {
        if (ready()) return true;
        if (std::chrono::steady_clock::now() >= end) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
}

int CmdWindows(const Args& args, Json& json);
int CmdWaitWindow(const Args& args, Json& json);
int CmdWaitGone(const Args& args, Json& json);
int CmdChildren(const Args& args, Json& json);
int CmdFind(const Args& args, Json& json);
int CmdAtom(const Args& args, Json& json);
int CmdSysInfo(const Args& args, Json& json);
int CmdProcesses(const Args& args, Json& json);
int CmdToolButton(const Args& args, Json& json);

int CmdClick(const Args& args, Json& json);
int CmdSelectCombo(const Args& args, Json& json);
int CmdKey(const Args& args, Json& json);
int CmdType(const Args& args, Json& json);
int CmdClose(const Args& args, Json& json);
int CmdSysCommand(const Args& args, Json& json);
int CmdSetText(const Args& args, Json& json);
int CmdPost(const Args& args, Json& json);
int CmdSend(const Args& args, Json& json);
int CmdClickTool(const Args& args, Json& json);

int CmdMessageBox(const Args& args, Json& json);
int CmdAnswerBox(const Args& args, Json& json);

int CmdHoldHotkeys(const Args& args, Json& json);
int CmdTrayIcons(const Args& args, Json& json);
int CmdTrayClick(const Args& args, Json& json);
int CmdTrayRestart(const Args& args, Json& json);
int CmdVolatileKey(const Args& args, Json& json);
int CmdLaunch(const Args& args, Json& json);
