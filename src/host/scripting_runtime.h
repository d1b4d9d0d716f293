// The Scripting runtime: CreateObject("Scripting.FileSystemObject") for the
// scripts of an engine, with its text streams, files, folders and drives.
#pragma once

#include <memory>

#include "engine/script_engine.h"
#include "host/pending_file.h"

namespace talvoro::host {

// Registers Scripting.FileSystemObject with `engine` (it stays registered
// across Reset). Returns the session of the files its scripts write, which
// the host abandons when a run fails (WriteSession::abandonAll).
std::shared_ptr<WriteSession> registerScriptingRuntime(vbs::ScriptEngine& engine);

// A new FileSystemObject whose written files belong to `session`.
vbs::Variant makeFileSystemObject(std::shared_ptr<WriteSession> session);

}  // namespace talvoro::host
