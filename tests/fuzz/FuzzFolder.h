#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>

// The working folder every run of a fuzz target uses: made on first use
// under /dev/shm when there is one (the runs write many small files), else
// under the temporary folder, and removed when the target ends.
const std::filesystem::path& fuzzFolder();

// Empties the folder, then writes the fuzz input as its file `name`, so no
// run sees what an earlier one left behind.
void writeInput(const char* name, const std::uint8_t* data, std::size_t size);
