// Whatever a client sends: frames read from the bytes and handled by a server
// that already has a Markdown document open, then checked and published.
// Nothing may crash, and a change outside the text must leave it whole.

#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "ls/Frames.h"
#include "ls/Server.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Server server;
    HandleMessage(server, R"({"jsonrpc":"2.0","id":1,"method":"initialize","params":{}})");
    HandleMessage(server,
                  R"({"jsonrpc":"2.0","method":"textDocument/didOpen","params":{"textDocument":)"
                  R"({"uri":"file:///f.md","languageId":"markdown","version":1,)"
                  R"("text":"# Title\r\n\r\nOne \ud83d\ude00 sentence.\rTwo\nthree."}}})");
    std::FILE* in = fmemopen(const_cast<std::uint8_t*>(data), size, "rb");
    if (in == nullptr) {
        return 0;
    }
    for (Frame frame = ReadFrame(in); frame.status != FrameStatus::End; frame = ReadFrame(in)) {
        if (frame.status == FrameStatus::Message) {
            HandleMessage(server, frame.body);
        } else {
            HandleUnreadFrame(server, frame.reason);
        }
        PublishPending(server);
        for (const auto& [uri, document] : server.documents) {
            // The line index always matches the text it indexes.
            if (document.text.lineStarts != MakeOpenText(document.text.text).lineStarts) {
                std::abort();
            }
        }
        server.outbox.clear();
    }
    std::fclose(in);
    return 0;
}
