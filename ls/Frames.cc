#include "ls/Frames.h"

#include <algorithm>
#include <charconv>
#include <optional>

namespace {

// Header names are matched in lower case: they are case-insensitive.
constexpr std::string_view kLengthHeader = "content-length:";
// A line longer than this is not a header; only its tail is kept, enough to
// find a header that follows garbage on the same line.
constexpr std::size_t kMaxKeptLine = 4096;

// One line without its CR LF or LF; nullopt at the end of input.
std::optional<std::string> ReadLine(std::FILE* in) {
    std::string line;
    int c = 0;
    bool any = false;
    while ((c = std::getc(in)) != EOF) {
        any = true;
        if (c == '\n') {
            break;
        }
        line.push_back(static_cast<char>(c));
        if (line.size() > kMaxKeptLine) {
            line.erase(0, line.size() - kLengthHeader.size());
        }
    }
    if (!any) {
        return std::nullopt;
    }
    if (!line.empty() && line.back() == '\r') {
        line.pop_back();
    }
    return line;
}

std::size_t FindLengthHeader(const std::string& line) {
    std::string lower = line;
    std::transform(lower.begin(), lower.end(), lower.begin(), [](char c) {
        return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    });
    return lower.find(kLengthHeader);
}

std::string_view Trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

}  // namespace

Frame ReadFrame(std::FILE* in) {
    std::size_t length = 0;
    bool lengthGiven = false;
    std::string problem;
    bool sawHeader = false;
    while (true) {
        const std::optional<std::string> line = ReadLine(in);
        if (!line) {
            return {};
        }
        if (line->empty()) {
            if (!sawHeader) {
                continue;  // blank lines between frames
            }
            break;
        }
        sawHeader = true;
        const std::size_t at = FindLengthHeader(*line);
        if (at == std::string::npos) {
            continue;  // Content-Type, or what is left of a refused body
        }
        const std::string_view value =
            Trimmed(std::string_view(*line).substr(at + kLengthHeader.size()));
        std::size_t parsed = 0;
        const auto [end, error] =
            std::from_chars(value.data(), value.data() + value.size(), parsed);
        if (error == std::errc::result_out_of_range ||
            (error == std::errc() && end == value.data() + value.size() &&
             parsed > kMaxFrameBytes)) {
            problem = "Content-Length " + std::string(value) + " is over the " +
                      Mebibytes(kMaxFrameBytes) + " limit";
            lengthGiven = false;
        } else if (error != std::errc() || end != value.data() + value.size()) {
            problem = "malformed Content-Length '" + std::string(value) + "'";
            lengthGiven = false;
        } else {
            problem.clear();
            length = parsed;
            lengthGiven = true;
        }
    }
    Frame frame;
    if (!lengthGiven) {
        frame.status = FrameStatus::Refused;
        frame.reason = problem.empty() ? "a message without Content-Length" : problem;
        return frame;
    }
    frame.body.resize(length);
    if (std::fread(frame.body.data(), 1, length, in) != length) {
        return {};
    }
    frame.status = FrameStatus::Message;
    return frame;
}

std::string FramedMessage(std::string_view body) {
    std::string message = "Content-Length: " + std::to_string(body.size()) + "\r\n\r\n";
    message += body;
    return message;
}
