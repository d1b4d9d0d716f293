#include "host/file_errors.h"

#include <cerrno>

#include "engine/error_table.h"

namespace talvoro::host {

namespace {

int32_t errorOtherThanMissing(int errnoValue) {
    switch (errnoValue) {
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
    case ETXTBSY:
    case EBUSY:
    case ENOTEMPTY: return vbs::err::PermissionDenied;
    case EEXIST: return vbs::err::FileAlreadyExists;
    case ENOSPC:
    case EDQUOT:
    case EFBIG: return vbs::err::DiskFull;
    case EMFILE:
    case ENFILE: return vbs::err::TooManyFiles;
    case ENAMETOOLONG:
    case EINVAL:
    case ELOOP: return vbs::err::BadFileNameOrNumber;
    case EXDEV: return vbs::err::CantRenameWithDifferentDrive;
    case ENOMEM: return vbs::err::OutOfMemory;
    default: return vbs::err::DeviceIOError;
    }
}

}  // namespace

int32_t fileError(int errnoValue) {
    if (errnoValue == ENOENT) return vbs::err::FileNotFound;
    if (errnoValue == ENOTDIR) return vbs::err::PathNotFound;
    return errorOtherThanMissing(errnoValue);
}

int32_t pathError(int errnoValue) {
    if (errnoValue == ENOENT || errnoValue == ENOTDIR) return vbs::err::PathNotFound;
    return errorOtherThanMissing(errnoValue);
}

}  // namespace talvoro::host
