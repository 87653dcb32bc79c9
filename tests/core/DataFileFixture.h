#pragma once

#include "storage/MeetingRecord.h"

#include <cstdint>
#include <filesystem>
#include <functional>

// Writes a data file of `records` records, record 1 claiming `count`
// meetings; each record holds a fresh meeting of two teams of four, then
// `fill`(record number, record) may change it.
void writeDataFile(const std::filesystem::path& file, int records, std::int16_t count,
                   const std::function<void(int, MeetingRecord&)>& fill = {});
