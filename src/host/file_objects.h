// What the FileSystemObject hands out for things on disk: File and Folder
// objects (their default member is Path), the Files and Folders collections
// of a folder (For Each visits them in name order, letter case ignored), and
// Drive objects. Every drive letter names this system's one tree, so every
// Drive is the root "/".
#pragma once

#include <memory>
#include <string>

#include "engine/variant.h"
#include "host/pending_file.h"

namespace talvoro::host {

// `path` is an existing absolute path of this system.
vbs::Variant makeFileObject(const std::string& path, std::shared_ptr<WriteSession> session);
vbs::Variant makeFolderObject(const std::string& path, std::shared_ptr<WriteSession> session);
// `letter` is the drive letter the script named ("" for the root itself).
vbs::Variant makeDriveObject(std::u16string letter, std::shared_ptr<WriteSession> session);
// The Drives collection: the one drive.
vbs::Variant makeDrivesCollection(std::shared_ptr<WriteSession> session);

}  // namespace talvoro::host
