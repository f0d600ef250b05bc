#pragma once

// The protocol's framing: header lines ("Content-Length: N", the name in any
// case; others such as Content-Type are skipped), a blank line, then N bytes of
// JSON.

#include <cstddef>
#include <cstdio>
#include <string>
#include <string_view>

#include "documents/InputBytes.h"

// Larger bodies are refused: no program reads a document longer.
inline constexpr std::size_t kMaxFrameBytes = kMaxDocumentBytes;

enum class FrameStatus { Message, Refused, End };

struct Frame {
    FrameStatus status = FrameStatus::End;
    std::string body;    // for Message
    std::string reason;  // for Refused: one line, for standard error and the client
};

// The next frame. A refused header block is skipped (a body it had is then
// read as lines until the next Content-Length header), so the stream goes on.
Frame ReadFrame(std::FILE* in);

// The body with its header.
std::string FramedMessage(std::string_view body);
