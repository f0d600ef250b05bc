#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>
#include <utility>
#include <vector>

#include "ls/Frames.h"
#include "ls/Server.h"
#include "ls/ServerOptions.h"
#include "platform/common/MemoryReuse.h"
#include "product/Product.h"

namespace {

// Frames read ahead while the server works, so that it always checks the
// newest text: every waiting change is applied before the next check.
struct Inbox {
    std::mutex mutex;
    std::condition_variable arrived;
    std::deque<Frame> frames;  // messages, and frames refused
    bool ended = false;
};

void ReadFrames(Inbox& inbox) {
    while (true) {
        Frame frame = ReadFrame(stdin);
        if (frame.status == FrameStatus::Refused) {
            std::fprintf(stderr, "quillory-ls: refused a message: %s\n", frame.reason.c_str());
        }
        const std::lock_guard lock(inbox.mutex);
        if (frame.status == FrameStatus::End) {
            inbox.ended = true;
        } else {
            inbox.frames.push_back(std::move(frame));
        }
        inbox.arrived.notify_one();
        if (inbox.ended) {
            return;
        }
    }
}

bool WriteOutbox(Server& server) {
    for (const std::string& body : server.outbox) {
        const std::string message = FramedMessage(body);
        if (std::fwrite(message.data(), 1, message.size(), stdout) != message.size()) {
            return false;
        }
    }
    server.outbox.clear();
    return std::fflush(stdout) == 0;
}

int Serve() {
    platform::posix::ReturnLargeBlocksWhenFreed();
    // Outlives Serve: the reader may still be reading when the server exits.
    static Inbox inbox;
    std::thread reader(ReadFrames, std::ref(inbox));
    reader.detach();  // it may sit in a read when the client says exit
    Server server;
    while (true) {
        std::unique_lock lock(inbox.mutex);
        if (inbox.frames.empty()) {
            lock.unlock();
            PublishPending(server);
            if (!WriteOutbox(server)) {
                return 1;  // the client is gone
            }
            lock.lock();
            inbox.arrived.wait(lock, [&] { return !inbox.frames.empty() || inbox.ended; });
            if (inbox.frames.empty()) {
                return server.shutDown ? 0 : 1;  // end of input without exit
            }
        }
        const Frame frame = std::move(inbox.frames.front());
        inbox.frames.pop_front();
        lock.unlock();
        if (frame.status == FrameStatus::Message) {
            HandleMessage(server, frame.body);
        } else {
            HandleUnreadFrame(server, frame.reason);
        }
        if (server.exitStatus) {
            WriteOutbox(server);
            return *server.exitStatus;
        }
    }
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string_view> arguments(argv + (argc > 0 ? 1 : 0), argv + argc);
    const ServerOptions options = ParseServerOptions(arguments);
    switch (options.action) {
        case ServerAction::ShowHelp:
            std::fwrite(ServerHelpText().data(), 1, ServerHelpText().size(), stdout);
            return 0;
        case ServerAction::ShowVersion:
            std::printf("quillory-ls %.*s\n", static_cast<int>(kVersionUtf8.size()),
                        kVersionUtf8.data());
            return 0;
        case ServerAction::UsageError:
            std::fprintf(stderr, "quillory-ls: %s\n", options.usageError.c_str());
            return 2;
        case ServerAction::Serve:
            break;
    }
    // The reader thread may still be blocked on standard input: leave without unwinding it.
    const int status = Serve();
    std::fflush(stdout);
    std::_Exit(status);
}
