// Starts the log on the input as "tennis.log" (which appends "起動"), then
// builds the viewer's text from it.
#include "FuzzFolder.h"

#include "FixedClock.h"
#include "ScriptedPlatform.h"
#include "storage/ActivityLog.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    writeInput("tennis.log", data, size);
    ScriptedPlatform platform;
    const FixedClock clock(std::tm{});
    ActivityLog log(platform, clock, fuzzFolder());
    log.readEntryCount();
    std::u16string text;
    log.readText(text);
    return 0;
}
