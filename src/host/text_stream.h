// TextStream: a script's reading or writing of a text file (OpenTextFile,
// CreateTextFile, File.OpenAsTextStream) or of a standard stream (StdIn,
// StdOut, StdErr). Line and Column count from 1; a line ends at CR LF, LF or
// a lone CR. Reading past the end is error 62, reading a writing stream (or
// writing a reading one, or using a closed one) error 54.
#pragma once

#include <cstdio>
#include <functional>
#include <memory>
#include <string>

#include "engine/object.h"
#include "engine/variant.h"
#include "host/pending_file.h"
#include "host/text_codec.h"

namespace talvoro::host {

// Where a reading stream's text comes from: all of it at once (a file), or
// a piece at a time (standard input, read as it arrives). The supply appends
// the next piece to `more` and answers false at the end. `caller` is the
// context of the script's call that reads: a supply that waits long keeps
// it alive (CallContext::keepAlive) and answers false when the script is
// being stopped, which does not end the stream.
using TextSupply = std::function<bool(std::u16string& more, vbs::CallContext& caller)>;

// A stream that reads `text` and, after it, what `supply` gives (none: the text is all).
vbs::Variant makeReadingStream(std::u16string text, TextSupply supply = {});
// A stream that writes into `file` in `format`: lines end with CR LF, as in
// files made on Windows.
vbs::Variant makeFileWritingStream(std::unique_ptr<PendingFile> file, TextFormat format);
// A stream that writes to `console` (stdout or stderr) as UTF-8, lines ended
// by LF as this system's terminals and pipes expect.
vbs::Variant makeConsoleWritingStream(std::FILE* console);
// Where a writing stream's text goes; `caller` is the context of the
// script's call that writes, which a destination that may wait long (a pipe
// to a program that does not read) keeps alive, as a TextSupply does.
using TextEmit = std::function<int32_t(std::u16string_view text, vbs::CallContext& caller)>;

// A stream that hands what is written to `emit` (lines ended by `lineEnd`)
// and calls `finish` at Close: a pipe to a program, for instance.
vbs::Variant makeWritingStream(TextEmit emit, std::function<int32_t()> finish, std::u16string lineEnd);
// Standard input as a reading stream: UTF-8, or Latin-1 for a line that is
// not valid UTF-8.
vbs::Variant makeStandardInputStream();

}  // namespace talvoro::host
