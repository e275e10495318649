#pragma once

#include <string>

namespace orvane::kwin {

// Where the script hands its answer back: one string, the window list as JSON.
inline constexpr const char* answerPath = "/OrvaneScreenTool/WindowList";
inline constexpr const char* answerInterface = "org.orvane.ScreenTool.WindowList";
inline constexpr const char* answerMember = "Windows";

// The JavaScript that KWin runs to describe its windows, calling answerMember on the connection
// named replyTo (a unique bus name) with {"windows":[...]} in KWin's own order, or
// {"error":"..."} when the script fails. It runs under KWin 5 and KWin 6 alike.
std::string windowListScript(const std::string& replyTo);

}  // namespace orvane::kwin
