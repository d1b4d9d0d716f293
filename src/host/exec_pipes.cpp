#include "host/exec_pipes.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <ctime>

#include "engine/error_table.h"
#include "host/text_codec.h"

namespace talvoro::host {

namespace {

// How much one read takes from a pipe: a whole Linux pipe buffer.
constexpr size_t kReadChunk = 64 * 1024;
// How long a read waits on the pipes before it lets the engine check for a
// stop and keep the window alive, then waits again.
constexpr std::chrono::milliseconds kWaitSlice{40};

void closeFd(int& fd) {
    if (fd >= 0) ::close(fd);
    fd = -1;
}

// A write to a pipe whose reader has gone raises SIGPIPE, which would end
// this whole program. It is held back while we write (this thread only) and
// taken out of the pending signals afterwards, so the write just fails with EPIPE.
class SigpipeHeld {
public:
    SigpipeHeld() {
        sigemptyset(&pipeOnly_);
        sigaddset(&pipeOnly_, SIGPIPE);
        pthread_sigmask(SIG_BLOCK, &pipeOnly_, &before_);
    }
    ~SigpipeHeld() {
        if (raised) {
            const timespec noWait{};
            while (sigtimedwait(&pipeOnly_, nullptr, &noWait) == SIGPIPE) {}
        }
        pthread_sigmask(SIG_SETMASK, &before_, nullptr);
    }
    bool raised = false;

private:
    sigset_t pipeOnly_, before_;
};

}  // namespace

size_t wholeUtf8Prefix(std::string_view bytes) {
    // Look back over at most three continuation bytes for the lead byte.
    const size_t size = bytes.size();
    for (size_t back = 1; back <= 4 && back <= size; ++back) {
        const auto byte = static_cast<unsigned char>(bytes[size - back]);
        if ((byte & 0xC0) == 0x80) continue;  // a continuation byte
        size_t length = byte < 0x80 ? 1 : (byte & 0xE0) == 0xC0 ? 2 : (byte & 0xF0) == 0xE0 ? 3 : (byte & 0xF8) == 0xF0 ? 4 : 1;
        return back < length ? size - back : size;
    }
    return size;
}

ExecPipes::ExecPipes(ChildPipes pipes) : input_(pipes.input) {
    output_.fd = pipes.output;
    errors_.fd = pipes.errors;
    // Writes must not block: while the program cannot take more input, its
    // outputs are read instead.
    if (input_ >= 0) ::fcntl(input_, F_SETFL, ::fcntl(input_, F_GETFL) | O_NONBLOCK);
}

ExecPipes::~ExecPipes() {
    closeFd(input_);
    closeFd(output_.fd);
    closeFd(errors_.fd);
}

void ExecPipes::readFrom(Channel& channel) {
    char buffer[kReadChunk];
    ssize_t n = ::read(channel.fd, buffer, sizeof buffer);
    if (n > 0) channel.bytes.append(buffer, static_cast<size_t>(n));
    else if (n == 0 || (errno != EINTR && errno != EAGAIN)) closeFd(channel.fd);
}

bool ExecPipes::pump(Channel* wanted, const KeepWaiting* keepWaiting) {
    const size_t before = wanted ? wanted->bytes.size() : 0;
    const bool wait = keepWaiting && wanted;
    for (;;) {
        pollfd fds[2];
        Channel* owners[2];
        nfds_t count = 0;
        for (Channel* c : {&output_, &errors_})
            if (c->fd >= 0) { fds[count] = {c->fd, POLLIN, 0}; owners[count++] = c; }
        if (count == 0) return true;
        int ready = ::poll(fds, count, wait ? static_cast<int>(kWaitSlice.count()) : 0);
        if (ready < 0 && errno == EINTR) continue;
        if (ready < 0 || (ready == 0 && !wait)) return true;
        if (ready == 0) {
            if ((*keepWaiting)() != 0) return false;
            continue;
        }
        for (nfds_t i = 0; i < count; ++i)
            if (fds[i].revents) readFrom(*owners[i]);
        if (!wait || wanted->fd < 0 || wanted->bytes.size() > before) return true;
    }
}

bool ExecPipes::nextText(Output which, std::u16string& more, const KeepWaiting& keepWaiting) {
    Channel& c = channel(which);
    for (;;) {
        // At the end an unfinished character is passed on as it is.
        const size_t usable = c.fd < 0 ? c.bytes.size() : wholeUtf8Prefix(c.bytes);
        if (usable > 0) {
            more = decodeText(std::string_view(c.bytes).substr(0, usable), TextFormat::Ascii);
            c.bytes.erase(0, usable);
            return true;
        }
        if (c.fd < 0 || !pump(&c, &keepWaiting)) return false;
    }
}

int32_t ExecPipes::writeInput(std::string_view bytes, const KeepWaiting& keepWaiting) {
    if (input_ < 0) return vbs::err::DeviceIOError;
    SigpipeHeld held;
    while (!bytes.empty()) {
        pollfd fds[3] = {{input_, POLLOUT, 0}};
        Channel* owners[3] = {nullptr};
        nfds_t count = 1;
        for (Channel* c : {&output_, &errors_})
            if (c->fd >= 0) { fds[count] = {c->fd, POLLIN, 0}; owners[count++] = c; }
        const int ready = ::poll(fds, count, static_cast<int>(kWaitSlice.count()));
        if (ready < 0) {
            if (errno == EINTR) continue;
            return vbs::err::DeviceIOError;
        }
        if (ready == 0) {
            if (int32_t stop = keepWaiting()) return stop;
            continue;
        }
        for (nfds_t i = 1; i < count; ++i)
            if (fds[i].revents) readFrom(*owners[i]);
        if (!fds[0].revents) continue;
        ssize_t n = ::write(input_, bytes.data(), bytes.size());
        if (n >= 0) { bytes.remove_prefix(static_cast<size_t>(n)); continue; }
        if (errno == EINTR || errno == EAGAIN) continue;
        held.raised = errno == EPIPE;
        return vbs::err::DeviceIOError;
    }
    return 0;
}

void ExecPipes::closeInput() { closeFd(input_); }

}  // namespace talvoro::host
