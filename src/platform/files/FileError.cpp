#include "platform/files/FileError.h"

namespace tess::files {

const char* describe(FileErrorKind kind) {
  switch (kind) {
    case FileErrorKind::None: return "succeeded";
    case FileErrorKind::Create: return "could not be created";
    case FileErrorKind::Open: return "could not be opened";
    case FileErrorKind::Read: return "could not be read";
    case FileErrorKind::Write: return "could not be written";
    case FileErrorKind::ReadOnly: return "can only be read";
    case FileErrorKind::Closed: return "is not open";
    case FileErrorKind::Locked: return "is in use by another program";
    case FileErrorKind::Argument: return "was given an invalid record number";
    case FileErrorKind::NotAFile: return "is not a record file";
  }
  return "failed";
}

}  // namespace tess::files
