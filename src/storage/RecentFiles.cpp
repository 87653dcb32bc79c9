#include "storage/RecentFiles.h"

#include "text/FixedText.h"

std::u16string RecentFiles::entryOf(const std::u16string& path) {
    return path.size() < kEntryLength ? fitText(path, kEntryLength) : path;
}

void RecentFiles::add(const std::u16string& path) {
    const std::u16string entry = entryOf(path);
    separatorVisible = true;
    for (int i = 1; i <= entryCount; ++i) {
        if (captions_.at(i) == entry) {
            for (int j = i; j < entryCount; ++j) {
                captions_.at(j) = captions_.at(j + 1);
            }
            --entryCount;
            break;
        }
    }
    if (entryCount < kMaxEntries) {
        ++entryCount;
    }
    if (loadedCount < entryCount) {
        loadedCount = entryCount;
    }
    for (int i = entryCount - 1; i >= 1; --i) {
        captions_.at(i + 1) = captions_.at(i);
    }
    captions_.at(1) = entry;
}

void RecentFiles::setEntry(int i, const std::u16string& caption) {
    captions_.at(i) = caption;
}
