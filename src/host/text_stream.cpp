#include "host/text_stream.h"

#include <stdio.h>

#include <cstdlib>

#include "engine/error_table.h"
#include "engine/host_object.h"
#include "engine/arguments.h"

namespace talvoro::host {

namespace {

using vbs::Args;
using vbs::CallContext;
using vbs::Variant;

// Line and Column of a stream: moved over each character read or written.
struct Position {
    int32_t line = 1;
    int32_t column = 1;
    bool afterCr = false;

    void passOver(std::u16string_view text) {
        for (char16_t c : text) {
            if (c == u'\n' && afterCr) {
                afterCr = false;  // the LF of a CR LF: the CR already ended the line
                continue;
            }
            afterCr = c == u'\r';
            if (c == u'\r' || c == u'\n') {
                ++line;
                column = 1;
            } else {
                ++column;
            }
        }
    }
};

class TextReader {
public:
    TextReader(std::u16string text, TextSupply supply) : text_(std::move(text)), supply_(std::move(supply)) {}

    // The call that reads now: each member sets it before reading.
    void readFor(CallContext& caller) { caller_ = &caller; }

    bool atEnd() { return !available(1); }
    bool atEndOfLine() { return atEnd() || text_[pos_] == u'\r' || text_[pos_] == u'\n'; }

    // Up to `count` characters (fewer at the end).
    std::u16string take(size_t count) {
        dropReadText();
        available(count);
        std::u16string out = text_.substr(pos_, count);
        consume(out.size());
        return out;
    }

    std::u16string takeAll() {
        while (pull()) {}
        return take(text_.size() - pos_);
    }

    // The rest of the line, and its line end passed over.
    std::u16string takeLine() {
        dropReadText();
        size_t end = pos_;
        for (;;) {
            while (end < text_.size() && text_[end] != u'\r' && text_[end] != u'\n') ++end;
            if (end < text_.size() || !pull()) break;
        }
        std::u16string line = text_.substr(pos_, end - pos_);
        size_t ending = 0;
        if (end < text_.size()) {
            ending = 1;
            if (text_[end] == u'\r' && (end + 1 < text_.size() || pull()) && text_[end + 1] == u'\n') ending = 2;
        }
        consume(line.size() + ending);
        return line;
    }

    const Position& position() const { return position_; }

private:
    // True once `count` characters lie ahead (asking the supply for more).
    bool available(size_t count) {
        while (text_.size() - pos_ < count)
            if (!pull()) return false;
        return true;
    }

    // Drops text read long ago, so that a long standard input does not pile
    // up. Only between reads: a read in progress holds positions in the text.
    void dropReadText() {
        if (pos_ > kKeptReadText && pos_ * 2 > text_.size()) {
            text_.erase(0, pos_);
            pos_ = 0;
        }
    }

    bool pull() {
        if (!supply_) return false;
        std::u16string more;
        if (!supply_(more, *caller_)) {
            if (caller_->stopStatus() == 0) supply_ = nullptr;  // the end, not a stop
            return false;
        }
        text_ += more;
        return true;
    }

    void consume(size_t count) {
        position_.passOver(std::u16string_view(text_).substr(pos_, count));
        pos_ += count;
    }

    // How much text already read may stay in memory before it is dropped.
    static constexpr size_t kKeptReadText = 64 * 1024;

    std::u16string text_;
    size_t pos_ = 0;
    TextSupply supply_;
    CallContext* caller_ = nullptr;
    Position position_;
};

class TextWriter {
public:
    using Emit = TextEmit;
    using Finish = std::function<int32_t()>;
    TextWriter(Emit emit, Finish finish, std::u16string lineEnd)
        : emit_(std::move(emit)), finish_(std::move(finish)), lineEnd_(std::move(lineEnd)) {}

    int32_t write(std::u16string_view text, CallContext& caller) {
        position_.passOver(text);
        return emit_(text, caller);
    }
    int32_t writeLines(std::u16string_view text, int32_t lineEnds, CallContext& caller) {
        std::u16string out(text);
        for (int32_t i = 0; i < lineEnds; ++i) out += lineEnd_;
        return write(out, caller);
    }
    int32_t close() { return finish_ ? finish_() : 0; }
    const Position& position() const { return position_; }

private:
    Emit emit_;
    Finish finish_;
    std::u16string lineEnd_;
    Position position_;
};

// What one TextStream object holds: a reader or a writer, until Close.
struct StreamState {
    std::unique_ptr<TextReader> reader;
    std::unique_ptr<TextWriter> writer;
    // A file's writer commits it; it lives here so that Close and the
    // stream's end both reach it.
    std::unique_ptr<PendingFile> file;
    bool closed = false;
};

using State = std::shared_ptr<StreamState>;

int32_t readerOf(const State& state, CallContext& caller, TextReader*& out) {
    if (state->closed || !state->reader) return vbs::err::BadFileMode;
    out = state->reader.get();
    out->readFor(caller);
    return 0;
}

int32_t writerOf(const State& state, TextWriter*& out) {
    if (state->closed || !state->writer) return vbs::err::BadFileMode;
    out = state->writer.get();
    return 0;
}

int32_t readCount(Args& args, int32_t& count) {
    if (args.size() != 1) return vbs::err::WrongArgCount;
    return vbs::lib::readLong(args, 0, count);
}

// A read that a stop of the script cut short answers the stop, not what it
// read nor that the stream ended, so that nothing is assigned.
template <typename Body>
vbs::HostObject::Call reading(Body body) {
    return [body](Args args, Variant& result, CallContext& ctx) -> int32_t {
        int32_t status = body(args, result, ctx);
        if (int32_t stop = ctx.stopStatus()) return stop;
        return status;
    };
}

void addReadingMembers(vbs::HostObject& stream, const State& state) {
    stream.method(u"Read", reading([state](Args args, Variant& result, CallContext& ctx) -> int32_t {
        TextReader* reader;
        int32_t count = 0;
        if (int32_t e = readerOf(state, ctx, reader)) return e;
        if (int32_t e = readCount(args, count)) return e;
        if (count <= 0) return vbs::err::InvalidProcCall;
        if (reader->atEnd()) return vbs::err::InputPastEndOfFile;
        result = Variant::string(reader->take(static_cast<size_t>(count)));
        return 0;
    }));
    stream.method(u"ReadLine", reading([state](Args, Variant& result, CallContext& ctx) -> int32_t {
        TextReader* reader;
        if (int32_t e = readerOf(state, ctx, reader)) return e;
        if (reader->atEnd()) return vbs::err::InputPastEndOfFile;
        result = Variant::string(reader->takeLine());
        return 0;
    }));
    stream.method(u"ReadAll", reading([state](Args, Variant& result, CallContext& ctx) -> int32_t {
        TextReader* reader;
        if (int32_t e = readerOf(state, ctx, reader)) return e;
        if (reader->atEnd()) return vbs::err::InputPastEndOfFile;
        result = Variant::string(reader->takeAll());
        return 0;
    }));
    stream.method(u"Skip", reading([state](Args args, Variant&, CallContext& ctx) -> int32_t {
        TextReader* reader;
        int32_t count = 0;
        if (int32_t e = readerOf(state, ctx, reader)) return e;
        if (int32_t e = readCount(args, count)) return e;
        if (count < 0) return vbs::err::InvalidProcCall;
        if (count > 0 && reader->atEnd()) return vbs::err::InputPastEndOfFile;
        reader->take(static_cast<size_t>(count));
        return 0;
    }));
    stream.method(u"SkipLine", reading([state](Args, Variant&, CallContext& ctx) -> int32_t {
        TextReader* reader;
        if (int32_t e = readerOf(state, ctx, reader)) return e;
        if (reader->atEnd()) return vbs::err::InputPastEndOfFile;
        reader->takeLine();
        return 0;
    }));
    stream.property(u"AtEndOfStream", reading([state](Args, Variant& result, CallContext& ctx) -> int32_t {
        TextReader* reader;
        if (int32_t e = readerOf(state, ctx, reader)) return e;
        result = Variant::boolean(reader->atEnd());
        return 0;
    }));
    stream.property(u"AtEndOfLine", reading([state](Args, Variant& result, CallContext& ctx) -> int32_t {
        TextReader* reader;
        if (int32_t e = readerOf(state, ctx, reader)) return e;
        result = Variant::boolean(reader->atEndOfLine());
        return 0;
    }));
}

void addWritingMembers(vbs::HostObject& stream, const State& state) {
    stream.method(u"Write", [state](Args args, Variant&, CallContext& ctx) -> int32_t {
        TextWriter* writer;
        std::u16string text;
        if (int32_t e = writerOf(state, writer)) return e;
        if (args.size() != 1) return vbs::err::WrongArgCount;
        if (int32_t e = vbs::lib::readString(args, 0, text)) return e;
        return writer->write(text, ctx);
    });
    stream.method(u"WriteLine", [state](Args args, Variant&, CallContext& ctx) -> int32_t {
        TextWriter* writer;
        std::u16string text;
        if (int32_t e = writerOf(state, writer)) return e;
        if (args.size() > 1) return vbs::err::WrongArgCount;
        if (!args.missing(0))
            if (int32_t e = vbs::lib::readString(args, 0, text)) return e;
        return writer->writeLines(text, 1, ctx);
    });
    stream.method(u"WriteBlankLines", [state](Args args, Variant&, CallContext& ctx) -> int32_t {
        TextWriter* writer;
        int32_t count = 0;
        if (int32_t e = writerOf(state, writer)) return e;
        if (int32_t e = readCount(args, count)) return e;
        if (count < 0) return vbs::err::InvalidProcCall;
        return writer->writeLines({}, count, ctx);
    });
}

Variant makeStream(State state) {
    auto* stream = new vbs::HostObject(u"TextStream");
    Variant holder = Variant::object(stream);
    addReadingMembers(*stream, state);
    addWritingMembers(*stream, state);
    auto position = [state](bool line) {
        return [state, line](Args, Variant& result, CallContext&) -> int32_t {
            if (state->closed) return vbs::err::BadFileMode;
            const Position& at = state->reader ? state->reader->position() : state->writer->position();
            result = Variant::long_(line ? at.line : at.column);
            return 0;
        };
    };
    stream->property(u"Line", position(true));
    stream->property(u"Column", position(false));
    stream->method(u"Close", [state](Args, Variant&, CallContext&) -> int32_t {
        if (state->closed) return 0;
        state->closed = true;
        int32_t status = state->writer ? state->writer->close() : 0;
        state->reader.reset();
        state->writer.reset();
        state->file.reset();
        return status;
    });
    return holder;
}

bool readStandardInputLine(std::u16string& more, CallContext&) {
    char* line = nullptr;
    size_t capacity = 0;
    ssize_t length = ::getline(&line, &capacity, stdin);
    if (length >= 0) more = decodeText(std::string_view(line, static_cast<size_t>(length)), TextFormat::Ascii);
    std::free(line);
    return length >= 0;
}

}  // namespace

Variant makeReadingStream(std::u16string text, TextSupply supply) {
    auto state = std::make_shared<StreamState>();
    state->reader = std::make_unique<TextReader>(std::move(text), std::move(supply));
    return makeStream(std::move(state));
}

Variant makeFileWritingStream(std::unique_ptr<PendingFile> file, TextFormat format) {
    auto state = std::make_shared<StreamState>();
    PendingFile* target = file.get();
    if (format == TextFormat::Unicode && target->startedEmpty()) target->write(kUtf16Bom);
    state->file = std::move(file);
    state->writer = std::make_unique<TextWriter>(
        [target, format](std::u16string_view text, CallContext&) {
            target->write(encodeText(text, format));
            return 0;
        },
        [target] { return target->commit(); }, u"\r\n");
    return makeStream(std::move(state));
}

Variant makeConsoleWritingStream(std::FILE* console) {
    auto state = std::make_shared<StreamState>();
    auto emit = [console](std::u16string_view text, CallContext&) -> int32_t {
        // What went to standard output first is shown first.
        if (console != stdout) std::fflush(stdout);
        std::string bytes = encodeText(text, TextFormat::Ascii);
        std::fwrite(bytes.data(), 1, bytes.size(), console);
        std::fflush(console);
        return std::ferror(console) ? vbs::err::DeviceIOError : 0;
    };
    state->writer = std::make_unique<TextWriter>(emit, nullptr, u"\n");
    return makeStream(std::move(state));
}

Variant makeWritingStream(TextEmit emit, std::function<int32_t()> finish,
                          std::u16string lineEnd) {
    auto state = std::make_shared<StreamState>();
    state->writer = std::make_unique<TextWriter>(std::move(emit), std::move(finish), std::move(lineEnd));
    return makeStream(std::move(state));
}

Variant makeStandardInputStream() { return makeReadingStream({}, readStandardInputLine); }

}  // namespace talvoro::host
