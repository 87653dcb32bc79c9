#pragma once

#include "register/RegisterError.h"

class Database;

// One user action's writes: BEGIN IMMEDIATE when made (so a second copy
// holding the database is found before anything is written), rolled back
// when it goes without commit().
class Transaction {
public:
    explicit Transaction(Database& database);
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;

    // The error of BEGIN; a transaction that did not begin commits nothing.
    const RegisterError& beginError() const { return beginError_; }
    RegisterError commit();

private:
    Database& database_;
    RegisterError beginError_;
    bool open_ = false;
};
