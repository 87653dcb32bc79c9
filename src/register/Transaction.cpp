#include "register/Transaction.h"

#include "register/Database.h"

Transaction::Transaction(Database& database) : database_(database) {
    beginError_ = database.exec("BEGIN IMMEDIATE");
    open_ = !beginError_.failed();
}

Transaction::~Transaction() {
    if (open_) {
        database_.exec("ROLLBACK");
    }
}

RegisterError Transaction::commit() {
    if (!open_) {
        return beginError_;
    }
    RegisterError error = database_.exec("COMMIT");
    if (error) {
        // A commit that failed (disk full) leaves the transaction open: undo it.
        database_.exec("ROLLBACK");
    }
    open_ = false;
    return error;
}
