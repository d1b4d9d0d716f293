// What a failed system call on a file means to a script: VBScript's error
// numbers of the file family (53 File not found, 70 Permission denied...).
#pragma once

#include <cstdint>

namespace talvoro::host {

// For an operation on a file: a missing name is 53 "File not found".
int32_t fileError(int errnoValue);
// For an operation on a folder or a path: a missing name is 76 "Path not found".
int32_t pathError(int errnoValue);

}  // namespace talvoro::host
