#include "register/RegisterError.h"

#include <sqlite3.h>

RegisterFault faultOfSqliteCode(int code) {
    switch (code & 0xff) {
    case SQLITE_OK:
    case SQLITE_ROW:
    case SQLITE_DONE:
        return RegisterFault::None;
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return RegisterFault::Locked;
    case SQLITE_READONLY:
    case SQLITE_PERM:
    case SQLITE_CANTOPEN:
        return RegisterFault::ReadOnly;
    case SQLITE_FULL:
        return RegisterFault::DiskFull;
    case SQLITE_CORRUPT:
    case SQLITE_NOTADB:
        return RegisterFault::Corrupt;
    case SQLITE_IOERR:
        // A write cut short by the file size limit or a full disk.
        return code == SQLITE_IOERR_WRITE || code == SQLITE_IOERR_FSYNC ? RegisterFault::DiskFull
                                                                        : RegisterFault::Failed;
    default:
        return RegisterFault::Failed;
    }
}
