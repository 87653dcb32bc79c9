// Starts the log on the input as "tennis.log" (which appends "起動"), then
// builds the viewer's text from it.
#include "FuzzFolder.h"

#include "FixedClock.h"
#include "storage/ActivityLog.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    writeInput("tennis.log", data, size);
    const FixedClock clock(std::tm{});
    ActivityLog log(clock, fuzzFolder());
    if (log.readEntryCount() == FileFault::None) {
        static_cast<void>(log.append(u"起動"));
    }
    std::u16string text;
    static_cast<void>(log.readText(text));
    return 0;
}
