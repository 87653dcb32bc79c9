#pragma once

// Why a storage operation did not do its work, None when it did. Storage
// shows nothing to the user; the app layer turns a fault into the message of
// the operation that met it (app/StorageMessages.h).
enum class [[nodiscard]] FileFault{
    None,
    CannotOpen,        // the file is there but could not be opened
    CannotRead,        // the file could not be opened or read whole
    CannotWrite,       // the file could not be made or written
    NotAMeetingFile,   // another program's file; nothing of it was taken
    ReadOnlyHere,      // the open file is held by another copy: no save goes into it
    HeldElsewhere,     // the file to be written is held by another copy
    ChangedUnderneath, // the file is no longer what this copy last read or wrote
    SameFile,          // a copy onto the open file itself
    TargetExists,      // a copy would replace an existing file it may not replace
};
