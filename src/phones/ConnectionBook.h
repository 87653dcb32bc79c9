#pragma once

#include <map>
#include <string>

enum class Admission {
    Admitted,
    AddressFull, // refuse: the address holds perAddress connections
    ServerFull,  // the server holds total: close an idle one first
};

// The open connections of the players' page server by client address: a
// new one is admitted only while its address holds fewer than perAddress
// and the server fewer than total, so one phone (or a flood from one
// address) cannot take every connection.
class ConnectionBook {
public:
    static constexpr int kPerAddress = 8;
    static constexpr int kTotal = 256;

    explicit ConnectionBook(int perAddress = kPerAddress, int total = kTotal);

    // Counts the connection in, or says why not and counts nothing.
    Admission admit(const std::string& address);
    // A connection admitted before has closed.
    void release(const std::string& address);

    int openFrom(const std::string& address) const;
    int openTotal() const { return total_; }

private:
    int perAddress_;
    int limit_;
    int total_ = 0;
    std::map<std::string, int> open_;
};
