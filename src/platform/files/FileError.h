// A failed file operation as a value: what failed and the operating system's reason.
#pragma once

#include <string>

namespace tess::files {

enum class FileErrorKind {
  None,      //!< success
  Create,    //!< a missing file could not be created
  Open,      //!< an existing file could not be opened
  Read,      //!< reading failed
  Write,     //!< writing failed (nothing of the file was lost: see RecordFile)
  ReadOnly,  //!< the file could only be opened for reading, so it cannot be written
  Closed,    //!< the file is not open
  Locked,    //!< another program held the file's lock for as long as it was waited for
  Argument,  //!< a record number or record length outside what the file allows
  NotAFile,  //!< something other than a file is at the path (a folder, a named pipe, a device...)
};

//! Success when kind is None; otherwise the kind and the reason in words (the operating system's
//! message where there is one, such as "Permission denied" or "No space left on device").
struct FileError {
  FileErrorKind kind = FileErrorKind::None;
  std::string reason;

  explicit operator bool() const { return kind != FileErrorKind::None; }
};

//! What the operation was, in words: "could not be created", "could not be opened", ...
const char* describe(FileErrorKind kind);

}  // namespace tess::files
