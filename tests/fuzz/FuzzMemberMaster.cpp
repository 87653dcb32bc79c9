// Reads the input as the member master and lists every member it yields.
#include "FuzzFolder.h"

#include "storage/MemberMaster.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    writeInput(kMasterFileName, data, size);
    MemberMaster master(fuzzFolder());
    // at() turns an entry number past the table into a crash the fuzzer sees.
    static_cast<void>(
        master.readFile([&](int i) { master.members.at(static_cast<std::size_t>(i)); }));
    for (int i = 1; i <= master.memberCount; ++i) {
        master.members.at(static_cast<std::size_t>(i));
    }
    return 0;
}
