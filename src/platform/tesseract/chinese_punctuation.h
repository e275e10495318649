#pragma once

#include <string>

namespace orvane {

// Tesseract's Simplified Chinese model reads the full-width punctuation of Chinese text as ASCII
// with spaces around it ("会议时间: 星期三" for "会议时间：星期三"). After a Chinese character the
// colon, comma, semicolon, question and exclamation marks are turned back into their full-width
// forms, without the spaces around them. Everything else, and text that is not valid UTF-8, is
// left as it is.
std::string chinesePunctuation(const std::string& text);

}  // namespace orvane
